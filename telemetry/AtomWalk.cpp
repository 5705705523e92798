#include "telemetry/AtomWalk.h"

#include <algorithm>
#include <cstring>

#include "telemetry/ByteOrder.h"

AtomHeader ReadAtomHeader(RecordingFile& file) {
    uint8_t head[8];
    file.Read(head, sizeof head);
    AtomHeader h;
    std::memcpy(h.type, head + 4, 4);
    uint32_t size = LoadBe32(head);
    uint32_t headerLength = 8;
    if (size == 1) {
        uint8_t large[8];
        file.Read(large, sizeof large);
        size = uint32_t(LoadBe64(large));
        headerLength = 16;
    }
    h.payloadStart = file.GetPosition();
    h.payloadLength = size - headerLength;
    return h;
}

uint32_t FindChild(RecordingFile& file, std::initializer_list<const char*> types, uint64_t position, uint64_t limit) {
    uint64_t passed = 0;
    // Nothing lies past the end of the file; stopping there also bounds walks over wrapped sizes.
    while (position < file.GetLength()) {
        file.Seek(position);
        const AtomHeader h = ReadAtomHeader(file);
        for (const char* t : types)
            if (h.Is(t)) return h.payloadLength;
        position = h.End();
        passed += uint64_t(h.payloadLength) + 8;
        if (passed >= limit) break;
    }
    return 0;
}

uint32_t FindPath(RecordingFile& file, std::initializer_list<const char*> path, uint64_t position, uint64_t limit) {
    uint32_t length = 0;
    uint64_t end = position + limit;  // the span the path lies in
    for (const char* t : path) {
        length = FindChild(file, {t}, position, limit);
        if (length == 0) return 0;
        position = file.GetPosition();
        // A child lies inside its parent: a size that claims more (a wrapped size, above all) is cut at
        // the parent's end, so that a broken atom cannot send every search through the rest of the file.
        length = uint32_t(std::min<uint64_t>(length, end > position ? end - position : 0));
        if (length == 0) return 0;
        limit = length;
        end = position + length;
    }
    return length;
}
