#include "controls/CBalloonTip.h"

#include "controls/CKeldaToolTipCtrl.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QToolTip>

CBalloonTip::CBalloonTip(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
}

namespace {
constexpr QSize kIconSize = CKeldaToolTipCtrl::IconSize();
constexpr int kGap = 6;
}  // namespace

QRect CBalloonTip::IconRect() const {
    if (m_icon.isNull())
        return {};
    return {kMargin, kPointerHeight + kMargin, kIconSize.width(), kIconSize.height()};
}

QRect CBalloonTip::LabelRect() const {
    const QFontMetrics metrics(font());
    const int left = m_icon.isNull() ? kMargin : kMargin + kIconSize.width() + kGap;
    const int lineHeight = m_icon.isNull() ? metrics.height() : std::max(metrics.height(), kIconSize.height());
    return {left, kPointerHeight + kMargin, metrics.horizontalAdvance(m_label) + 1, lineHeight};
}

QRect CBalloonTip::DescriptionRect() const {
    if (m_description.isEmpty())
        return {};
    const QRect label = LabelRect();
    const QRect bounds = QFontMetrics(font()).boundingRect(
        QRect(0, 0, CKeldaToolTipCtrl::kMaxDescriptionWidth, 10000), Qt::TextWordWrap, m_description);
    return {label.left(), label.bottom() + 1 + kGap + 1 + kGap, bounds.width(), bounds.height()};
}

QSize CBalloonTip::ContentSize() const {
    QRect all = LabelRect().united(IconRect());
    if (!m_description.isEmpty())
        all = all.united(DescriptionRect());
    return {all.right() + 1 + kMargin, all.bottom() + 1 + kMargin};
}

void CBalloonTip::SetContent(const QString& label, const QString& description, const QImage& icon) {
    m_label = label;
    m_description = description;
    m_icon = icon;
    resize(ContentSize());
    update();
}

void CBalloonTip::PointAt(const QPoint& globalPos) {
    QPoint topLeft(globalPos.x() - kPointerOffset, globalPos.y());
    if (QScreen* screen = QGuiApplication::screenAt(globalPos)) {
        const QRect area = screen->geometry();
        topLeft.setX(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - width())));
        topLeft.setY(std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - height())));
    }
    move(topLeft);
}

namespace {
// The box below the pointer, and the pointer as a triangle rising from the box's top edge.
QPolygon Outline(const QSize& size) {
    const int top = CBalloonTip::kPointerHeight;
    const int tip = CBalloonTip::kPointerOffset;
    return QPolygon({QPoint(0, top), QPoint(tip - 4, top), QPoint(tip, 0), QPoint(tip + 8, top),
                     QPoint(size.width(), top), QPoint(size.width(), size.height()), QPoint(0, size.height())});
}
}  // namespace

void CBalloonTip::resizeEvent(QResizeEvent*) { setMask(QRegion(Outline(size()))); }

void CBalloonTip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPolygon outline = Outline(size());
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::ToolTipBase));
    painter.drawPolygon(outline);
    painter.setPen(QPen(palette().color(QPalette::ToolTipText), 1));
    painter.setBrush(Qt::NoBrush);
    // The mask cuts at the polygon's edge; the border sits one pixel inside it.
    painter.drawPolygon(Outline(size() - QSize(1, 1)));

    if (!m_icon.isNull())
        painter.drawImage(QRectF(IconRect()), m_icon, QRectF(m_icon.rect()));
    painter.drawText(LabelRect(), Qt::AlignLeft | Qt::AlignVCenter, m_label);
    if (!m_description.isEmpty()) {
        const QRect description = DescriptionRect();
        const int separatorY = LabelRect().bottom() + 1 + kGap;
        painter.drawLine(kMargin, separatorY, width() - 1 - kMargin, separatorY);
        painter.drawText(description, Qt::TextWordWrap, m_description);
    }
}
