#include "app/FolderScanTask.h"

#include <QCoreApplication>

#include "app/WindowMessages.h"

FolderScanTask::FolderScanTask(std::string root, QObject* receiver, const FolderSource* source)
    : m_root(std::move(root)), m_source(source) {
    m_thread = std::thread([this, receiver] { Run(receiver); });
}

FolderScanTask::~FolderScanTask() {
    m_cancel = true;
    if (m_thread.joinable()) m_thread.join();
}

void FolderScanTask::Run(QObject* receiver) {
    ScanHooks hooks;
    hooks.cancel = &m_cancel;
    hooks.source = m_source;
    hooks.progress = [this](int handled) { m_filesHandled.store(handled, std::memory_order_relaxed); };
    m_outcome = ScanFolder(m_root, hooks);
    m_filesHandled.store(m_outcome.scanned, std::memory_order_relaxed);
    m_finished.store(true, std::memory_order_release);
    // The receiver owns this task and waits for the thread before it goes, so it is still there.
    if (receiver) QCoreApplication::postEvent(receiver, new CWindowMessageEvent(WindowMessage::kScanFinished));
}

ScanOutcome FolderScanTask::TakeOutcome() {
    if (m_thread.joinable()) m_thread.join();
    return std::move(m_outcome);
}
