// A generated memory card for the scan benchmark: recordings of both kinds in a DCIM-like tree,
// written sparse so that a large media payload costs no disk space. Removed with the object.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class BenchCard {
public:
    // Writes `recordings` files below a new temporary folder under `parent`, each with `mdatPayload`
    // bytes of media payload. Throws std::runtime_error when the card cannot be written.
    BenchCard(const std::string& parent, int recordings, uint64_t mdatPayload);
    ~BenchCard();
    BenchCard(const BenchCard&) = delete;
    BenchCard& operator=(const BenchCard&) = delete;

    const std::string& Root() const { return m_root; }
    const std::vector<std::string>& Files() const { return m_files; }  // full paths, walk order not implied
    uint64_t ApparentBytes() const { return m_apparentBytes; }
    uint64_t DiskBytes() const;  // blocks really allocated, as du counts them

private:
    std::string m_root;
    std::vector<std::string> m_files;
    uint64_t m_apparentBytes = 0;
};
