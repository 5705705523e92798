// The camera's file naming: four letters, digits, "_" or "-", then four digits, then ".MOV".
#pragma once

#include <string>

// A 12-character (8.3) name passes with any extension; any other length must end in ".MOV".
bool PassesNameFilter(const std::string& fileName);
