// The eighteen playback rates, 0.3 X to 4.0 X, and the size of the on-picture speed label.
#pragma once

#include <array>

struct SpeedRow {
    double rate;
    const char* label;
};

constexpr std::array<SpeedRow, 18> SpeedTable = {{
    {0.3, "0.3 X"}, {0.4, "0.4 X"}, {0.5, "0.5 X"}, {0.6, "0.6 X"}, {0.7, "0.7 X"}, {0.8, "0.8 X"},
    {0.9, "0.9 X"}, {1.0, "1.0 X"}, {1.2, "1.2 X"}, {1.4, "1.4 X"}, {1.6, "1.6 X"}, {1.8, "1.8 X"},
    {2.0, "2.0 X"}, {2.4, "2.4 X"}, {2.8, "2.8 X"}, {3.2, "3.2 X"}, {3.6, "3.6 X"}, {4.0, "4.0 X"},
}};
constexpr int kNormalRateIndex = 7;
constexpr int kLastRateIndex = int(SpeedTable.size()) - 1;

// A tenth of the picture height, or 48 when the recording gave no height.
constexpr int SpeedLabelSize(int pictureHeight) { return pictureHeight != 0 ? int(pictureHeight * 0.1) : 48; }
