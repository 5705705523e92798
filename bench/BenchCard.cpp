#include "bench/BenchCard.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "tools/fixture/MovFixture.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRecordingSeconds = 60;
constexpr int kGpsPerSecond = 1;
constexpr int kGsensorPerSecond = 10;
constexpr int kFilesPerFolder = 200;
constexpr int kEventEvery = 5;  // every fifth recording is an event recording in its own folder
constexpr uint64_t kMaxDiskPerFile = 1024 * 1024;  // the telemetry and headers of one file take a few KiB

CalendarFields LocalFields(int64_t t) {
    const auto f = LocalFieldsFromTime(t);
    if (!f) throw std::runtime_error("cannot convert a benchmark start time");
    return *f;
}

// A minute of driving as the camera writes it: one GPS fix per second, ten G-sensor readings per second.
fixture::MovDesc Recording(int index, int64_t start, uint64_t mdatPayload) {
    fixture::MovDesc d;
    d.kind = index % 2 == 0 ? fixture::Kind::Atoms : fixture::Kind::MetaTrack;
    d.timeScale = 1000;
    d.duration = kRecordingSeconds * 1000;
    d.mdatPayload = mdatPayload;
    if (d.kind == fixture::Kind::Atoms) {
        d.gpsAttr[0] = kGpsPerSecond;
        d.gsensorAttr[0] = kGsensorPerSecond;
        d.idit.reset();  // dated by the first GPS fix
        for (int s = 0; s < kRecordingSeconds * kGpsPerSecond; ++s)
            d.gps.push_back(fixture::BlockSample(3539.4 + s * 0.01, 13945.1, 40 + s % 20, 45, true,
                                                 LocalFields(start + s / kGpsPerSecond)));
        for (int i = 0; i < kRecordingSeconds * kGsensorPerSecond; ++i)
            d.gsensor.push_back({int8_t(i % 7 - 3), int8_t(i % 5 - 2), int8_t(64 + i % 3)});
    } else {
        d.creationTime1904 = fixture::To1904(start);
        for (int s = 0; s < kRecordingSeconds; ++s) {
            fixture::MetaChunk c;
            c.latNum = 35394000 + s * 100;
            c.latDen = 10000;
            c.lonNum = 139451000;
            c.lonDen = 10000;
            c.speedNum = 250 + s;
            c.speedDen = 10;
            c.x = int8_t(s % 7 - 3);
            c.z = 64;
            d.chunks.push_back(c);
        }
    }
    return d;
}

std::string FileName(int index, bool event, bool atoms) {
    char name[16];
    const char* prefix = !event ? "FILE" : (atoms ? "EVGS" : "EVSW");
    std::snprintf(name, sizeof name, "%s%04d.MOV", prefix, index % 10000);
    return name;
}

}  // namespace

BenchCard::BenchCard(const std::string& parent, int recordings, uint64_t mdatPayload) {
    std::string pattern = (fs::path(parent) / "norvik-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a folder under " + parent);
    m_root = pattern;
    try {
        const int64_t firstStart = 1406714400;  // 2014-07-30, a drive of back-to-back minutes
        int64_t start = firstStart;
        for (int i = 0; i < recordings; ++i) {
            const bool event = i % kEventEvery == kEventEvery - 1;
            const fixture::MovDesc desc = Recording(i, start, mdatPayload);
            const std::string sub = event ? "EVENT" : std::to_string(100 + i / kFilesPerFolder) + "MEDIA";
            const fs::path folder = fs::path(m_root) / "DCIM" / sub;
            fs::create_directories(folder);
            const std::string path = (folder / FileName(i + 1, event, desc.kind == fixture::Kind::Atoms)).string();
            m_apparentBytes += fixture::WriteMov(path, desc).fileSize;
            m_files.push_back(path);
            // A file system that fills holes would need the whole media size on disk: stop at the first file.
            if (i == 0 && DiskBytes() > kMaxDiskPerFile)
                throw std::runtime_error(parent + " does not keep sparse files; set TMPDIR to a folder that does");
            // A stop every 50 recordings starts a new group.
            start += kRecordingSeconds + (i % 50 == 49 ? 600 : 0);
        }
    } catch (...) {
        std::error_code ec;
        fs::remove_all(m_root, ec);
        throw;
    }
}

BenchCard::~BenchCard() {
    std::error_code ec;
    fs::remove_all(m_root, ec);
}

uint64_t BenchCard::DiskBytes() const {
    uint64_t bytes = 0;
    for (const std::string& f : m_files) {
        struct stat st {};
        if (::stat(f.c_str(), &st) == 0) bytes += uint64_t(st.st_blocks) * 512;
    }
    return bytes;
}
