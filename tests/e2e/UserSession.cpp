#include "tests/e2e/UserSession.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <iterator>

#include "catalogue/views/CTarvoListModel.h"

void ScriptedUser::ShowMessage(QWidget*, const QString& caption, const QString& text) {
    messages << caption + QStringLiteral(": ") + text;
}

bool ScriptedUser::AskMessage(QWidget* owner, const QString& caption, const QString& text, bool withCancel, bool) {
    if (withCancel) ++questions;
    ShowMessage(owner, caption, text);
    return true;
}

std::optional<QString> ScriptedUser::PickFolder(QWidget*, const QString&, const QString&) {
    if (folders.empty()) return std::nullopt;
    QString next = folders.front();
    folders.pop_front();
    return next;
}

std::optional<QString> ScriptedUser::PickSaveFile(QWidget*, const QString&, const QString&) {
    if (saveFiles.empty()) return std::nullopt;
    QString next = saveFiles.front();
    saveFiles.pop_front();
    return next;
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) { return QTest::qWaitFor(done, timeoutMs); }

void ClickAt(QWidget* widget, QPoint pos) { QTest::mouseClick(widget, Qt::LeftButton, {}, pos); }
void ClickCentre(QWidget* widget) { ClickAt(widget, widget->rect().center()); }
void DoubleClickCentre(QWidget* widget) {
    // A double click arrives as press, release, double-click, release.
    QTest::mouseDClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

int RowHolding(const QAbstractItemModel& model, const QString& text) {
    for (int r = 0; r < model.rowCount(); ++r)
        for (int c = 0; c < model.columnCount(); ++c)
            if (model.index(r, c).data().toString().contains(text)) return r;
    return -1;
}

int HighlightedRow(const QTableView& list) {
    const auto* model = qobject_cast<const CTarvoListModel*>(list.model());
    if (!model) return -1;
    for (int r = 0; r < model->rowCount(); ++r)
        if (model->IsHighlighted(r)) return r;
    return -1;
}

bool ClickCheckBox(QTableView& list, int row) {
    const QModelIndex index = list.model()->index(row, 0);
    list.scrollTo(index);
    QStyleOptionViewItem option;
    option.initFrom(list.viewport());
    option.rect = list.visualRect(index);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay |
                      QStyleOptionViewItem::HasDecoration;
    option.decorationSize = list.iconSize();
    option.text = index.data().toString();
    const QRect box = list.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list);
    const QVariant before = index.data(Qt::CheckStateRole);
    ClickAt(list.viewport(), box.isValid() ? box.center() : option.rect.topLeft() + QPoint(10, option.rect.height() / 2));
    QTest::qWait(300);  // a second click would otherwise read as a double click
    return index.data(Qt::CheckStateRole) != before;
}

PngHeader ReadPngHeader(const QString& path) {
    QFile file(path);
    PngHeader header;
    if (!file.open(QIODevice::ReadOnly)) return header;
    const QByteArray head = file.read(24);
    static const char kSignature[] = "\x89PNG\r\n\x1a\n";
    if (head.size() < 24 || !head.startsWith(QByteArray(kSignature, 8)) || head.mid(12, 4) != "IHDR") return header;
    const auto be32 = [&](int at) {
        return (uint32_t(uint8_t(head[at])) << 24) | (uint32_t(uint8_t(head[at + 1])) << 16) |
               (uint32_t(uint8_t(head[at + 2])) << 8) | uint32_t(uint8_t(head[at + 3]));
    };
    header.valid = true;
    header.width = int(be32(16));
    header.height = int(be32(20));
    return header;
}

bool SameBytes(const std::string& a, const std::string& b) {
    std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
    if (!fa || !fb) return false;
    const std::string da((std::istreambuf_iterator<char>(fa)), {});
    const std::string db((std::istreambuf_iterator<char>(fb)), {});
    return !da.empty() && da == db;
}

double LitShareOnScreen(QWidget* widget) {
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, origin.x(), origin.y(), widget->width(), widget->height())
                            .toImage();
    if (shot.isNull()) return 0;
    int lit = 0, all = 0;
    for (int y = 0; y < shot.height(); y += 4)
        for (int x = 0; x < shot.width(); x += 4, ++all) {
            const QColor c = shot.pixelColor(x, y);
            if (std::max({c.red(), c.green(), c.blue()}) > 128) ++lit;
        }
    return all ? lit / double(all) : 0;
}
