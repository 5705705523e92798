// Depth-first walk of a folder tree, as the camera's card is scanned.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct FolderItem {
    std::string name;
    bool isDirectory = false;
    bool isLinkToFolder = false;  // never entered
    bool hiddenOrSystem = false;  // never visited
};

// Lists one folder; replaceable so tests can make folders fail to list.
class FolderSource {
public:
    virtual ~FolderSource() = default;
    // False when the folder cannot be listed; its items are then not visited.
    virtual bool List(const std::string& folder, std::vector<FolderItem>& items) const;
};

// Folders nested deeper than this below the root are not entered.
constexpr int kMaxWalkDepth = 40;

enum class WalkResult { Done, MissingSource, Stopped };

// Called for every visited item with the root (ending in "/"), the folder below it (empty, or ending in
// "/"), the name and whether it is a folder; a folder is reported before it is entered. Returning false
// stops the walk.
using WalkCallback = std::function<bool(const std::string& root, const std::string& subFolder,
                                        const std::string& name, bool isDirectory)>;

WalkResult WalkFolder(const std::string& root, const WalkCallback& callback, const FolderSource& source);
