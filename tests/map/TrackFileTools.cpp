#include "TrackFileTools.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace maptest {

GpsSample Fix(double lat, double lon, int32_t alt, int16_t speed, bool fixed) {
    GpsSample s;
    s.latitude = lat;
    s.longitude = lon;
    s.altitude = alt;
    s.speedKmh = speed;
    s.fixFlags = fixed ? kGpsFixValid : 0;
    return s;
}

TempFolder::TempFolder(const std::string& leaf) {
    char pattern[] = "/tmp/norvik-map-XXXXXX";
    m_base = mkdtemp(pattern) ? pattern : "";
    m_path = m_base;
    if (!leaf.empty() && !m_base.empty()) {
        m_path = m_base + "/" + leaf;
        std::filesystem::create_directories(m_path);
    }
}

TempFolder::~TempFolder() {
    std::error_code ec;
    if (!m_base.empty()) std::filesystem::remove_all(m_base, ec);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

int Run(const std::string& command, std::string& output) {
    output.clear();
    std::FILE* p = popen(command.c_str(), "r");
    if (!p) return -1;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) output.append(buf, n);
    const int status = pclose(p);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

int GpsbabelTrackPoints(const std::string& format, const std::string& path, std::string& diagnostics) {
    std::string out;
    const int rc = Run("gpsbabel -t -i " + format + " -f " + Quote(path) + " -o unicsv -F - 2>&1", out);
    diagnostics = out;
    if (rc != 0) return -1;
    int lines = 0;
    for (char c : out) lines += c == '\n';
    return lines > 0 ? lines - 1 : 0;  // the first line names the columns
}

}  // namespace maptest
