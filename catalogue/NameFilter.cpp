#include "catalogue/NameFilter.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Length in characters of a UTF-8 name (continuation bytes do not count).
size_t CharacterCount(const std::string& s) {
    size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

}  // namespace

bool PassesNameFilter(const std::string& name) {
    for (size_t i = 0; i < 4 && i < name.size(); ++i) {
        const char c = name[i];
        if (!IsDigit(c) && !IsLetter(c) && c != '_' && c != '-') return false;
    }
    if (name.size() < 8) return false;
    for (size_t i = 4; i < 8; ++i)
        if (!IsDigit(name[i])) return false;
    if (CharacterCount(name) != 12)
        return name.size() >= 4 && name.compare(name.size() - 4, 4, ".MOV") == 0;
    return true;
}
