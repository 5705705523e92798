#include "catalogue/views/CTarvoGroupListCtrl.h"

#include <QItemSelectionModel>

#include "app/CTarvoSettings.h"
#include "app/WindowMessages.h"
#include "catalogue/views/ListTexts.h"

namespace {

QStringList GroupTitles() {
    const CTarvoSettings& settings = CTarvoSettings::Instance();
    QStringList titles;
    for (int id : {116, 117, 118, 119, 120}) titles << settings.LoadText(id);
    return titles;
}

}  // namespace

CTarvoGroupListCtrl::CTarvoGroupListCtrl(QWidget* parent)
    : CTarvoListCtrlBase(parent, GroupTitles(), true, 200, WindowMessage::kOpenGroup) {
    setObjectName(QStringLiteral("groupList"));
}

void CTarvoGroupListCtrl::DeleteAllRows() { ClearRows(); }

bool CTarvoGroupListCtrl::AddGroupRow(int groupIndex, const std::string& resolution, uint64_t totalDurationMs,
                                      uint64_t totalSize, int lockFlags, int64_t startTime) {
    return AppendRow({QStringLiteral("G%1").arg(groupIndex), QString::fromStdString(resolution),
                      LocalTimeText(startTime, "%Y-%m-%d %H:%M:%S"), LengthText(totalDurationMs),
                      SizeText(totalSize)},
                     lockFlags);
}

void CTarvoGroupListCtrl::SetCurrentHighlight(int row, bool on) { Highlight(row, on); }

void CTarvoGroupListCtrl::EnsureVisible(int row) { ScrollToRow(row); }

bool CTarvoGroupListCtrl::IsRowSelected(int row) const {
    if (row < 0 || row >= RowCount()) return false;
    return selectionModel()->isRowSelected(row, QModelIndex());
}

bool CTarvoGroupListCtrl::IsRowChecked(int row) const { return Model()->IsChecked(row); }
