// The engine's drawing window: a native child window that the media player renders into. Without a
// picture it shows the skin background and, on request, a large glowing count (the folder scan's).
// A double click asks the main window to toggle full screen; a single click goes nowhere.
#pragma once

#include <QString>
#include <QWidget>

class QPainter;

class CVideoStatic : public QWidget {
    Q_OBJECT
public:
    // The full-screen toggle goes to target (the main window); none when target is null.
    explicit CVideoStatic(QWidget* parent, QWidget* target = nullptr);

    // Sets the flag only: what is already on screen stays until the next repaint.
    void ShowOverlay(bool show);
    // Stores the count and repaints the whole surface at once.
    void SetOverlayNumber(int number);
    void SetOverlayCaption(const QString& caption) { m_strOverlayCaption = caption; }

    bool IsOverlayShown() const { return m_bOverlay; }
    int OverlayNumber() const { return m_nOverlayNumber; }
    QString OverlayText() const;

    // The surface's drawing at its current size.
    void Render(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QWidget* m_target;
    bool m_bOverlay = false;
    QString m_strOverlayCaption;
    int m_nOverlayNumber = 0;
};

// Sends the full-screen toggle to target, as a double click on the video does.
void SendToggleFullScreen(QWidget* target);
