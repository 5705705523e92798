// Atom (box) headers and the child/path search used by the MOV reader.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "telemetry/RecordingFile.h"

struct AtomHeader {
    char type[4] = {};
    uint64_t payloadStart = 0;
    uint32_t payloadLength = 0;  // size minus header, in 32 bits: a size below the header wraps to a huge length

    bool Is(const char* t) const { return type[0] == t[0] && type[1] == t[1] && type[2] == t[2] && type[3] == t[3]; }
    uint64_t End() const { return payloadStart + payloadLength; }
};

// Reads the header at the file's position and leaves the position at the payload. A size field of 1
// announces a 64-bit size, of which the low 32 bits are used.
AtomHeader ReadAtomHeader(RecordingFile& file);

// The first atom of one of the given types among the atoms from `position`, giving up once the atoms
// passed over add up to `limit` bytes. Returns its payload length (0 when not found) and leaves the
// file's position at its payload.
uint32_t FindChild(RecordingFile& file, std::initializer_list<const char*> types, uint64_t position, uint64_t limit);

// FindChild along a path of types, each searched within the payload of the one before. A payload is
// taken to end no later than its parent's; the result is the last payload length, so cut.
uint32_t FindPath(RecordingFile& file, std::initializer_list<const char*> path, uint64_t position, uint64_t limit);
