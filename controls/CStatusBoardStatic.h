// The copy progress board: a bar of m_nPercent of the width, tiled with a pattern bitmap, the
// rest near-black, a centred text and a raised edge.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

class CStatusBoardStatic : public QWidget {
    Q_OBJECT
public:
    explicit CStatusBoardStatic(QWidget* parent = nullptr);

    // Bar length in percent of the width, clamped to 0..100.
    void SetValue(int percent);
    void SetText(const QString& text);
    // Both at once, with the text "42 %"; painted before returning.
    void SetProgress(int percent);
    // Resource id of the bitmap tiled as the bar; 0 for the plain bar colour.
    void SetBarBitmap(unsigned id);

    int Value() const { return m_nPercent; }
    const QString& Text() const { return m_strText; }

    QColor m_crBack{5, 5, 5};
    QColor m_crText{5, 5, 5};
    QColor m_crBar{5, 5, 5};
    // The text where it lies right of the bar, where the near-black text would not be seen.
    QColor m_crTextOnBack{224, 224, 224};

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_nPercent = 0;
    QString m_strText;
    unsigned m_nBarBitmapId = 0;
    QPixmap m_barPattern;
};
