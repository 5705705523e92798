// Loads and stores of fixed-width integers in a given byte order, independent of the host's.
#pragma once

#include <cstdint>

inline uint16_t LoadLe16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t LoadLe32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
inline uint64_t LoadLe64(const uint8_t* p) { return LoadLe32(p) | (uint64_t(LoadLe32(p + 4)) << 32); }

inline uint16_t LoadBe16(const uint8_t* p) { return uint16_t((p[0] << 8) | p[1]); }
inline uint32_t LoadBe32(const uint8_t* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}
inline uint64_t LoadBe64(const uint8_t* p) { return (uint64_t(LoadBe32(p)) << 32) | LoadBe32(p + 4); }

inline void StoreLe16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
inline void StoreLe32(uint8_t* p, uint32_t v) {
    StoreLe16(p, uint16_t(v));
    StoreLe16(p + 2, uint16_t(v >> 16));
}
inline void StoreLe64(uint8_t* p, uint64_t v) {
    StoreLe32(p, uint32_t(v));
    StoreLe32(p + 4, uint32_t(v >> 32));
}
inline void StoreBe16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v >> 8);
    p[1] = uint8_t(v);
}
inline void StoreBe32(uint8_t* p, uint32_t v) {
    StoreBe16(p, uint16_t(v >> 16));
    StoreBe16(p + 2, uint16_t(v));
}
inline void StoreBe64(uint8_t* p, uint64_t v) {
    StoreBe32(p, uint32_t(v >> 32));
    StoreBe32(p + 4, uint32_t(v));
}
