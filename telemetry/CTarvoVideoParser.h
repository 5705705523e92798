// Reader interface: one reader per file; SetVideoInfo, then Parse.
#pragma once

#include <string>

#include "telemetry/TelemetrySamples.h"

class CTarvoVideoParser {
public:
    virtual ~CTarvoVideoParser() = default;
    // Remembers where to write the result; a reader without a target parses but writes nothing.
    virtual void SetVideoInfo(VideoInfo* /*info*/) {}
    // 0 when the file is an accepted recording (VideoInfo written), -1 otherwise.
    virtual int Parse(const std::string& /*path*/) { return 0; }
};

// Names ending exactly in ".AVI" are never examined; every other name goes to the MOV reader.
bool IsExaminedByMovReader(const std::string& fileName);
