// The file list: one row per recording, with the padlock; wider than the control, so it scrolls.
#pragma once

#include "catalogue/CatalogueViews.h"
#include "catalogue/views/CTarvoListCtrlBase.h"

class CTarvoFileListCtrl : public CTarvoListCtrlBase, public IFileListView {
    Q_OBJECT
public:
    // Double clicks go to parent as kOpenFile.
    explicit CTarvoFileListCtrl(QWidget* parent);

    void DeleteAllRows() override;
    bool AddFileRow(int groupIndex, int indexInGroup, const std::string& folder, const std::string& fileName,
                    uint32_t durationMs, uint64_t fileSize, int lockFlags, int64_t startTime) override;
    void SetCurrentHighlight(int row, bool on) override;
    void EnsureVisible(int row) override;
};
