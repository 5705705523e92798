#include "catalogue/views/CTarvoFileListCtrl.h"

#include "app/CTarvoSettings.h"
#include "app/WindowMessages.h"
#include "catalogue/views/ListTexts.h"

namespace {

QStringList FileTitles() {
    const CTarvoSettings& settings = CTarvoSettings::Instance();
    QStringList titles;
    for (int id : {121, 122, 118, 123, 120, 124}) titles << settings.LoadText(id);
    return titles;
}

}  // namespace

CTarvoFileListCtrl::CTarvoFileListCtrl(QWidget* parent)
    : CTarvoListCtrlBase(parent, FileTitles(), false, 300, WindowMessage::kOpenFile) {
    setObjectName(QStringLiteral("fileList"));
}

void CTarvoFileListCtrl::DeleteAllRows() { ClearRows(); }

bool CTarvoFileListCtrl::AddFileRow(int groupIndex, int indexInGroup, const std::string& folder,
                                    const std::string& fileName, uint32_t durationMs, uint64_t fileSize,
                                    int lockFlags, int64_t startTime) {
    return AppendRow({QStringLiteral("G%1-%2").arg(groupIndex).arg(indexInGroup), QString::fromStdString(fileName),
                      LocalTimeText(startTime, "%H:%M:%S"),
                      LocalTimeText(startTime + static_cast<int64_t>(durationMs / 1000), "%H:%M:%S"),
                      SizeText(fileSize), QString::fromStdString(folder)},
                     lockFlags);
}

void CTarvoFileListCtrl::SetCurrentHighlight(int row, bool on) { Highlight(row, on); }

void CTarvoFileListCtrl::EnsureVisible(int row) { ScrollToRow(row); }
