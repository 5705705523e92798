// The least a scan must do for one recording: open it, read its small atoms, close it.
#pragma once

#include <cstdint>
#include <string>

// Opens the file, reads its first few kilobytes (the atoms before the media payload), jumps over each
// atom that reaches past them, reads the whole "moov" atom and closes the file. Returns a checksum of
// what it read (so the work cannot be left out), 0 when the file cannot be opened.
uint64_t ReadAtomsOnly(const std::string& path);
