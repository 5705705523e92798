#include "tools/demo/OddFiles.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string ReadBytes(const fs::path& path, uintmax_t count) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(count, '\0');
    if (!in.read(bytes.data(), std::streamsize(count)))
        throw std::runtime_error("cannot read " + path.string());
    return bytes;
}

}  // namespace

std::vector<DemoOddFile> OddFileList() {
    return {
        {"DCIM/MOVIE/clip-01.MOV", RejectedBy::NameFilter,
         "a recording copied under a name outside the camera's pattern"},
        {"DCIM/MOVIE/NORM0001.MOV.bak", RejectedBy::NameFilter,
         "a backup copy: not an 8.3 name and not .MOV"},
        {"DCIM/MOVIE/NORM0090.AVI", RejectedBy::NeverExamined, "an .AVI name is never listed"},
        {"DCIM/MOVIE/NORM0091.MOV", RejectedBy::Reader, "the first 40 % of a recording, its index cut off"},
        {"DCIM/MOVIE/NORM0092.MOV", RejectedBy::Reader, "text, not a MOV file"},
        {"DCIM/MOVIE/NORM0093.txt", RejectedBy::Reader,
         "an 8.3 name with another extension: notes, not a MOV file"},
    };
}

std::vector<DemoOddFile> WriteOddFiles(const std::string& card, const std::string& sample) {
    const fs::path root(card);
    const fs::path recording = root / sample;
    const uintmax_t size = fs::file_size(recording);
    const std::vector<DemoOddFile> odd = OddFileList();
    fs::copy_file(recording, root / odd[0].path, fs::copy_options::overwrite_existing);
    fs::copy_file(recording, root / odd[1].path, fs::copy_options::overwrite_existing);
    WriteBytes(root / odd[2].path, std::string("RIFF\x04\0\0\0AVI ", 12));
    WriteBytes(root / odd[3].path, ReadBytes(recording, size * 2 / 5));
    std::string text;
    for (int i = 0; i < 64; ++i)
        text += "This is not a recording; the camera left it after a failed write.\n";
    WriteBytes(root / odd[4].path, text);
    WriteBytes(root / odd[5].path, "Parked on Fifth Avenue, 09:19.\n");
    return odd;
}
