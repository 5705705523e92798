// A folder scan on its own thread, so the window keeps painting while a card is read. The count of
// files handled can be read at any time; the end is posted to the receiver as kScanFinished.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "catalogue/CRecordingCatalog.h"

class QObject;

class FolderScanTask {
public:
    // source null: the real file system.
    FolderScanTask(std::string root, QObject* receiver, const FolderSource* source = nullptr);
    // Stops the scan at the next file and waits for its thread.
    ~FolderScanTask();
    FolderScanTask(const FolderScanTask&) = delete;
    FolderScanTask& operator=(const FolderScanTask&) = delete;

    int FilesHandled() const { return m_filesHandled.load(std::memory_order_relaxed); }
    bool Finished() const { return m_finished.load(std::memory_order_acquire); }
    void Cancel() { m_cancel = true; }
    // The result; only once Finished() is true.
    ScanOutcome TakeOutcome();

private:
    void Run(QObject* receiver);

    std::string m_root;
    const FolderSource* m_source;
    std::atomic<int> m_filesHandled{0};
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_finished{false};
    ScanOutcome m_outcome;
    std::thread m_thread;
};
