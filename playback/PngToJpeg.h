// Re-encodes a PNG file as a baseline JPEG file.
#pragma once

#include <string>

inline constexpr int kJpegQuality = 92;

// Decodes pngPath and writes its picture, alpha dropped, to jpegPath. False (and no jpegPath left
// behind) when the PNG cannot be read or the JPEG cannot be written.
bool ConvertPngToJpeg(const std::string& pngPath, const std::string& jpegPath, int quality = kJpegQuality);
