// The area reserved for the video: it draws nothing of its own (the video surface lies inside it),
// only the sunken window edge while that is on; a double click toggles full screen.
#pragma once

#include <QWidget>

class CVideoStaticBg : public QWidget {
    Q_OBJECT
public:
    explicit CVideoStaticBg(QWidget* parent, QWidget* target = nullptr);

    // The sunken client edge of the window, off in full screen.
    void SetClientEdge(bool on);
    bool HasClientEdge() const { return m_clientEdge; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QWidget* m_target;
    bool m_clientEdge = true;
};
