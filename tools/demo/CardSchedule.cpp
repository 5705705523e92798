#include "tools/demo/CardSchedule.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace {

struct DrivePlan {
    fixture::Kind kind;
    CalendarFields start;
    double fromFraction, toFraction;  // of the route's length
    double hardStopFraction;          // < 0: none
};

// A Saturday morning: to the shops on Fifth Avenue, on along West 57th Street, and back round the block.
const DrivePlan kDrives[] = {
    {fixture::Kind::Atoms, {2026, 5, 16, 9, 12, 4}, 0.0, 0.413, -1},
    {fixture::Kind::MetaTrack, {2026, 5, 16, 9, 31, 40}, 0.413, 0.734, -1},
    {fixture::Kind::Atoms, {2026, 5, 16, 10, 5, 22}, 0.734, 1.0, 0.86},
};

constexpr double kStandBeforeS = 1.0;
constexpr double kStandAfterHardStopS = 2.0;
constexpr double kBrakeIntoClipS = 2.0;  // the emergency stop starts this far into its recording

int64_t LocalTime(const CalendarFields& f) {
    const auto t = LocalTimeFromFields(f);
    if (!t) throw std::runtime_error("the demo card's start times cannot be represented in this time zone");
    return *t;
}

std::vector<DriveLeg> Legs(const DrivePlan& p, double length) {
    if (p.hardStopFraction < 0) return {{p.fromFraction * length, p.toFraction * length, false, 0}};
    return {{p.fromFraction * length, p.hardStopFraction * length, true, kStandAfterHardStopS},
            {p.hardStopFraction * length, p.toFraction * length, false, 0}};
}

// The drive's recordings: back to back from the drive start until the car has stopped for good.
void CutIntoClips(const RoutePath& route, int driveIndex, const ScheduledDrive& drive, CardSchedule& out) {
    const double brake = drive.motion->HardBrakeStart();
    bool gapPlaced = drive.kind != fixture::Kind::Atoms || driveIndex != 0;
    double offset = 0;
    while (offset < drive.motion->MovingUntil()) {
        ScheduledClip c;
        c.drive = driveIndex;
        c.offsetS = offset;
        c.seconds = kClipSeconds;
        // The first recording on Fifth Avenue loses the GPS fix between the tall buildings.
        if (!gapPlaced && route.StreetAt(drive.motion->At(offset).distanceM) == "Fifth Avenue") {
            c.seconds = kFixGapClipSeconds;
            c.fixGap = gapPlaced = true;
        }
        if (brake >= offset && brake < offset + c.seconds) c.role = ClipRole::GSensorEvent;
        c.startTime = drive.startTime + int64_t(std::lround(offset));
        out.clips.push_back(c);
        offset += c.seconds;
    }
}

}  // namespace

std::string ScheduledClip::Folder() const { return role == ClipRole::Normal ? "DCIM/MOVIE" : "DCIM/EVENT"; }

std::string ScheduledClip::FileName() const {
    const char* prefix = role == ClipRole::GSensorEvent  ? "EVGS"
                         : role == ClipRole::SwitchEvent ? "EVSW"
                                                         : "NORM";
    char name[16];
    std::snprintf(name, sizeof name, "%s%04d.MOV", prefix, number % 10000);
    return name;
}

CardSchedule MakeCardSchedule(const RoutePath& route) {
    CardSchedule s;
    for (const DrivePlan& p : kDrives) {
        ScheduledDrive d;
        d.kind = p.kind;
        d.startTime = LocalTime(p.start);
        const auto legs = Legs(p, route.Length());
        d.motion = std::make_unique<DriveMotion>(route, legs, kStandBeforeS);
        if (d.motion->HardBrakeStart() >= 0) {
            // Stand a little longer before pulling away so that the stop falls well inside one recording.
            const double into = std::fmod(d.motion->HardBrakeStart(), kClipSeconds);
            const double wait = std::fmod(kBrakeIntoClipS - into + kClipSeconds, kClipSeconds);
            d.motion = std::make_unique<DriveMotion>(route, legs, kStandBeforeS + wait);
        }
        s.drives.push_back(std::move(d));
    }
    for (size_t i = 0; i < s.drives.size(); ++i) CutIntoClips(route, int(i), s.drives[i], s);
    // The driver presses the event button once during the second drive.
    for (auto& c : s.clips)
        if (c.drive == 1 && c.offsetS >= 2 * kClipSeconds && c.role == ClipRole::Normal) {
            c.role = ClipRole::SwitchEvent;
            break;
        }
    for (size_t i = 0; i < s.clips.size(); ++i) {
        s.clips[i].number = int(i) + 1;
        const auto fields = LocalFieldsFromTime(s.clips[i].startTime);
        if (!fields) throw std::runtime_error("a start time of the demo card cannot be shown in local time");
        s.clips[i].start = *fields;
    }
    return s;
}
