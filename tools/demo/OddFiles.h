// Files a real card collects beside its recordings, each of which the player must leave out.
#pragma once

#include <string>
#include <vector>

#include "tools/demo/DemoCard.h"

std::vector<DemoOddFile> OddFileList();
// Writes them below `card`; `sample` is the relative path of a finished recording to copy or cut.
std::vector<DemoOddFile> WriteOddFiles(const std::string& card, const std::string& sample);
