// The script calls that drive a map page, formed the same in every locale.
#pragma once

#include <string>

constexpr int kMapGoogle = 0;  // Google page
constexpr int kMapChina = 1;   // Baidu page

// The page address for a map type; anything but kMapChina gives the Google page.
const char* MapPageUrl(int mapType);

// "%f": fixed notation, six decimals, period as separator, whatever the process locale.
std::string FormatFixed6(double v);

// A block-layout coordinate already divided by 100 (dd.mmmmmm) to decimal degrees.
double BlockCoordinateToDegrees(double q);

std::string MovposCommand(double lat, double lon);          // "movpos(lat, lon)"
std::string PathPlotCommand(double lat, double lon);        // "path_plot(lat,lon)"
std::string PathDeleteCommand();                            // "path_delete()"
std::string PathDrivedPlotCommand(double lat, double lon);  // "pathdrived_plot(lat,lon)"
std::string PathDrivedDeleteCommand();                      // "pathdrived_delete()"

// The position command as the map window sends it: block-layout values (divided by 100) are
// converted first unless alreadyDegrees.
std::string PositionCommand(double lat, double lon, bool alreadyDegrees);
