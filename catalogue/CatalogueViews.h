// What the catalogue needs of the views it feeds; the Qt widgets implement these.
#pragma once

#include <cstdint>
#include <string>

class IGroupListView {
public:
    virtual ~IGroupListView() = default;
    virtual void DeleteAllRows() = 0;
    virtual bool AddGroupRow(int groupIndex, const std::string& resolution, uint64_t totalDurationMs,
                             uint64_t totalSize, int lockFlags, int64_t startTime) = 0;
    // The current-recording highlight, distinct from the selection.
    virtual void SetCurrentHighlight(int row, bool on) = 0;
    virtual void EnsureVisible(int row) = 0;
    virtual bool IsRowSelected(int row) const = 0;
    virtual bool IsRowChecked(int row) const = 0;
};

class IFileListView {
public:
    virtual ~IFileListView() = default;
    virtual void DeleteAllRows() = 0;
    virtual bool AddFileRow(int groupIndex, int indexInGroup, const std::string& folder, const std::string& fileName,
                            uint32_t durationMs, uint64_t fileSize, int lockFlags, int64_t startTime) = 0;
    virtual void SetCurrentHighlight(int row, bool on) = 0;
    virtual void EnsureVisible(int row) = 0;
};

class IGSensorCurveView {
public:
    virtual ~IGSensorCurveView() = default;
    virtual void ClearSamples() = 0;
    virtual void SetPosition(uint32_t positionMs) = 0;
    virtual void Repaint() = 0;
};

class IMapView {
public:
    virtual ~IMapView() = default;
    virtual void ExecuteScript(const std::string& script) = 0;
    virtual void SendPosition(double latitude, double longitude, bool alreadyDegrees) = 0;
};

class IMainWindowView {
public:
    virtual ~IMainWindowView() = default;
    // The scan read-out on the video surface: files handled so far, shown at once.
    virtual void ShowScanProgress(int filesHandled) = 0;
};
