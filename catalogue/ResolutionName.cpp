#include "catalogue/ResolutionName.h"

std::string ResolutionName(uint16_t width, uint16_t height) {
    struct Named {
        uint16_t width, height;
        const char* name;
    };
    static constexpr Named kNames[] = {
        {2048, 1600, "QXGA"}, {2048, 1536, "QXGA"}, {1920, 1080, "1080P HD"}, {1600, 1200, "UXGA"},
        {1280, 1024, "SXGA"}, {1280, 720, "720P"},  {1152, 870, "MAC"},       {1024, 768, "XGA"},
        {800, 600, "SVGA"},   {720, 480, "480P"},   {640, 480, "VGA"},        {320, 240, "CIF"},
    };
    for (const Named& n : kNames)
        if (n.width == width && n.height == height) return n.name;
    if (width == 0 || height == 0) return {};
    return std::to_string(width) + "x" + std::to_string(height);
}
