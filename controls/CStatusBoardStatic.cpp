#include "controls/CStatusBoardStatic.h"

#include <QPainter>
#include <algorithm>

#include "controls/CGdiPlusBitmap.h"

CStatusBoardStatic::CStatusBoardStatic(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CStatusBoardStatic::SetValue(int percent) {
    m_nPercent = std::clamp(percent, 0, 100);
    update();
}

void CStatusBoardStatic::SetText(const QString& text) {
    m_strText = text;
    update();
}

void CStatusBoardStatic::SetProgress(int percent) {
    SetValue(percent);
    SetText(QStringLiteral("%1 %2").arg(m_nPercent).arg(QChar(u'%')));
    if (isVisible()) repaint();
}

void CStatusBoardStatic::SetBarBitmap(unsigned id) {
    m_nBarBitmapId = id;
    m_barPattern = QPixmap();
    if (id != 0) {
        CGdiPlusBitmapResource bitmap(id, CGdiPlusBitmapResource::kTypeBitmap);
        if (!bitmap.IsNull()) m_barPattern = QPixmap::fromImage(bitmap.Image());
    }
    update();
}

void CStatusBoardStatic::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect all = rect();
    const int barRight = all.width() * m_nPercent / 100;
    const QRect bar(0, 0, barRight, all.height());
    const QRect rest(barRight, 0, all.width() - barRight, all.height());

    p.fillRect(rest, m_crBack);
    if (m_nBarBitmapId == 0) {
        p.fillRect(bar, m_crBar);
    } else if (!m_barPattern.isNull()) {
        p.setBrushOrigin(0, 0);
        p.fillRect(bar, QBrush(m_barPattern));
    } else {
        p.fillRect(bar, m_crBack);  // a pattern that cannot be loaded leaves the bar empty
    }

    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    p.save();
    p.setClipRect(bar);
    p.setPen(m_crText);
    p.drawText(all, flags, m_strText);
    p.restore();
    p.save();
    p.setClipRect(rest);
    p.setPen(m_crTextOnBack);
    p.drawText(all, flags, m_strText);
    p.restore();

    // Raised edge, outer and inner.
    const auto edge = [&p](QRect r, QColor topLeft, QColor bottomRight) {
        p.setPen(topLeft);
        p.drawLine(r.left(), r.bottom() - 1, r.left(), r.top());
        p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        p.setPen(bottomRight);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.bottom(), r.right(), r.top());
    };
    edge(all, QColor(227, 227, 227), QColor(64, 64, 64));
    edge(all.adjusted(1, 1, -1, -1), QColor(255, 255, 255), QColor(160, 160, 160));
}
