#include "catalogue/CRecordingCatalog.h"

#include <algorithm>

#include "catalogue/FileAttributes.h"
#include "catalogue/NameFilter.h"
#include "catalogue/ResolutionName.h"
#include "telemetry/CTarvo3gpParser.h"

namespace {

int LockFlagsFromAttributes(uint32_t attributes, const std::string& fileName) {
    if (!(attributes & fileattr::kReadOnly)) return 0;
    if (!(attributes & fileattr::kArchive)) return kLockGSensor | kLockManual;
    return fileName.starts_with("EVGS") ? kLockGSensor : kLockManual;
}

int LockFlagsFromEventName(const std::string& fileName) {
    if (fileName.starts_with("EVGS")) return kLockGSensor;
    if (fileName.starts_with("EVSW")) return kLockManual;
    return 0;
}

bool Continues(const RecordingEntry& previous, const RecordingEntry& next) {
    const int64_t end = previous.info.startTime + previous.info.durationMs / 1000;
    return end - 2 <= next.info.startTime && next.info.startTime <= end + 2;
}

}  // namespace

std::optional<RecordingEntry> AddScannedFile(const std::string& root, const std::string& subFolder,
                                             const std::string& fileName) {
    if (!PassesNameFilter(fileName)) return std::nullopt;
    RecordingEntry entry;
    entry.fileName = fileName;
    entry.rootFolder = root;
    entry.subFolder = subFolder;
    const std::string path = entry.Path();
    entry.lockFlags = LockFlagsFromAttributes(fileattr::Get(path), fileName);
    if (!IsExaminedByMovReader(fileName)) return std::nullopt;
    CTarvo3gpParser reader;
    reader.SetVideoInfo(&entry.info);
    if (reader.Parse(path) != 0) return std::nullopt;
    if (entry.info.layout == kLayoutMetaTrack) entry.lockFlags = LockFlagsFromEventName(fileName);
    return entry;
}

ScanOutcome ScanFolder(const std::string& root, const ScanHooks& hooks) {
    static const FolderSource kFileSystem;
    ScanOutcome out;
    const WalkResult result = WalkFolder(
        root,
        [&](const std::string& walkRoot, const std::string& subFolder, const std::string& name, bool isDirectory) {
            if (hooks.cancel && hooks.cancel->load(std::memory_order_relaxed)) return false;
            if (isDirectory) return true;
            if (auto entry = AddScannedFile(walkRoot, subFolder, name)) out.entries.push_back(std::move(*entry));
            if (hooks.progress) hooks.progress(out.scanned);
            ++out.scanned;
            return true;
        },
        hooks.source ? *hooks.source : kFileSystem);
    out.sourceExists = result != WalkResult::MissingSource;
    out.stopped = result == WalkResult::Stopped;
    return out;
}

void CRecordingCatalog::Init(IGroupListView* groupList, IFileListView* fileList, IGSensorCurveView* curve,
                             IMapView* map, IMainWindowView* mainWindow) {
    m_entries.clear();
    m_groups.clear();
    m_rows.clear();
    m_gpsBlock.clear();
    m_gsensorBlock.clear();
    m_gpsBlockSize = m_gsensorBlockSize = 0;
    m_gpsSamples.clear();
    m_gsensorSamples.clear();
    m_currentEntry = -1;
    m_currentGroup = 0;
    m_groupList = groupList;
    m_fileList = fileList;
    m_curve = curve;
    m_map = map;
    m_mainWindow = mainWindow;
}

void CRecordingCatalog::ClearCatalog() {
    m_entries.clear();
    m_groups.clear();
    m_rows.clear();
    m_currentEntry = -1;
    if (m_groupList) m_groupList->DeleteAllRows();
    if (m_fileList) m_fileList->DeleteAllRows();
    if (m_curve) {
        m_curve->ClearSamples();
        m_curve->SetPosition(0);
        m_curve->Repaint();
    }
    m_gpsSamples.clear();
    m_gsensorSamples.clear();
}

bool CRecordingCatalog::Load(const std::string& folder) {
    ClearCatalog();
    if (m_curve) m_curve->Repaint();
    m_scanCounter = 0;
    ScanHooks hooks;
    hooks.progress = [this](int handled) {
        m_scanCounter = handled;
        if (m_mainWindow) m_mainWindow->ShowScanProgress(handled);
    };
    return AdoptScan(ScanFolder(folder, hooks));
}

bool CRecordingCatalog::AdoptScan(ScanOutcome&& outcome) {
    m_scanCounter = outcome.scanned;
    m_entries = std::move(outcome.entries);
    if (!outcome.sourceExists) {
        m_entries.clear();
        return false;
    }
    if (!m_entries.empty()) {
        SortEntries();
        BuildGroups();
    }
    return true;
}

void CRecordingCatalog::SortEntries() {
    // Stable, so recordings with equal start times keep the walk's order.
    std::stable_sort(m_entries.begin(), m_entries.end(), [](const RecordingEntry& a, const RecordingEntry& b) {
        return a.info.startTime < b.info.startTime;
    });
}

void CRecordingCatalog::BuildGroups() {
    Regroup();
    FillLists();
}

void CRecordingCatalog::Regroup() {
    m_groups.clear();
    m_rows.clear();
    if (m_entries.empty()) return;
    m_entries[0].groupStart = 1;
    for (size_t i = 1; i < m_entries.size(); ++i)
        if (!Continues(m_entries[i - 1], m_entries[i])) m_entries[i].groupStart = 1;
    m_rows.reserve(m_entries.size());
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const RecordingEntry& e = m_entries[i];
        if (e.groupStart) {
            RecordingGroup g;
            g.groupIndex = int32_t(m_groups.size());
            g.firstEntry = int32_t(i);
            m_groups.push_back(g);
        }
        RecordingGroup& g = m_groups.back();
        FileRow row;
        row.groupIndex = g.groupIndex;
        row.indexInGroup = g.entryCount;
        row.entryIndex = int32_t(i);
        row.fileSize = e.info.fileSize;
        row.durationMs = e.info.durationMs;
        m_rows.push_back(row);
        g.entryCount += 1;
        g.totalDurationMs += e.info.durationMs;
        g.totalSize += e.info.fileSize;
        g.lockFlags = uint8_t(g.lockFlags | e.lockFlags);
    }
}

void CRecordingCatalog::FillLists() {
    if (m_groupList) {
        for (const RecordingGroup& g : m_groups) {
            const RecordingEntry& first = m_entries[size_t(g.firstEntry)];
            m_groupList->AddGroupRow(g.groupIndex, ResolutionName(first.info.width, first.info.height),
                                     g.totalDurationMs, g.totalSize, g.lockFlags, first.info.startTime);
        }
    }
    if (m_fileList) {
        for (const FileRow& r : m_rows) {
            const RecordingEntry& e = m_entries[size_t(r.entryIndex)];
            m_fileList->AddFileRow(r.groupIndex, r.indexInGroup, e.ShownFolder(), e.fileName, r.durationMs,
                                   r.fileSize, e.lockFlags, e.info.startTime);
        }
    }
}

int CRecordingCatalog::GroupOfEntry(int i) const {
    for (const RecordingGroup& g : m_groups)
        if (g.firstEntry <= i && i < g.firstEntry + g.entryCount) return g.groupIndex;
    return m_currentGroup;
}

void CRecordingCatalog::Highlight(bool on) {
    if (m_groupList) m_groupList->SetCurrentHighlight(m_currentGroup, on);
    if (m_fileList) m_fileList->SetCurrentHighlight(m_currentEntry, on);
}

bool CRecordingCatalog::SelectEntry(int i) {
    if (i < 0 || i >= int(m_rows.size())) return false;
    Highlight(false);
    m_currentEntry = i;
    m_currentGroup = GroupOfEntry(i);
    Highlight(true);
    if (m_groupList) m_groupList->EnsureVisible(m_currentGroup);
    if (m_fileList) m_fileList->EnsureVisible(m_currentEntry);
    return true;
}

bool CRecordingCatalog::SelectGroup(int g) {
    if (g < 0 || g >= int(m_groups.size())) return false;
    Highlight(false);
    m_currentGroup = g;
    m_currentEntry = m_groups[size_t(g)].firstEntry;
    Highlight(true);
    return true;
}

int CRecordingCatalog::GetCurrentEntry() {
    if (m_entries.empty()) return -1;
    if (m_currentEntry >= int(m_entries.size())) m_currentEntry = int(m_entries.size()) - 1;
    return m_currentEntry;
}

bool CRecordingCatalog::GetCurrentPictureSize(int& width, int& height) {
    const int i = GetCurrentEntry();
    if (i < 0) return false;
    width = m_entries[size_t(i)].info.width;
    height = m_entries[size_t(i)].info.height;
    return true;
}

std::string CRecordingCatalog::GetEntryPath(int i) const {
    if (i < 0 || i >= int(m_entries.size())) return {};
    return m_entries[size_t(i)].Path();
}

std::string CRecordingCatalog::GetCurrentPath() const { return GetEntryPath(m_currentEntry); }

bool CRecordingCatalog::MarkGroups() {
    bool any = false;
    for (RecordingGroup& g : m_groups) {
        const bool marked =
            m_groupList && (m_groupList->IsRowSelected(g.groupIndex) || m_groupList->IsRowChecked(g.groupIndex));
        g.marked = marked ? 1 : 0;
        any = any || marked;
    }
    return any;
}
