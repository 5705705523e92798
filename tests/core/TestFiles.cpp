#include "tests/core/TestFiles.h"

#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "telemetry/CTarvo3gpParser.h"

namespace fs = std::filesystem;

namespace testfiles {

std::vector<std::string> ScannedNames(const ScanOutcome& out) {
    std::vector<std::string> names;
    for (const auto& e : out.entries) names.push_back(e.subFolder + e.fileName);
    std::sort(names.begin(), names.end());
    return names;
}

ScratchDir::ScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "norvik-core-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a scratch folder");
    m_path = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    // Make read-only leftovers removable before removing the tree.
    for (auto it =
             fs::recursive_directory_iterator(m_path, fs::directory_options::skip_permission_denied, ec);
         it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_symlink(ec)) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(m_path, ec);
}

std::string ScratchDir::File(const std::string& relative) const { return m_path + "/" + relative; }

std::string ScratchDir::MakeDir(const std::string& relative) const {
    const std::string p = File(relative);
    fs::create_directories(p);
    return p;
}

std::string ScratchDir::Write(const std::string& relative, const std::vector<uint8_t>& bytes) const {
    const std::string p = File(relative);
    fs::create_directories(fs::path(p).parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + p);
    return p;
}

VideoInfo SentinelInfo() {
    VideoInfo v;
    v.gpsOffset = 11;
    v.gpsSize = 12;
    v.gsensorOffset = 13;
    v.gsensorSize = 14;
    v.width = 15;
    v.height = 16;
    v.startTime = 17;
    v.durationMs = 18;
    v.fileSize = 19;
    for (int i = 0; i < 4; ++i) v.gpsAttr[i] = uint8_t(20 + i), v.gsensorAttr[i] = uint8_t(30 + i);
    v.layout = 7;
    return v;
}

bool SameScalars(const VideoInfo& a, const VideoInfo& b) {
    for (int i = 0; i < 4; ++i)
        if (a.gpsAttr[i] != b.gpsAttr[i] || a.gsensorAttr[i] != b.gsensorAttr[i]) return false;
    return a.gpsOffset == b.gpsOffset && a.gpsSize == b.gpsSize && a.gsensorOffset == b.gsensorOffset &&
           a.gsensorSize == b.gsensorSize && a.width == b.width && a.height == b.height &&
           a.startTime == b.startTime && a.durationMs == b.durationMs && a.fileSize == b.fileSize &&
           a.layout == b.layout;
}

ParseResult ParseFile(const std::string& path, const VideoInfo& start) {
    ParseResult r;
    r.info = start;
    CTarvo3gpParser reader;
    reader.SetVideoInfo(&r.info);
    r.result = reader.Parse(path);
    return r;
}

ParseResult ParseBytes(const std::vector<uint8_t>& bytes, const VideoInfo& start) {
    ScratchDir dir;
    return ParseFile(dir.Write("FILE0001.MOV", bytes), start);
}

std::vector<uint8_t> Build(const fixture::MovDesc& desc, fixture::BuiltMov* built) {
    std::vector<uint8_t> bytes;
    const fixture::BuiltMov b = fixture::BuildMov(desc, bytes);
    if (built) *built = b;
    return bytes;
}

TimeZone::TimeZone(const char* tz) {
    if (const char* old = std::getenv("TZ")) m_previous = old, m_had = true;
    setenv("TZ", tz, 1);
    tzset();
}

TimeZone::~TimeZone() {
    if (m_had)
        setenv("TZ", m_previous.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

int64_t UtcSeconds(int year, int month, int day, int hour, int minute, int second) {
    static const int kDaysBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    auto leap = [](int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; };
    int64_t days = 0;
    for (int y = 1970; y < year; ++y) days += leap(y) ? 366 : 365;
    days += kDaysBefore[month - 1] + (month > 2 && leap(year) ? 1 : 0) + (day - 1);
    return days * 86400 + hour * 3600 + minute * 60 + second;
}

void AppendBe32(std::vector<uint8_t>& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(uint8_t(v >> s));
}

std::vector<uint8_t> Atom(const std::string& type, const std::vector<uint8_t>& payload) {
    std::vector<uint8_t> out;
    AppendBe32(out, uint32_t(payload.size() + 8));
    out.insert(out.end(), type.begin(), type.begin() + 4);
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

}  // namespace testfiles
