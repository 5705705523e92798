// Everything on a card that reading it must leave alone: every entry's type, full contents, size,
// permissions and modification time, folders included.
#pragma once

#include <map>
#include <string>
#include <vector>

struct CardItem {
    int type = 0;  // S_IFMT bits of the entry itself (links are not followed)
    unsigned mode = 0;
    long long size = 0;
    long long mtimeSec = 0;
    long long mtimeNsec = 0;
    std::string contents;  // regular files: every byte; links: the target
    bool operator==(const CardItem&) const = default;
};

using CardSnapshot = std::map<std::string, CardItem>;  // by path relative to the card

// Walks the card without following links. Throws std::runtime_error when an entry cannot be read.
CardSnapshot TakeCardSnapshot(const std::string& card);

// One line per path that was added, removed or changed between the two snapshots.
std::vector<std::string> CardDifferences(const CardSnapshot& before, const CardSnapshot& after);

// A fresh folder under the temporary directory, named after tag, with a trailing "/". Throws
// std::runtime_error when it cannot be made.
std::string TemporaryFolder(const std::string& tag);
