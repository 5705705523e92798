#include "tests/engine/ImageProbe.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

namespace {

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1); }

// Fully decodes the JPEG data; false when libjpeg rejects it.
bool DecodeJpeg(const std::vector<unsigned char>& data, int& width, int& height, std::vector<unsigned char>& rgb) {
    jpeg_decompress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = OnJpegError;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data.data(), data.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    rgb.resize(static_cast<size_t>(info.output_width) * info.output_height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {rgb.data() + static_cast<size_t>(info.output_scanline) * info.output_width * 3};
        jpeg_read_scanlines(&info, rows, 1);
    }
    width = static_cast<int>(info.output_width);
    height = static_cast<int>(info.output_height);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool DecodePng(const std::string& path, int& width, int& height, std::vector<unsigned char>& pixels) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return false;
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    return true;
}

}  // namespace

std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ImageInfo ProbeImage(const std::string& path) {
    ImageInfo info;
    if (!std::filesystem::exists(path)) return info;
    const std::vector<unsigned char> data = ReadBytes(path);
    static const unsigned char kPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    info.kind = ImageKind::kOther;
    if (data.size() >= 8 && std::equal(std::begin(kPng), std::end(kPng), data.begin())) {
        info.kind = ImageKind::kPng;
        if (!DecodePng(path, info.width, info.height, info.rgb)) info.width = info.height = 0;
    } else if (data.size() >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) {
        info.kind = ImageKind::kJpeg;
        if (!DecodeJpeg(data, info.width, info.height, info.rgb)) info.width = info.height = 0;
    }
    return info;
}

double MeanDifference(const ImageInfo& a, const ImageInfo& b) {
    if (a.width != b.width || a.height != b.height || a.rgb.size() != b.rgb.size() || a.rgb.empty()) return -1;
    double sum = 0;
    for (size_t i = 0; i < a.rgb.size(); ++i) sum += std::abs(int(a.rgb[i]) - int(b.rgb[i]));
    return sum / static_cast<double>(a.rgb.size());
}

std::vector<std::string> ListFolder(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
