// The fuzzer's input as a file on disk, since the reader works on paths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Rewrites one scratch file per process with the given bytes and returns its path.
const std::string& WriteFuzzInput(const uint8_t* data, size_t size);
