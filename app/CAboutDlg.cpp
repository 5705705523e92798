#include "app/CAboutDlg.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app/CTarvoSettings.h"
#include "app/TextIds.h"
#include "controls/CGdiPlusBitmap.h"

namespace {
constexpr unsigned kLogoBitmap = 200;
constexpr int kLogoSize = 128;
// Dialog units of the box's font (Georgia, 14 points) in pixels: 4 horizontal and 8 vertical units.
constexpr int kBaseUnitX = 9;
constexpr int kBaseUnitY = 22;

QRect Units(int x, int y, int w, int h) {
    return QRect(x * kBaseUnitX / 4, y * kBaseUnitY / 8, w * kBaseUnitX / 4, h * kBaseUnitY / 8);
}

QLabel* MakeText(QWidget* parent, const QString& text, const QRect& rect) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(rect);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}
}  // namespace

CAboutDlg::CAboutDlg(const CTarvoSettings& settings, QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont font(QStringLiteral("Georgia"));
    font.setPointSize(14);
    setFont(font);
    const QSize size = Units(0, 0, 208, 67).size();
    setFixedSize(size);

    m_logo = new QLabel(this);
    m_logo->setGeometry(QRect(Units(11, 11, 0, 0).topLeft(), QSize(kLogoSize, kLogoSize)));
    const CGdiPlusBitmapResource logo(kLogoBitmap, QString::fromLatin1(CGdiPlusBitmapResource::kTypeBitmap));
    if (!logo.IsNull()) m_logo->setPixmap(QPixmap::fromImage(logo.Image()));

    m_version = MakeText(this, QStringLiteral("Version 1.23"), Units(123, 30, 80, 10));
    m_title = MakeText(this, QStringLiteral("Velidor"), Units(124, 11, 80, 10));
    m_versionWord = MakeText(this, QStringLiteral("バージョン"), Units(71, 31, 50, 10));

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setGeometry(Units(151, 46, 50, 14));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    setWindowTitle(settings.LoadText(TextId::kAboutItem));
}
