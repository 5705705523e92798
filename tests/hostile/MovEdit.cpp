#include "tests/hostile/MovEdit.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include "telemetry/ByteOrder.h"

namespace movedit {

namespace {

bool IsContainer(const uint8_t* type) {
    for (const char* t : {"moov", "trak", "mdia", "minf", "stbl"})
        if (std::memcmp(type, t, 4) == 0) return true;
    return false;
}

// Walks the plain 32-bit-sized atoms in [from, to), descending into containers.
void Walk(const std::vector<uint8_t>& bytes, uint64_t from, uint64_t to, std::vector<uint64_t>& path,
          std::vector<uint64_t>& found) {
    for (uint64_t at = from; at + 8 <= to;) {
        const uint32_t size = LoadBe32(bytes.data() + at);
        if (size < 8 || at + size > to) return;
        const uint8_t* type = bytes.data() + at + 4;
        if (std::memcmp(type, "stco", 4) == 0) {
            found = path;
            found.push_back(at);
        } else if (IsContainer(type)) {
            path.push_back(at);
            Walk(bytes, at + 8, at + size, path, found);
            path.pop_back();
        }
        at += size;
    }
}

void AddToSize(std::vector<uint8_t>& bytes, uint64_t at, int64_t delta) {
    StoreBe32(bytes.data() + at, uint32_t(int64_t(LoadBe32(bytes.data() + at)) + delta));
}

}  // namespace

std::vector<uint64_t> LastChunkTablePath(const std::vector<uint8_t>& bytes) {
    std::vector<uint64_t> path, found;
    Walk(bytes, 0, bytes.size(), path, found);
    return found;
}

void FillChunkTable(std::vector<uint8_t>& bytes, uint32_t count, uint32_t offset) {
    const std::vector<uint64_t> path = LastChunkTablePath(bytes);
    if (path.empty()) throw std::runtime_error("no chunk table");
    const uint64_t stco = path.back();
    const uint32_t oldSize = LoadBe32(bytes.data() + stco);
    std::vector<uint8_t> table(16 + size_t(count) * 4);
    StoreBe32(table.data(), uint32_t(table.size()));
    std::memcpy(table.data() + 4, "stco", 4);
    StoreBe32(table.data() + 12, count);
    for (uint32_t i = 0; i < count; ++i) StoreBe32(table.data() + 16 + 4 * i, offset);
    bytes.erase(bytes.begin() + std::ptrdiff_t(stco), bytes.begin() + std::ptrdiff_t(stco + oldSize));
    bytes.insert(bytes.begin() + std::ptrdiff_t(stco), table.begin(), table.end());
    for (size_t i = 0; i + 1 < path.size(); ++i) AddToSize(bytes, path[i], int64_t(table.size()) - oldSize);
}

void SetChunkCount(std::vector<uint8_t>& bytes, uint32_t count) {
    const std::vector<uint64_t> path = LastChunkTablePath(bytes);
    if (path.empty()) throw std::runtime_error("no chunk table");
    StoreBe32(bytes.data() + path.back() + 12, count);
}

}  // namespace movedit
