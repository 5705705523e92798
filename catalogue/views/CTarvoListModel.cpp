#include "catalogue/views/CTarvoListModel.h"

#include <QFont>
#include <QPixmap>

#include "controls/CGdiPlusBitmap.h"

const QColor CTarvoListModel::kHighlightBack{150, 96, 0};
const QColor CTarvoListModel::kHighlightText{255, 226, 140};

namespace {

// The strip with its magenta mask made transparent; scale 1 or 2 for the sharper twin.
QImage MaskedStrip(const QImage& strip) {
    QImage image = strip.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == 0xFF00FF) line[x] = 0;
    }
    return image;
}

QPixmap Cell(const QImage& strip, int index, int side) {
    QImage cell = strip.isNull() ? QImage() : strip.copy(index * side, 0, side, side);
    if (cell.isNull() || cell.width() != side || cell.height() != side) {
        cell = QImage(side, side, QImage::Format_ARGB32);
        cell.fill(Qt::transparent);
    }
    return QPixmap::fromImage(cell);
}

}  // namespace

std::array<QIcon, 4> LoadLockIcons() {
    std::array<QIcon, 4> icons;
    CGdiPlusBitmapResource strip(158, CGdiPlusBitmapResource::kTypeBitmap);
    const QImage normal = strip.IsNull() ? QImage() : MaskedStrip(strip.Image());
    const QImage twice = strip.m_pBitmap2x ? MaskedStrip(*strip.m_pBitmap2x) : QImage();
    for (int i = 0; i < 4; ++i) {
        QIcon& icon = icons[size_t(i)];
        icon.addPixmap(Cell(normal, i, 24));
        if (!twice.isNull()) icon.addPixmap(Cell(twice, i, 48));
    }
    return icons;
}

CTarvoListModel::CTarvoListModel(QStringList titles, bool checkable, QObject* parent)
    : QAbstractTableModel(parent), m_titles(std::move(titles)), m_checkable(checkable), m_icons(LoadLockIcons()) {}

int CTarvoListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CTarvoListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_titles.size());
}

QVariant CTarvoListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !ValidRow(index.row())) return {};
    const Row& row = m_rows[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return row.texts.value(index.column());
    case Qt::DecorationRole:
        if (index.column() == 0 && row.lockFlags >= 0 && row.lockFlags <= 3) return m_icons[size_t(row.lockFlags)];
        return {};
    case Qt::CheckStateRole:
        if (m_checkable && index.column() == 0) return row.checked ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::BackgroundRole:
        if (row.highlighted) return kHighlightBack;
        return {};
    case Qt::ForegroundRole:
        if (row.highlighted) return kHighlightText;
        return {};
    case Qt::FontRole:
        if (row.highlighted) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool CTarvoListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!m_checkable || role != Qt::CheckStateRole || index.column() != 0 || !ValidRow(index.row())) return false;
    m_rows[size_t(index.row())].checked = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags CTarvoListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_checkable && index.column() == 0) f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant CTarvoListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return m_titles.value(section);
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

void CTarvoListModel::Clear() {
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

bool CTarvoListModel::AppendRow(const QStringList& texts, int lockFlags) {
    if (texts.size() != m_titles.size()) return false;
    const int at = rowCount();
    beginInsertRows({}, at, at);
    m_rows.push_back({texts, lockFlags, false, false});
    endInsertRows();
    return true;
}

void CTarvoListModel::SetHighlight(int row, bool on) {
    if (!ValidRow(row)) return;
    m_rows[size_t(row)].highlighted = on;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

bool CTarvoListModel::IsHighlighted(int row) const { return ValidRow(row) && m_rows[size_t(row)].highlighted; }
bool CTarvoListModel::IsChecked(int row) const { return ValidRow(row) && m_rows[size_t(row)].checked; }
int CTarvoListModel::LockFlags(int row) const { return ValidRow(row) ? m_rows[size_t(row)].lockFlags : -1; }
