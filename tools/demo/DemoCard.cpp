#include "tools/demo/DemoCard.h"

#include <filesystem>
#include <memory>
#include <stdexcept>

#include "tools/demo/CardSchedule.h"
#include "tools/demo/ClipTelemetry.h"
#include "tools/demo/OddFiles.h"
#include "tools/demo/OutputFolder.h"
#include "tools/demo/Route.h"
#include "tools/fixture/RealClip.h"

namespace fs = std::filesystem;

namespace {

struct Plan {
    std::unique_ptr<RoutePath> route;  // the drives refer to it, so it must not move
    CardSchedule schedule;
    DemoCard card;
};

Plan MakePlan(const DemoCardOptions& options) {
    const std::string routePath = options.routePath.empty() ? DefaultRoutePath() : options.routePath;
    Plan p;
    p.route = std::make_unique<RoutePath>(LoadRoute(routePath));
    p.schedule = MakeCardSchedule(*p.route);
    p.card.drives = int(p.schedule.drives.size());
    for (const ScheduledClip& clip : p.schedule.clips) {
        const fixture::Kind kind = p.schedule.drives[size_t(clip.drive)].kind;
        DemoRecording r;
        r.path = clip.RelativePath();
        r.kind = kind;
        r.drive = clip.drive;
        r.startTime = clip.startTime;
        r.start = clip.start;
        r.seconds = clip.seconds;
        r.gpsPoints = clip.seconds * (kind == fixture::Kind::Atoms ? kAtomGpsRate : kMetaRate);
        r.readOnly = clip.ReadOnly();
        p.card.recordings.push_back(r);
    }
    p.card.oddFiles = OddFileList();
    return p;
}

// The street where the recording starts, burned in before the clock; short enough for a 640-pixel picture.
std::string Label(const ScheduledClip& clip, const RoutePath& route, const ScheduledDrive& drive) {
    const std::string& street = route.StreetAt(drive.motion->At(clip.offsetS).distanceM);
    return street == "Avenue of the Americas" ? "6th Avenue" : street;
}

void ClearWriteBits(const fs::path& path) {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

void WriteCard(const std::string& card, const Plan& plan, const DemoCardOptions& options) {
    fs::create_directories(fs::path(card) / "DCIM" / "MOVIE");
    fs::create_directories(fs::path(card) / "DCIM" / "EVENT");
    for (const ScheduledClip& clip : plan.schedule.clips) {
        const ScheduledDrive& drive = plan.schedule.drives[size_t(clip.drive)];
        fixture::RealClipDesc desc;
        desc.ffmpeg = options.ffmpeg;
        FillClipTelemetry(clip, drive, desc);
        desc.label = Label(clip, *plan.route, drive);
        desc.toneHz = 330 + 110 * clip.drive;
        const fs::path path = fs::path(card) / clip.RelativePath();
        fixture::WriteRealClip(path.string(), desc);
        if (clip.ReadOnly()) ClearWriteBits(path);
    }
    for (const DemoRecording& r : plan.card.recordings)
        if (!r.readOnly) {
            WriteOddFiles(card, r.path);
            break;
        }
}

}  // namespace

std::string DefaultRoutePath() { return NORVIK_DEMO_ROUTE; }

DemoCard PlanDemoCard(const DemoCardOptions& options) { return MakePlan(options).card; }

DemoCard BuildDemoCard(const DemoCardOptions& options) {
    if (options.outDir.empty()) throw std::runtime_error("no folder given for the demo card");
    const Plan plan = MakePlan(options);
    const std::string staging = BeginCardFolder(options.outDir);
    try {
        WriteCard(staging, plan, options);
        FinishCardFolder(staging, options.outDir);
        return plan.card;
    } catch (const fs::filesystem_error& e) {
        RemoveTree(staging);
        throw std::runtime_error(e.what());
    } catch (...) {
        RemoveTree(staging);
        throw;
    }
}
