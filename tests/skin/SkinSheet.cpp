// Draws every skin image at 1x and 2x, the glow text styles and a button's looks on the skin's
// background into one PNG: norvik_skin_sheet <out.png> [<buttons.png>]; the second file is a row of
// buttons grabbed at the screen's device pixel ratio (run with QT_SCALE_FACTOR=2 to see 2x).
#include "controls/CGdiPlusBitmap.h"
#include "app/Languages.h"
#include "controls/CGdipButton.h"
#include "controls/CKeldaToolTipCtrl.h"
#include "controls/ToolTipTable.h"
#include "controls/GlowText.h"
#include "controls/SkinImages.h"

#include <QApplication>
#include <QPainter>

namespace {

struct Item {
    const char* type;
    unsigned id;
};

const Item kItems[] = {
    {"PNG", 129}, {"PNG", 132}, {"PNG", 133}, {"PNG", 136}, {"PNG", 203}, {"PNG", 139}, {"PNG", 140},
    {"PNG", 141}, {"PNG", 142}, {"PNG", 143}, {"PNG", 176}, {"PNG", 145}, {"PNG", 146}, {"PNG", 147},
    {"PNG", 148}, {"PNG", 151}, {"PNG", 152}, {"PNG", 153}, {"PNG", 154}, {"PNG", 156}, {"PNG", 155},
    {"PNG", 1045}, {"PNG", 187}, {"PNG", 188}, {"PNG", 150}, {"PNG", 157}, {"BITMAP", 189},
    {"BITMAP", 200}, {"BITMAP", 158}, {"BITMAP", 161},
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3)
        return 2;
    QImage sheet(1400, 1120, QImage::Format_ARGB32);
    sheet.fill(SkinBackColor);
    QPainter painter(&sheet);
    painter.setPen(QColor(150, 150, 150));
    QFont label = painter.font();
    label.setPixelSize(11);
    painter.setFont(label);

    int x = 10, y = 10, rowHeight = 0;
    for (const Item& item : kItems) {
        const CGdiPlusBitmapResource bitmap(item.id, QString::fromLatin1(item.type));
        const QImage one = bitmap.Image();
        QImage two = bitmap.ImageForRatio(2.0);
        two.setDevicePixelRatio(1.0);
        const int w = one.width() + two.width() + 30;
        if (x + w > sheet.width() - 10) {
            x = 10;
            y += rowHeight + 24;
            rowHeight = 0;
        }
        painter.drawImage(x, y, one);
        painter.drawImage(x + one.width() + 10, y, two);
        painter.drawText(x, y + two.height() + 14,
                         QStringLiteral("%1 %2").arg(QLatin1String(item.type == QLatin1String("PNG") ? "" : "bmp")).arg(item.id));
        rowHeight = std::max(rowHeight, two.height());
        x += w;
    }
    y += rowHeight + 40;

    // A toggle button in each look, composed over the window background as the main window does.
    QWidget parent;
    parent.setAutoFillBackground(true);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, SkinBackColor);
    parent.setPalette(palette);
    parent.resize(100, 100);
    CGdipButton button(&parent);
    button.setGeometry(10, 10, 48, 48);
    button.SetStandardImage(129);
    button.SetAlternateImage(132);
    button.SetToggleMode();
    button.grab();
    int bx = 10;
    using Look = CGdipButton::Look;
    for (Look look : {Look::Standard, Look::StandardPressed, Look::StandardHot, Look::Alternate,
                      Look::AlternatePressed, Look::AlternateHot}) {
        painter.drawPixmap(bx, y, button.Surface(look));
        bx += 60;
    }
    painter.drawText(bx + 10, y + 28, QStringLiteral("button looks: normal, pressed, hot; alternate"));
    y += 70;

    painter.drawLine(0, y, sheet.width(), y);
    y += 10;
    // The title style always draws at (50, 10) of its surface: give it a surface of its own.
    QImage title(420, 90, QImage::Format_ARGB32);
    title.fill(SkinBackColor);
    {
        QPainter titlePainter(&title);
        DrawGlowText(titlePainter, QStringLiteral("Velidor"), 0, 0, 48, GlowTextStyle::Title);
    }
    painter.drawImage(10, y, title);
    DrawGlowText(painter, QStringLiteral("128 km/h"), 460, y, 60, GlowTextStyle::Speed);
    DrawGlowText(painter, QStringLiteral("34"), 820, y, 36, GlowTextStyle::Speed);
    DrawGlowText(painter, QStringLiteral("1.5X"), 0, y + 100, 60, GlowTextStyle::Overlay);
    DrawGlowText(painter, QStringLiteral("Overlay 0.3X"), 0, y + 180, 40, GlowTextStyle::Overlay);
    painter.drawText(700, y + 150, QStringLiteral("glow text: Title, Speed, Overlay"));

    // The tooltip of PLAY, and one with a description line.
    CGdipButton* tools[2] = {&button, new CGdipButton(&parent)};
    CKeldaToolTipCtrl tips(&parent, [](int id) { return LanguageText(kLanguageEnglish, id); });
    SetupToolTips(tips, [&](int id) { return id == 1015 ? tools[0] : id == 1019 ? tools[1] : nullptr; },
                  [](int id) { return LanguageText(kLanguageEnglish, id); });
    tips.ShowTip(tools[0], QPoint(0, 0));
    painter.drawPixmap(700, y + 200, tips.Balloon()->grab());
    tips.m_entries[17].descriptionId = 189;  // 1019 with a description, to see the second line
    tips.ShowTip(tools[1], QPoint(0, 0));
    painter.drawPixmap(950, y + 200, tips.Balloon()->grab());
    painter.end();
    if (argc == 3) {
        QWidget row;
        row.setAutoFillBackground(true);
        row.setPalette(palette);
        row.resize(240, 60);
        const std::pair<unsigned, QSize> buttons[] = {
            {129, {48, 48}}, {139, {48, 36}}, {143, {32, 32}}, {151, {24, 24}}, {156, {18, 34}}, {188, {16, 16}}};
        int bx2 = 4;
        for (const auto& [id, size] : buttons) {
            auto* b = new CGdipButton(&row);
            b->setGeometry(bx2, 4, size.width(), size.height());
            b->SetStandardImage(id);
            bx2 += size.width() + 6;
        }
        row.show();
        if (!row.grab().save(QString::fromLocal8Bit(argv[2])))
            return 1;
    }
    return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
