// Scratch files and folders for the core tests, and a reader run on built bytes.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "catalogue/CRecordingCatalog.h"
#include "telemetry/TelemetrySamples.h"
#include "tools/fixture/MovFixture.h"

namespace testfiles {

// A fresh folder under the temporary directory, removed with everything in it at the end of its scope.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return m_path; }
    // Path of a file or folder below the scratch folder ("a/b/c" creates a and a/b).
    std::string File(const std::string& relative) const;
    std::string MakeDir(const std::string& relative) const;
    std::string Write(const std::string& relative, const std::vector<uint8_t>& bytes) const;

private:
    std::string m_path;
};

// VideoInfo with recognisable values in every scalar field, to see whether a reader wrote it.
VideoInfo SentinelInfo();
bool SameScalars(const VideoInfo& a, const VideoInfo& b);

struct ParseResult {
    int result = -1;
    VideoInfo info;
};
// Runs the MOV reader on a file holding `bytes`; `start` is what the caller filled in beforehand.
ParseResult ParseBytes(const std::vector<uint8_t>& bytes, const VideoInfo& start = {});
ParseResult ParseFile(const std::string& path, const VideoInfo& start = {});

std::vector<uint8_t> Build(const fixture::MovDesc& desc, fixture::BuiltMov* built = nullptr);

// The scanned recordings as sub-folder + file name, sorted.
std::vector<std::string> ScannedNames(const ScanOutcome& out);

// Sets the local time zone (a POSIX TZ string) for its scope.
class TimeZone {
public:
    explicit TimeZone(const char* tz);
    ~TimeZone();
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;

private:
    std::string m_previous;
    bool m_had = false;
};

// Seconds since 1970 of a UTC calendar time, by day counting (no library time conversion).
int64_t UtcSeconds(int year, int month, int day, int hour, int minute, int second);

void AppendBe32(std::vector<uint8_t>& out, uint32_t v);
// One atom: 32-bit size header, type, payload.
std::vector<uint8_t> Atom(const std::string& type, const std::vector<uint8_t>& payload);

}  // namespace testfiles
