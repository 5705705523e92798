// What goes on the demo card: three drives around the route, cut into back-to-back recordings.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "telemetry/LocalTime.h"
#include "tools/demo/DriveMotion.h"
#include "tools/fixture/MovFixture.h"

enum class ClipRole { Normal, GSensorEvent, SwitchEvent };

struct ScheduledClip {
    int drive = 0;       // index into CardSchedule::drives
    int number = 0;      // camera's running file number, from 1
    double offsetS = 0;  // from the start of its drive
    int seconds = 0;
    ClipRole role = ClipRole::Normal;
    bool fixGap = false;  // the receiver loses its fix after the first second, until the last one
    int64_t startTime = 0;
    CalendarFields start;  // local time of the first frame

    std::string Folder() const;    // relative to the card, e.g. "DCIM/MOVIE"
    std::string FileName() const;  // e.g. "NORM0003.MOV"
    std::string RelativePath() const { return Folder() + "/" + FileName(); }
    bool ReadOnly() const { return role != ClipRole::Normal; }  // the camera protects event recordings
};

struct ScheduledDrive {
    fixture::Kind kind = fixture::Kind::Atoms;
    int64_t startTime = 0;
    std::unique_ptr<DriveMotion> motion;
};

struct CardSchedule {
    std::vector<ScheduledDrive> drives;
    std::vector<ScheduledClip> clips;  // in time order
};

constexpr int kClipSeconds = 6;
constexpr int kFixGapClipSeconds = 8;

// Throws std::runtime_error when a start time cannot be represented on this machine.
CardSchedule MakeCardSchedule(const RoutePath& route);
