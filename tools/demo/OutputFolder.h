// Replacing the demo card's folder safely: a card is built beside it and swapped in when complete,
// and only a folder that is missing, empty or an earlier demo card is ever removed.
#pragma once

#include <string>

constexpr const char* kDemoCardMarker = ".norvik-demo-card";  // hidden, so a scan never reports it

// Checks that `outDir` may be replaced and returns an empty staging folder beside it, holding the
// marker. Throws std::runtime_error (naming the folder) when `outDir` is something else.
std::string BeginCardFolder(const std::string& outDir);
// Removes the previous card (read-only files and folders included) and moves the staging folder in.
void FinishCardFolder(const std::string& staging, const std::string& outDir);
// Removes a folder tree after giving its owner write permission throughout; symbolic links are removed,
// never followed.
void RemoveTree(const std::string& path);
