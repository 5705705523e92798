#include "catalogue/FileOperations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "catalogue/FileAttributes.h"

namespace fileops {

namespace {

struct Fd {
    int fd = -1;
    explicit Fd(int f) : fd(f) {}
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    bool Close() {
        const int f = fd;
        fd = -1;
        return ::close(f) == 0;
    }
};

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

bool Stream(int in, int out) {
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return true;
        if (!WriteAll(out, buffer.data(), size_t(n))) return false;
    }
}

const FileSystemCalls& RealFileSystem() {
    static const FileSystemCalls calls;
    return calls;
}

}  // namespace

uint32_t FileSystemCalls::GetAttributes(const std::string& path) const { return fileattr::Get(path); }

bool FileSystemCalls::SetAttributes(const std::string& path, uint32_t attributes) const {
    return fileattr::Set(path, attributes);
}

bool FileSystemCalls::RemoveFile(const std::string& path) const { return ::unlink(path.c_str()) == 0; }

bool FileSystemCalls::IsDirectory(const std::string& path) const {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileSystemCalls::Exists(const std::string& path) const {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool FileSystemCalls::MakeDirectory(const std::string& path) const {
    return ::mkdir(path.c_str(), 0777) == 0;
}

bool FileSystemCalls::SameFile(const std::string& a, const std::string& b) const {
    struct stat sa {
    }, sb{};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool FileSystemCalls::CopyFile(const std::string& source, const std::string& destination) const {
    Fd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.fd < 0) return false;
    Fd out(::open(destination.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (out.fd < 0) return false;
    if (!Stream(in.fd, out.fd)) return false;
    if (::fsync(out.fd) != 0) return false;
    return out.Close();
}

bool FileSystemCalls::Rename(const std::string& from, const std::string& to) const {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

std::string JoinPath(const std::string& folder, const std::string& relative) {
    if (folder.empty()) return relative;
    std::string out = folder;
    if (out.back() != '/') out += '/';
    size_t skip = 0;
    while (skip < relative.size() && relative[skip] == '/') ++skip;
    return out + relative.substr(skip);
}

std::string TemporaryCopyName(const std::string& destination) {
    const size_t slash = destination.rfind('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return destination.substr(0, nameStart) + "." + destination.substr(nameStart) + ".copying";
}

CFileOperations::CFileOperations(CRecordingCatalog& catalog, IGroupListView* groupList,
                                 IFileListView* fileList, IFileOperationsHost& host,
                                 const FileSystemCalls* fs)
    : m_catalog(catalog),
      m_groupList(groupList),
      m_fileList(fileList),
      m_host(host),
      m_fs(fs ? *fs : RealFileSystem()) {}

bool CFileOperations::CatalogueEmpty() {
    if (!m_catalog.IsEmpty()) return false;
    m_host.ShowMessage({kTextEmptyList, kTextOk});
    return true;
}

void CFileOperations::OnSaveAs() {
    if (CatalogueEmpty()) return;
    m_host.StopPlayback();
    if (const std::optional<std::string> folder = m_host.BrowseForFolder(kTextSelectFolder)) {
        if (m_fs.IsDirectory(*folder)) {
            if (!CopyMarked(*folder)) m_host.ShowMessage({kTextNothingMarked, kTextConfirmSelection});
        } else {
            m_host.ShowMessage({kTextNoFolder, kTextWarning, Buttons::Ok, Icon::Warning});
        }
    }
    m_host.HideVideo();
}

void CFileOperations::OnDeleteFiles() {
    if (CatalogueEmpty()) return;
    if (HasProtectedInMarked()) {
        m_host.ShowMessage({kTextEventNotDeletable, kTextDeleteFiles});
        return;
    }
    m_host.StopPlayback();
    m_host.HideVideo();
    if (m_host.ShowMessage({kTextSureToDelete, kTextDeleteFiles, Buttons::OkCancel}) != Answer::Ok) return;
    if (!DeleteMarked()) m_host.ShowMessage({kTextNothingMarked, kTextConfirmSelection});
}

void CFileOperations::OnUnlockFiles() {
    if (CatalogueEmpty()) return;
    if (!UnlockMarked()) m_host.ShowMessage({kTextNothingMarked, kTextConfirmSelection});
}

void CFileOperations::CreateLevels(const std::string& folder) {
    for (size_t end = folder.find('/', 1); end != std::string::npos; end = folder.find('/', end + 1))
        if (!m_fs.Exists(folder.substr(0, end + 1))) m_fs.MakeDirectory(folder.substr(0, end + 1));
    if (!folder.empty() && folder.back() != '/' && !m_fs.Exists(folder)) m_fs.MakeDirectory(folder);
}

bool CFileOperations::CopyOne(const std::string& source, const std::string& destination) {
    // The recording's own file: copying would only destroy it.
    if (m_fs.SameFile(source, destination)) return true;
    if (m_fs.Exists(destination)) {
        const UserMessage ask{kTextAlreadyExists, kTextConfirmOverwrite, Buttons::OkCancel, Icon::None,
                              destination};
        if (m_host.ShowMessage(ask) != Answer::Ok) return true;
    }
    // Written under another name first, so an interrupted copy never stands under the recording's name.
    const std::string temporary = TemporaryCopyName(destination);
    if (m_fs.Exists(temporary)) m_fs.RemoveFile(temporary);
    if (m_fs.CopyFile(source, temporary) && m_fs.Rename(temporary, destination)) return true;
    m_fs.RemoveFile(temporary);
    return false;
}

bool CFileOperations::CopyMarked(const std::string& target) {
    if (!m_catalog.MarkGroups()) return false;
    const std::vector<RecordingGroup>& groups = m_catalog.Groups();
    const std::vector<RecordingEntry>& entries = m_catalog.Entries();
    int total = 0;
    for (const RecordingGroup& g : groups)
        if (g.marked) total += g.entryCount;
    m_host.ShowCopyProgress(0);
    int done = 0;
    for (const RecordingGroup& g : groups) {
        if (!g.marked) continue;
        for (int i = g.firstEntry; i < g.firstEntry + g.entryCount; ++i) {
            const RecordingEntry& e = entries[size_t(i)];
            const std::string folder = JoinPath(target, e.subFolder);
            const std::string destination = JoinPath(folder, e.fileName);
            if (!m_fs.IsDirectory(folder)) CreateLevels(folder);
            if (!CopyOne(e.Path(), destination))
                m_host.ShowMessage({kTextCopyFailed, kTextWarning, Buttons::Ok, Icon::Warning, e.Path()});
            ++done;
            m_host.ShowCopyProgress(total > 0 ? std::min(100, done * 100 / total) : 100);
        }
    }
    m_host.HideCopyProgress();
    return true;
}

bool CFileOperations::HasProtectedInMarked() {
    if (!m_catalog.MarkGroups()) return false;
    const std::vector<RecordingEntry>& entries = m_catalog.Entries();
    for (const RecordingGroup& g : m_catalog.Groups()) {
        if (!g.marked) continue;
        for (int i = g.firstEntry; i < g.firstEntry + g.entryCount; ++i) {
            const RecordingEntry& e = entries[size_t(i)];
            if (e.info.layout == kLayoutMetaTrack) return false;
            if (e.info.layout == kLayoutBlocks && e.lockFlags != 0) return true;
        }
    }
    return false;
}

bool CFileOperations::DeleteMarked() {
    if (!m_catalog.MarkGroups()) return false;
    std::vector<RecordingEntry> remaining = m_catalog.Entries();
    const std::vector<RecordingGroup>& groups = m_catalog.Groups();
    bool deletedAny = false;
    // Last to first, so an erased entry never shifts one still to be visited.
    for (auto g = groups.rbegin(); g != groups.rend(); ++g) {
        if (!g->marked) continue;
        for (int i = g->firstEntry + g->entryCount - 1; i >= g->firstEntry; --i) {
            const std::string path = remaining[size_t(i)].Path();
            const uint32_t attributes = m_fs.GetAttributes(path);
            const bool written = attributes != fileattr::kInvalid &&
                                 m_fs.SetAttributes(path, attributes & ~fileattr::kReadOnly);
            const bool unprotected = written && (attributes & fileattr::kReadOnly);
            if (m_fs.RemoveFile(path)) {
                remaining.erase(remaining.begin() + i);
                deletedAny = true;
            } else if (unprotected) {
                m_fs.SetAttributes(path, attributes);  // the file stays, so does its protection
            }
        }
    }
    if (deletedAny) Rebuild(std::move(remaining));
    return true;
}

bool CFileOperations::UnlockMarked() {
    if (!m_catalog.MarkGroups()) return false;
    std::vector<RecordingEntry> entries = m_catalog.Entries();
    const auto clearReadOnly = [this](const std::string& path) {
        const uint32_t attributes = m_fs.GetAttributes(path);
        return attributes != fileattr::kInvalid &&
               m_fs.SetAttributes(path, attributes & ~fileattr::kReadOnly);
    };
    for (const RecordingGroup& g : m_catalog.Groups()) {
        if (!g.marked) continue;
        for (int i = g.firstEntry; i < g.firstEntry + g.entryCount; ++i) {
            RecordingEntry& e = entries[size_t(i)];
            for (const int flag : {kLockManual, kLockGSensor})
                if ((e.lockFlags & flag) && clearReadOnly(e.Path())) e.lockFlags &= ~flag;
        }
    }
    // Regrouping the unchanged order gives the same groups, with lock flags taken from their recordings.
    Rebuild(std::move(entries));
    return true;
}

void CFileOperations::Rebuild(std::vector<RecordingEntry>&& entries) {
    if (entries.empty()) {
        m_catalog.ClearCatalog();
        return;
    }
    if (m_groupList) m_groupList->DeleteAllRows();
    if (m_fileList) m_fileList->DeleteAllRows();
    ScanOutcome outcome;
    outcome.sourceExists = true;
    outcome.scanned = m_catalog.ScanCounter();
    outcome.entries = std::move(entries);
    m_catalog.AdoptScan(std::move(outcome));
}

}  // namespace fileops
