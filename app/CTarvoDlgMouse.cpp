// Mouse handling on the main window's own client area: moving the window, the grip and the three
// splitters, and the double click that maximises or restores.
#include "app/CTarvoDlg.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>
#include <algorithm>

#include "app/ControlIds.h"
#include "app/WindowPlacement.h"

CTarvoDlg::Drag CTarvoDlg::HitTest(QPoint pos) const {
    if (QRect(m_clientCx - kGripSize, m_clientCy - kGripSize, kGripSize, kGripSize).contains(pos)) return Drag::Grip;
    if (m_splitMapFile.contains(pos)) return Drag::MapFile;
    if (m_splitVideoList.contains(pos)) return Drag::VideoList;
    if (m_splitColumns.contains(pos)) return Drag::Columns;
    return Drag::None;
}

void CTarvoDlg::UpdateCursor(QPoint pos) {
    const bool splitting = m_drag != Drag::None && m_drag != Drag::PendingMove && m_drag != Drag::Window;
    switch (splitting ? m_drag : HitTest(pos)) {
    case Drag::Grip:
        setCursor(Qt::SizeFDiagCursor);
        break;
    case Drag::MapFile:
    case Drag::VideoList:
        setCursor(Qt::SizeVerCursor);
        break;
    case Drag::Columns:
        setCursor(Qt::SizeHorCursor);
        break;
    default:
        setCursor(Qt::ArrowCursor);
    }
}

// The grip and the splitters do nothing in full screen; the grip nothing while maximised either.
void CTarvoDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const QPoint pos = event->position().toPoint();
    Drag hit = m_fullScreen ? Drag::None : HitTest(pos);
    if (hit == Drag::Grip && m_maximized) hit = Drag::None;
    if (hit != Drag::None) {
        m_drag = hit;
        grabMouse();
        UpdateCursor(pos);
        return;
    }
    if (m_maximized || m_fullScreen) return;
    // The move starts once the mouse has moved, so that a double click still reaches the window.
    m_drag = Drag::PendingMove;
    m_pressGlobal = event->globalPosition().toPoint();
    m_moveOffset = m_pressGlobal - geometry().topLeft();
}

// The window manager moves the window when it can; without one the window follows the mouse.
void CTarvoDlg::StartWindowMove() {
    if (QWindow* window = windowHandle(); window && window->startSystemMove()) {
        m_drag = Drag::None;
        return;
    }
    m_drag = Drag::Window;
    grabMouse();
}

void CTarvoDlg::ResizeByGrip(QPoint pos) {
    resize(std::max(pos.x(), kMinWindowWidth), std::max(pos.y(), kMinWindowHeight));
    m_maximized = false;
}

void CTarvoDlg::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    switch (m_drag) {
    case Drag::PendingMove:
        if ((event->globalPosition().toPoint() - m_pressGlobal).manhattanLength() < QApplication::startDragDistance())
            return;
        StartWindowMove();
        if (m_drag != Drag::Window) return;
        [[fallthrough]];
    case Drag::Window:
        move(event->globalPosition().toPoint() - m_moveOffset);
        return;
    case Drag::Grip:
        if (!m_maximized && !m_fullScreen) ResizeByGrip(pos);
        break;
    case Drag::MapFile:
        m_mapHeight = pos.y() - kTopBandHeight;
        LayoutControls(m_clientCx, m_clientCy);
        break;
    case Drag::VideoList:
        m_listHeight = m_clientCy - pos.y() - 74;
        LayoutControls(m_clientCx, m_clientCy);
        update();
        break;
    case Drag::Columns:
        m_rightColumnWidth = m_clientCx - pos.x() - 10;
        LayoutControls(m_clientCx, m_clientCy);
        update();
        break;
    case Drag::None:
        break;
    }
    UpdateCursor(pos);
}

void CTarvoDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_drag == Drag::None) return QWidget::mouseReleaseEvent(event);
    const Drag drag = m_drag;
    m_drag = Drag::None;
    if (drag == Drag::PendingMove) return;
    releaseMouse();
    if (drag == Drag::Window) return;
    if (drag == Drag::Grip && !m_maximized && !m_fullScreen) ResizeByGrip(event->position().toPoint());
    LayoutControls(m_clientCx, m_clientCy);
    ReshowMapWindow();
}

void CTarvoDlg::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(event);
    const QWidget* speed = Control(ControlId::kSpeed);
    if (speed && speed->geometry().contains(event->position().toPoint())) return;
    OnMaximiseRestore();
}
