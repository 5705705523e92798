// The demo card: a camera card's folder tree with real recordings of three drives round a block in
// Midtown Manhattan, plus the odd files a card collects that the player must leave out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "telemetry/LocalTime.h"
#include "tools/fixture/MovFixture.h"

struct DemoRecording {
    std::string path;  // relative to the card, "/"-separated
    fixture::Kind kind = fixture::Kind::Atoms;
    int drive = 0;
    int64_t startTime = 0;
    CalendarFields start;
    int seconds = 0;
    int gpsPoints = 0;
    bool readOnly = false;
};

enum class RejectedBy { NameFilter, NeverExamined, Reader };

struct DemoOddFile {
    std::string path;  // relative to the card
    RejectedBy rejectedBy = RejectedBy::Reader;
    std::string why;
};

struct DemoCard {
    std::vector<DemoRecording> recordings;  // in time order
    std::vector<DemoOddFile> oddFiles;
    int drives = 0;
};

struct DemoCardOptions {
    std::string outDir;
    std::string routePath;  // the committed route when empty
    std::string ffmpeg = "ffmpeg";
};

std::string DefaultRoutePath();
// What BuildDemoCard writes, without writing it. Throws std::runtime_error when the route is unusable.
DemoCard PlanDemoCard(const DemoCardOptions& options);
// Builds the card in a folder beside outDir and then replaces outDir with it. Throws
// std::runtime_error with a plain explanation on failure (outDir is then left as it was).
DemoCard BuildDemoCard(const DemoCardOptions& options);
