#include "tools/demo/DemoCard.h"

#include <filesystem>
#include <stdexcept>

#include "tools/demo/CardSchedule.h"
#include "tools/demo/ClipTelemetry.h"
#include "tools/demo/OddFiles.h"
#include "tools/demo/OutputFolder.h"
#include "tools/demo/Route.h"
#include "tools/fixture/RealClip.h"

namespace fs = std::filesystem;

namespace {

std::string Label(const ScheduledClip& clip, const RoutePath& route, const ScheduledDrive& drive) {
    return clip.FileName().substr(0, 8) + " " + route.StreetAt(drive.motion->At(clip.offsetS).distanceM);
}

void ClearWriteBits(const fs::path& path) {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

DemoCard WriteCard(const std::string& card, const RoutePath& route, const CardSchedule& schedule,
                   const DemoCardOptions& options) {
    DemoCard out;
    out.drives = int(schedule.drives.size());
    fs::create_directories(fs::path(card) / "DCIM" / "MOVIE");
    fs::create_directories(fs::path(card) / "DCIM" / "EVENT");
    for (const ScheduledClip& clip : schedule.clips) {
        const ScheduledDrive& drive = schedule.drives[size_t(clip.drive)];
        fixture::RealClipDesc desc;
        desc.ffmpeg = options.ffmpeg;
        FillClipTelemetry(clip, drive, desc);
        desc.label = Label(clip, route, drive);
        desc.toneHz = 330 + 110 * clip.drive;
        const fs::path path = fs::path(card) / clip.RelativePath();
        fixture::WriteRealClip(path.string(), desc);
        if (clip.ReadOnly()) ClearWriteBits(path);
        DemoRecording r;
        r.path = clip.RelativePath();
        r.kind = drive.kind;
        r.drive = clip.drive;
        r.startTime = clip.startTime;
        r.start = clip.start;
        r.seconds = clip.seconds;
        r.gpsPoints = int(drive.kind == fixture::Kind::Atoms ? desc.gps.size() : desc.chunks.size());
        r.readOnly = clip.ReadOnly();
        out.recordings.push_back(r);
    }
    for (const DemoRecording& r : out.recordings)
        if (!r.readOnly) {
            out.oddFiles = WriteOddFiles(card, r.path);
            break;
        }
    return out;
}

}  // namespace

std::string DefaultRoutePath() { return NORVIK_DEMO_ROUTE; }

DemoCard BuildDemoCard(const DemoCardOptions& options) {
    if (options.outDir.empty()) throw std::runtime_error("no folder given for the demo card");
    const std::string routePath = options.routePath.empty() ? DefaultRoutePath() : options.routePath;
    const RoutePath route(LoadRoute(routePath));
    const CardSchedule schedule = MakeCardSchedule(route);
    const std::string staging = BeginCardFolder(options.outDir);
    try {
        DemoCard card = WriteCard(staging, route, schedule, options);
        FinishCardFolder(staging, options.outDir);
        return card;
    } catch (const fs::filesystem_error& e) {
        RemoveTree(staging);
        throw std::runtime_error(e.what());
    } catch (...) {
        RemoveTree(staging);
        throw;
    }
}
