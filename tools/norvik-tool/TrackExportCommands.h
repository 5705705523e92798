// norvik-tool kml / gpx: the track of one recording as a KML or GPX file.
#pragma once

#include <cstring>
#include <iostream>
#include <string>

#include "map/core/RecordingExport.h"

namespace track_export {

inline const char* const kKmlHelp =
    "usage: norvik-tool kml FILE [--out DIR]\n"
    "Writes the GPS track of FILE as the player's KML file (named after the recording and its local start\n"
    "time) into DIR, the current folder by default, and prints the file's path.\n"
    "Exit status: 0 written, 1 not a recording or not writable, 2 usage error.\n";

inline const char* const kGpxHelp =
    "usage: norvik-tool gpx FILE [--out DIR]\n"
    "Writes the GPS track of FILE as GPX 1.1 (altitude, UTC time, speed) into DIR, the current folder by\n"
    "default, and prints the file's path.\n"
    "Exit status: 0 written, 1 not a recording or not writable, 2 usage error.\n";

inline const char* HelpFor(const std::string& command) {
    return command == "kml" ? kKmlHelp : command == "gpx" ? kGpxHelp : nullptr;
}

// argv[1] is "kml" or "gpx".
inline int Run(int argc, char** argv) {
    const std::string command = argv[1];
    const char* help = HelpFor(command);
    std::string file, out;
    for (int i = 2; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::cout << help;
            return 0;
        }
        if (!std::strcmp(argv[i], "--out") && i + 1 < argc && out.empty()) {
            out = argv[++i];
            if (out.empty()) out = ".";
        } else if (file.empty() && std::strncmp(argv[i], "--", 2) != 0) {
            file = argv[i];
        } else {
            std::cerr << help;
            return 2;
        }
    }
    if (file.empty()) {
        std::cerr << help;
        return 2;
    }
    const auto result = ExportRecordingFile(file, out, command == "kml" ? TrackFormat::Kml : TrackFormat::Gpx);
    if (!result.ok) {
        std::cerr << "norvik-tool: " << result.error << '\n';
        return 1;
    }
    std::cout << result.path << '\n';
    return 0;
}

}  // namespace track_export
