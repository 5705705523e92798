#include "playback/PngToJpeg.h"

#include <png.h>
#include <unistd.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

// jpeglib.h needs the stdio types declared first.
#include <jpeglib.h>

#include "playback/SnapshotFile.h"

namespace {

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

bool ReadPngRgb(const std::string& path, std::vector<unsigned char>& rgb, unsigned& width, unsigned& height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    width = image.width;
    height = image.height;
    return width > 0 && height > 0;
}

// Kept out of the function that owns C++ objects, so longjmp skips no destructor.
bool EncodeJpeg(FILE* out, const unsigned char* rgb, unsigned width, unsigned height, int quality) {
    jpeg_compress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = OnJpegError;
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = width;
    info.image_height = height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + static_cast<size_t>(info.next_scanline) * width * 3);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

bool ConvertPngToJpeg(const std::string& pngPath, const std::string& jpegPath, int quality) {
    std::vector<unsigned char> rgb;
    unsigned width = 0;
    unsigned height = 0;
    if (!ReadPngRgb(pngPath, rgb, width, height)) return false;

    // Written beside the target and renamed, so a failure never leaves a partial file under its name.
    int fd = -1;
    const std::string temp = CreateFileBeside(jpegPath, ".jpg", &fd);
    if (temp.empty()) return false;
    FILE* out = fdopen(fd, "wb");
    if (out == nullptr) {
        close(fd);
        std::remove(temp.c_str());
        return false;
    }
    const bool encoded = EncodeJpeg(out, rgb.data(), width, height, quality);
    const bool closed = std::fclose(out) == 0;
    if (!encoded || !closed || std::rename(temp.c_str(), jpegPath.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}
