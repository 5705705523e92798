// norvik-tool: the recordings' telemetry as JSON, without the player.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "JsonOutput.h"
#include "TrackExportCommands.h"
#include "catalogue/CRecordingCatalog.h"
#include "telemetry/CTarvo3gpParser.h"
#include "telemetry/TelemetryTrack.h"

namespace {

constexpr int kUsage = 2;

const char* const kHelp =
    "usage: norvik-tool COMMAND ARGS\n"
    "\n"
    "  info FILE    what the reader finds in one recording\n"
    "  scan DIR     the recordings of a folder tree, sorted and grouped\n"
    "  track FILE   the GPS and G-sensor track of one recording\n"
    "  kml FILE     write the track of one recording as a KML file\n"
    "  gpx FILE     write the track of one recording as a GPX file\n"
    "\n"
    "JSON goes to standard output. 'norvik-tool COMMAND --help' tells more.\n";

const char* const kInfoHelp =
    "usage: norvik-tool info FILE\n"
    "Prints one JSON object: \"accepted\", and for an accepted recording its layout (0 atom kind, 1 meta-track\n"
    "kind), picture size, duration, start time (seconds since 1970), file size and where its telemetry lies.\n"
    "Exit status: 0 accepted, 1 rejected or unreadable, 2 usage error.\n";

const char* const kScanHelp =
    "usage: norvik-tool scan DIR\n"
    "Scans DIR as the player does and prints {\"scanned\", \"entries\", \"groups\", \"rows\"} in list order.\n"
    "Exit status: 0 (also when nothing is found), 1 when DIR does not exist, 2 usage error.\n";

const char* const kTrackHelp =
    "usage: norvik-tool track FILE\n"
    "Prints {\"gpsRate\", \"gps\": [...], \"gsensor\": [[x, y, z], ...]}: positions in decimal degrees,\n"
    "speed in km/h, heading in degrees, fix true when the sample holds a position.\n"
    "Exit status: 0, 1 when the file is not a recording or cannot be read, 2 usage error.\n";

// Names that are not UTF-8 (a card's file system may hold any bytes) are printed with U+FFFD in place
// of the bytes that do not decode, rather than failing the whole answer.
void Print(const nlohmann::ordered_json& j) {
    std::cout << j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

bool WantsHelp(int argc, char** argv) {
    for (int i = 2; i < argc; ++i)
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) return true;
    return false;
}

bool ReadInfo(const std::string& path, VideoInfo& info) {
    CTarvo3gpParser reader;
    reader.SetVideoInfo(&info);
    return reader.Parse(path) == 0;
}

int Info(const std::string& path) {
    VideoInfo info;
    if (!ReadInfo(path, info)) {
        Print({{"accepted", false}});
        std::cerr << "norvik-tool: " << path << " is not a recording of the camera, or cannot be read\n";
        return 1;
    }
    Print(InfoJson(info));
    return 0;
}

int Scan(const std::string& folder) {
    CRecordingCatalog catalog;
    catalog.Init(nullptr, nullptr, nullptr, nullptr, nullptr);
    if (!catalog.Load(folder)) {
        std::cerr << "norvik-tool: the folder " << folder << " does not exist\n";
        return 1;
    }
    Print(ScanJson(catalog, catalog.ScanCounter()));
    return 0;
}

int Track(const std::string& path) {
    VideoInfo info;
    TelemetryTrack track;
    if (!ReadInfo(path, info) || !ReadTelemetryTrack(path, info, track)) {
        std::cerr << "norvik-tool: " << path << " is not a recording of the camera, or cannot be read\n";
        return 1;
    }
    Print(TrackJson(info, track.gps, track.gsensor));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << kHelp;
        return kUsage;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << kHelp;
        return 0;
    }
    if (track_export::HelpFor(command)) return track_export::Run(argc, argv);
    const char* help = command == "info" ? kInfoHelp : command == "scan" ? kScanHelp : command == "track" ? kTrackHelp : nullptr;
    if (!help) {
        std::cerr << "norvik-tool: unknown command '" << command << "'\n" << kHelp;
        return kUsage;
    }
    if (WantsHelp(argc, argv)) {
        std::cout << help;
        return 0;
    }
    if (argc != 3) {
        std::cerr << help;
        return kUsage;
    }
    try {
        if (command == "info") return Info(argv[2]);
        if (command == "scan") return Scan(argv[2]);
        return Track(argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "norvik-tool: " << e.what() << '\n';
        return 1;
    }
}
