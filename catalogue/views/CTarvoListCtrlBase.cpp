#include "catalogue/views/CTarvoListCtrlBase.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include "app/WindowMessages.h"
#include "catalogue/views/CheckIndicatorStyle.h"

namespace {

const char* kListStyle =
    "QTableView { background-color: rgb(5, 5, 5); color: rgb(222, 222, 222); gridline-color: rgb(58, 58, 58);"
    " selection-background-color: rgb(38, 88, 168); selection-color: rgb(255, 255, 255);"
    " border: none; }"
    "QHeaderView::section { background-color: rgb(32, 32, 32); color: rgb(235, 235, 235);"
    " border: none; border-right: 1px solid rgb(70, 70, 70); border-bottom: 1px solid rgb(70, 70, 70);"
    " padding: 2px 4px; }"
    "QTableCornerButton::section { background-color: rgb(32, 32, 32); border: none; }"
    "QScrollBar { background: rgb(18, 18, 18); border: none; }"
    "QScrollBar:horizontal { height: 12px; } QScrollBar:vertical { width: 12px; }"
    "QScrollBar::handle { background: rgb(78, 78, 78); border-radius: 3px; }"
    "QScrollBar::handle:horizontal { min-width: 24px; margin: 2px 0; }"
    "QScrollBar::handle:vertical { min-height: 24px; margin: 0 2px; }"
    "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; }"
    "QScrollBar::add-page, QScrollBar::sub-page { background: none; }";

// Rows without the focus frame: the selection and the highlight are the only marks of a row.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

}  // namespace

CTarvoListCtrlBase::CTarvoListCtrlBase(QWidget* parent, const QStringList& titles, bool checkable,
                                       int widthPerMille, int openMessage)
    : QTableView(parent),
      m_model(new CTarvoListModel(titles, checkable, this)),
      m_widthPerMille(widthPerMille),
      m_openMessage(openMessage) {
    setModel(m_model);
    setItemDelegate(new RowDelegate(this));
    auto* style = new CheckIndicatorStyle;
    style->setParent(this);
    setStyle(style);
    QFont compact = font();
    compact.setPixelSize(12);
    setFont(compact);
    setStyleSheet(QString::fromLatin1(kListStyle));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setIconSize(QSize(24, 24));
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setFocusPolicy(Qt::StrongFocus);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsClickable(false);
    // The column widths follow the control's first non-empty size (or an explicit InsertColumns).
}

int CTarvoListCtrlBase::RowCount() const { return m_model->rowCount(); }

void CTarvoListCtrlBase::InsertColumns() {
    const int w = width() * m_widthPerMille / 1000;
    for (int c = 0; c < m_model->columnCount(); ++c) setColumnWidth(c, w);
    m_widthsPending = false;
}

void CTarvoListCtrlBase::ClearRows() { m_model->Clear(); }

bool CTarvoListCtrlBase::AppendRow(const QStringList& texts, int lockFlags) {
    return m_model->AppendRow(texts, lockFlags);
}

void CTarvoListCtrlBase::Highlight(int row, bool on) { m_model->SetHighlight(row, on); }

void CTarvoListCtrlBase::ScrollToRow(int row) {
    if (row < 0 || row >= RowCount()) return;
    scrollTo(m_model->index(row, 0), QAbstractItemView::EnsureVisible);
}

void CTarvoListCtrlBase::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const QModelIndex hit = indexAt(event->position().toPoint());
    const int row = hit.isValid() ? hit.row() : -1;
    if (QWidget* target = parentWidget()) {
        CWindowMessageEvent message(m_openMessage, row, 0);
        QCoreApplication::sendEvent(target, &message);
    }
}

void CTarvoListCtrlBase::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    if (m_widthsPending && width() > 0) InsertColumns();
}
