// What every input must satisfy, shared by the fuzz targets and the corpus replay test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Runs the MOV reader on the file at `path` (which holds `data`) and, when it accepts the file, reads
// its track. Returns what went wrong, or an empty string.
std::string CheckMovReader(const std::string& path, const uint8_t* data, size_t size);

// Decodes every 88-byte slice of `data` as a chunk record, then reads the file at `path` (which holds
// `data`) as chunk records at offsets and as blocks at positions taken from its leading words.
std::string CheckMetaChunks(const std::string& path, const uint8_t* data, size_t size);
