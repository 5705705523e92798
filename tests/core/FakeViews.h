// Views of the catalogue that record what they are told.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "catalogue/CatalogueViews.h"

struct GroupRowCall {
    int groupIndex;
    std::string resolution;
    uint64_t totalDurationMs, totalSize;
    int lockFlags;
    int64_t startTime;
};

struct FileRowCall {
    int groupIndex, indexInGroup;
    std::string folder, fileName;
    uint32_t durationMs;
    uint64_t fileSize;
    int lockFlags;
    int64_t startTime;
};

// Highlight and scroll calls as "on 3", "off 3", "show 3".
class FakeGroupList : public IGroupListView {
public:
    void DeleteAllRows() override { rows.clear(), ++deletes; }
    bool AddGroupRow(int groupIndex, const std::string& resolution, uint64_t totalDurationMs,
                     uint64_t totalSize, int lockFlags, int64_t startTime) override {
        rows.push_back({groupIndex, resolution, totalDurationMs, totalSize, lockFlags, startTime});
        return true;
    }
    void SetCurrentHighlight(int row, bool on) override {
        calls.push_back((on ? "on " : "off ") + std::to_string(row));
    }
    void EnsureVisible(int row) override { calls.push_back("show " + std::to_string(row)); }
    bool IsRowSelected(int row) const override { return selected.count(row) != 0; }
    bool IsRowChecked(int row) const override { return checked.count(row) != 0; }

    std::vector<GroupRowCall> rows;
    std::vector<std::string> calls;
    std::set<int> selected, checked;
    int deletes = 0;
};

class FakeFileList : public IFileListView {
public:
    void DeleteAllRows() override { rows.clear(), ++deletes; }
    bool AddFileRow(int groupIndex, int indexInGroup, const std::string& folder, const std::string& fileName,
                    uint32_t durationMs, uint64_t fileSize, int lockFlags, int64_t startTime) override {
        rows.push_back(
            {groupIndex, indexInGroup, folder, fileName, durationMs, fileSize, lockFlags, startTime});
        return true;
    }
    void SetCurrentHighlight(int row, bool on) override {
        calls.push_back((on ? "on " : "off ") + std::to_string(row));
    }
    void EnsureVisible(int row) override { calls.push_back("show " + std::to_string(row)); }

    std::vector<FileRowCall> rows;
    std::vector<std::string> calls;
    int deletes = 0;
};

class FakeCurve : public IGSensorCurveView {
public:
    void ClearSamples() override { calls.push_back("clear"); }
    void SetPosition(uint32_t positionMs) override {
        calls.push_back("position " + std::to_string(positionMs));
    }
    void Repaint() override { calls.push_back("repaint"); }
    std::vector<std::string> calls;
};

class FakeMap : public IMapView {
public:
    void ExecuteScript(const std::string&) override {}
    void SendPosition(double, double, bool) override {}
};

class FakeMainWindow : public IMainWindowView {
public:
    void ShowScanProgress(int filesHandled) override { progress.push_back(filesHandled); }
    std::vector<int> progress;
};
