#include "map/core/MapCommands.h"

#include <charconv>
#include <cmath>

const char* MapPageUrl(int mapType) {
    return mapType == kMapChina ? "file:///res/BMap.html" : "file:///res/gmap_ja.html";
}

std::string FormatFixed6(double v) {
    // to_chars never consults the locale; 400 characters hold any double in fixed notation.
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 6);
    return std::string(buf, r.ptr);
}

double BlockCoordinateToDegrees(double q) {
    const double d = std::trunc(q);
    return d + (q - d) * 100.0 / 60.0;
}

namespace {
std::string Call2(const char* name, double lat, double lon, const char* separator) {
    return std::string(name) + "(" + FormatFixed6(lat) + separator + FormatFixed6(lon) + ")";
}
}  // namespace

std::string MovposCommand(double lat, double lon) { return Call2("movpos", lat, lon, ", "); }
std::string PathPlotCommand(double lat, double lon) { return Call2("path_plot", lat, lon, ","); }
std::string PathDeleteCommand() { return "path_delete()"; }
std::string PathDrivedPlotCommand(double lat, double lon) { return Call2("pathdrived_plot", lat, lon, ","); }
std::string PathDrivedDeleteCommand() { return "pathdrived_delete()"; }

std::string PositionCommand(double lat, double lon, bool alreadyDegrees) {
    if (!alreadyDegrees) {
        lat = BlockCoordinateToDegrees(lat);
        lon = BlockCoordinateToDegrees(lon);
    }
    return MovposCommand(lat, lon);
}
