// The rows of one list view: column texts, the padlock icon by lock flags, an optional check box
// in the first column and the current-recording highlight.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <array>
#include <vector>

class CTarvoListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    CTarvoListModel(QStringList titles, bool checkable, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void Clear();
    // Appends a row of one text per column; false when the texts do not match the columns.
    bool AppendRow(const QStringList& texts, int lockFlags);
    void SetHighlight(int row, bool on);
    bool IsHighlighted(int row) const;
    bool IsChecked(int row) const;
    int LockFlags(int row) const;

    // The look of a highlighted row.
    static const QColor kHighlightBack;
    static const QColor kHighlightText;

private:
    struct Row {
        QStringList texts;
        int lockFlags = 0;
        bool checked = false;
        bool highlighted = false;
    };
    bool ValidRow(int row) const { return row >= 0 && row < static_cast<int>(m_rows.size()); }

    QStringList m_titles;
    bool m_checkable;
    std::vector<Row> m_rows;
    std::array<QIcon, 4> m_icons;
};

// The four 24 x 24 padlock icons of bitmap 158 (index = lock flags), magenta made transparent.
std::array<QIcon, 4> LoadLockIcons();
