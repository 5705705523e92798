#pragma once

#include <cstdint>
#include <string>

// The picture-size name shown in the group list: "1080P HD", "720P", ... or "WxH"; empty for a zero size.
std::string ResolutionName(uint16_t width, uint16_t height);
