// The balloon window of the tooltip: a box with a pointer at its top-left edge, an icon, a label
// and an optional description line under a separator.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class CBalloonTip : public QWidget {
    Q_OBJECT
public:
    explicit CBalloonTip(QWidget* parent);

    void SetContent(const QString& label, const QString& description, const QImage& icon);
    // Places the pointer's tip at globalPos, kept on that position's screen.
    void PointAt(const QPoint& globalPos);

    const QString& Label() const { return m_label; }
    const QString& Description() const { return m_description; }
    const QImage& Icon() const { return m_icon; }

    static constexpr int kPointerHeight = 10;
    static constexpr int kPointerOffset = 14;
    static constexpr int kMargin = 6;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect IconRect() const;
    QRect LabelRect() const;
    QRect DescriptionRect() const;
    QSize ContentSize() const;

    QString m_label;
    QString m_description;
    QImage m_icon;
};
