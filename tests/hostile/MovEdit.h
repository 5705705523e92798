// Edits of built recordings: the meta track's chunk table grown or given a false count.
#pragma once

#include <cstdint>
#include <vector>

namespace movedit {

// Header offset of the last "stco" atom and of the containers around it (moov, trak, mdia, minf, stbl),
// outermost first; empty when there is none.
std::vector<uint64_t> LastChunkTablePath(const std::vector<uint8_t>& bytes);

// Replaces the entries of the last chunk table by `count` copies of `offset`, growing the table and every
// container around it.
void FillChunkTable(std::vector<uint8_t>& bytes, uint32_t count, uint32_t offset);

// Writes `count` into the entry-count field of the last chunk table and leaves the entries as they are.
void SetChunkCount(std::vector<uint8_t>& bytes, uint32_t count);

}  // namespace movedit
