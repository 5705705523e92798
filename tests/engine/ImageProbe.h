// What a picture file really is: its leading bytes and its decoded size.
#pragma once

#include <string>
#include <vector>

enum class ImageKind { kPng, kJpeg, kOther, kMissing };

struct ImageInfo {
    ImageKind kind = ImageKind::kMissing;
    int width = 0;  // decoded size; 0 when the file does not decode
    int height = 0;
    std::vector<unsigned char> rgb;  // decoded pixels, 3 bytes each, row by row
};

ImageInfo ProbeImage(const std::string& path);
// Mean absolute difference per channel of two decoded pictures of the same size; -1 when sizes differ.
double MeanDifference(const ImageInfo& a, const ImageInfo& b);
std::vector<unsigned char> ReadBytes(const std::string& path);
// Names of the entries of folder, sorted.
std::vector<std::string> ListFolder(const std::string& folder);
