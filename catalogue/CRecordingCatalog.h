// The main window's model of the listed recordings: entries sorted by start time, their groups of
// continuous recording, one row per recording, the current recording and its telemetry.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/CatalogueViews.h"
#include "catalogue/FolderWalk.h"
#include "telemetry/TelemetrySamples.h"

constexpr int kLockGSensor = 0x01;  // "G" padlock
constexpr int kLockManual = 0x02;   // "M" padlock

struct RecordingEntry {
    int32_t groupStart = 0;  // 1 when this recording starts a group; never reset to 0
    int32_t lockFlags = 0;
    std::string fileName;
    std::string rootFolder;  // the chosen folder, ending in "/"
    std::string subFolder;   // below rootFolder, each level ending in "/"; empty directly in it
    VideoInfo info;

    std::string Path() const { return rootFolder + subFolder + fileName; }
    std::string ShownFolder() const { return rootFolder + subFolder; }
};

struct RecordingGroup {
    int32_t groupIndex = 0;
    int32_t firstEntry = 0;
    int32_t entryCount = 0;
    uint64_t totalDurationMs = 0;
    uint64_t totalSize = 0;
    uint8_t lockFlags = 0;
    int32_t marked = 0;
};

struct FileRow {
    int32_t groupIndex = 0;
    int32_t indexInGroup = 0;
    int32_t entryIndex = 0;
    uint64_t fileSize = 0;
    uint32_t durationMs = 0;
};

// One file reported by the folder walk, examined; empty when it is not a recording to list.
std::optional<RecordingEntry> AddScannedFile(const std::string& root, const std::string& subFolder,
                                             const std::string& fileName);

// The result of scanning one folder tree; made on any thread, adopted by the catalogue on its own.
struct ScanOutcome {
    bool sourceExists = false;
    bool stopped = false;
    int scanned = 0;  // files the walk reported
    std::vector<RecordingEntry> entries;
};

struct ScanHooks {
    std::function<void(int filesHandled)> progress;  // before each file, with the files handled so far
    const std::atomic<bool>* cancel = nullptr;       // set to stop the scan
    const FolderSource* source = nullptr;            // the real file system when null
};

ScanOutcome ScanFolder(const std::string& root, const ScanHooks& hooks = {});

class CRecordingCatalog {
public:
    void Init(IGroupListView* groupList, IFileListView* fileList, IGSensorCurveView* curve, IMapView* map,
              IMainWindowView* mainWindow);
    void ClearCatalog();
    bool Load(const std::string& folder);
    // Takes over a finished scan: sort, group and fill the lists. False when the source was missing.
    bool AdoptScan(ScanOutcome&& outcome);
    void BuildGroups();

    bool SelectEntry(int i);
    bool SelectGroup(int g);
    int GetCurrentEntry();
    bool GetCurrentPictureSize(int& width, int& height);
    std::string GetEntryPath(int i) const;
    std::string GetCurrentPath() const;
    bool MarkGroups();

    const std::vector<RecordingEntry>& Entries() const { return m_entries; }
    const std::vector<RecordingGroup>& Groups() const { return m_groups; }
    const std::vector<FileRow>& Rows() const { return m_rows; }
    bool IsEmpty() const { return m_entries.empty(); }
    int CurrentGroup() const { return m_currentGroup; }
    int ScanCounter() const { return m_scanCounter; }

private:
    void SortEntries();
    void Regroup();
    void FillLists();
    void Highlight(bool on);
    int GroupOfEntry(int i) const;

    std::vector<RecordingEntry> m_entries;
    std::vector<RecordingGroup> m_groups;
    std::vector<FileRow> m_rows;
    int m_currentEntry = -1;
    int m_currentGroup = 0;
    int m_scanCounter = 0;

    // Telemetry of the current recording.
    std::vector<uint8_t> m_gpsBlock;
    uint32_t m_gpsBlockSize = 0;
    std::vector<uint8_t> m_gsensorBlock;
    uint32_t m_gsensorBlockSize = 0;
    std::vector<GpsSample> m_gpsSamples;
    std::vector<GSensorSample> m_gsensorSamples;
    double m_gpsRate = 0;

    IGroupListView* m_groupList = nullptr;
    IFileListView* m_fileList = nullptr;
    IGSensorCurveView* m_curve = nullptr;
    IMapView* m_map = nullptr;
    IMainWindowView* m_mainWindow = nullptr;
};
