// libFuzzer target: the input as a file, through CheckMetaChunks; any failed check aborts.
#include <cstdio>
#include <cstdlib>

#include "fuzz/FuzzChecks.h"
#include "fuzz/FuzzInputFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string fault = CheckMetaChunks(WriteFuzzInput(data, size), data, size);
    if (fault.empty()) return 0;
    std::fprintf(stderr, "check failed: %s\n", fault.c_str());
    std::abort();
}
