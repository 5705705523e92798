// The group list: one row per group of continuous recording, with a check box and the padlock.
#pragma once

#include "catalogue/CatalogueViews.h"
#include "catalogue/views/CTarvoListCtrlBase.h"

class CTarvoGroupListCtrl : public CTarvoListCtrlBase, public IGroupListView {
    Q_OBJECT
public:
    // Double clicks go to parent as kOpenGroup.
    explicit CTarvoGroupListCtrl(QWidget* parent);

    void DeleteAllRows() override;
    bool AddGroupRow(int groupIndex, const std::string& resolution, uint64_t totalDurationMs, uint64_t totalSize,
                     int lockFlags, int64_t startTime) override;
    void SetCurrentHighlight(int row, bool on) override;
    void EnsureVisible(int row) override;
    bool IsRowSelected(int row) const override;
    bool IsRowChecked(int row) const override;
};
