// What the two list views share: a dark report-style table over a CTarvoListModel, columns of
// one share of the control's width, and a double click sent to the parent as a window message.
#pragma once

#include <QTableView>

#include "catalogue/views/CTarvoListModel.h"

class CTarvoListCtrlBase : public QTableView {
    Q_OBJECT
public:
    int RowCount() const;
    CTarvoListModel* Model() const { return m_model; }

    // The current-recording highlight of a row; false for a row that does not exist.
    bool IsRowHighlighted(int row) const { return m_model->IsHighlighted(row); }
    int RowLockFlags(int row) const { return m_model->LockFlags(row); }
    // Sets every column to widthPerMille / 1000 of the control's present width.
    void InsertColumns();

    static constexpr int kRowHeight = 28;

protected:
    CTarvoListCtrlBase(QWidget* parent, const QStringList& titles, bool checkable, int widthPerMille,
                       int openMessage);

    void ClearRows();
    bool AppendRow(const QStringList& texts, int lockFlags);
    void Highlight(int row, bool on);
    void ScrollToRow(int row);

    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CTarvoListModel* m_model;
    int m_widthPerMille;
    int m_openMessage;
    bool m_widthsPending = true;
};
