// Painting, sizing, keys, timers, private messages and commands of the main window.
#include "app/CTarvoDlg.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QTimerEvent>

#include "app/CAboutDlg.h"
#include "app/CTarvoSettings.h"
#include "app/ControlIds.h"
#include "app/FolderDialogs.h"
#include "app/Languages.h"
#include "app/ShellDialogs.h"
#include "app/StartupTiming.h"
#include "app/TextIds.h"
#include "app/TimerIds.h"
#include "app/WindowMessages.h"
#include "controls/CGdipButton.h"
#include "controls/GlowText.h"
#include "playback/PlaybackController.h"
#include "controls/SkinImages.h"

using namespace ControlId;

namespace {
const QColor kGripColor(150, 150, 150);
constexpr int kGripLines[] = {25, 20, 15, 10};
}  // namespace

void CTarvoDlg::ConnectCommands() {
    const auto on = [this](int id, auto handler) { connect(Button(id), &QAbstractButton::clicked, this, handler); };
    on(kClose, [this] { close(); });
    on(kMaximise, [this] { OnMaximiseRestore(); });
    on(kMinimise, [this] { OnMinimise(); });
    on(kHelp, [this] { OpenAboutBox(); });
    on(kSmall, [this] { OnPreset(PresetSize::Small); });
    on(kMedium, [this] { OnPreset(PresetSize::Medium); });
    on(kLarge, [this] { OnPreset(PresetSize::Large); });
    on(kMapSwitch, [this] { OnMapSwitch(); });
    on(kGSensorSwitch, [this] { OnGSensorSwitch(); });
    on(kOpen, [this] { OnOpen(); });
    on(kSave, [this] { OnSaveAs(); });
    on(kDelete, [this] { OnDeleteFiles(); });
    on(kLock, [this] { OnUnlockFiles(); });
    on(kKml, [this] { OnKml(); });
}

bool CTarvoDlg::IsBusy() const { return m_scan != nullptr || m_fileOperationRunning; }

void CTarvoDlg::FilterInputWhileBusy(QWidget* widget) {
    if (!widget) return;
    widget->installEventFilter(this);
    m_heldWhileBusy.insert(widget);
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        child->installEventFilter(this);
        m_heldWhileBusy.insert(child);
    }
}

bool CTarvoDlg::eventFilter(QObject* watched, QEvent* event) {
    // Qt may give the video surface a new native window before it first shows; the engine must draw
    // into the one that is on the screen.
    if (watched == m_videoSurface && event->type() == QEvent::WinIdChange)
        QMetaObject::invokeMethod(this, [this] { AttachEngineWindow(); }, Qt::QueuedConnection);
    if (IsBusy() && m_heldWhileBusy.contains(watched)) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CTarvoDlg::OpenAboutBox() {
    CAboutDlg about(m_settings, this);
    m_dialogs->RunModal(about);
}

std::unique_ptr<QMenu> CTarvoDlg::BuildTopBandMenu() {
    const QString text = LoadSystemText(TextId::kAboutItem);
    if (text.isEmpty()) return nullptr;
    auto menu = std::make_unique<QMenu>(this);
    connect(menu->addAction(text), &QAction::triggered, this, [this] { OpenAboutBox(); });
    return menu;
}

void CTarvoDlg::contextMenuEvent(QContextMenuEvent* event) {
    if (event->pos().y() >= kTopBandHeight) return QWidget::contextMenuEvent(event);
    if (std::unique_ptr<QMenu> menu = BuildTopBandMenu()) menu->exec(event->globalPos());
}

void CTarvoDlg::ApplyRegion() { setMask(MainWindowRegion(QSize(m_clientCx, m_clientCy), m_fullScreen)); }

void CTarvoDlg::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSize size = event->size();
    if (size.isEmpty()) return;
    m_clientCx = size.width();
    m_clientCy = size.height();
    ApplyRegion();
    if (size != m_lastLayoutSize) {
        LayoutControls(m_clientCx, m_clientCy);
        m_lastLayoutSize = size;
    }
    StartTimer(TimerId::kSliderReset);
    update();
}

void CTarvoDlg::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || isMinimized() || !m_minimizedByButton) return;
    m_minimizedByButton = false;
    m_videoSurface->show();
}

void CTarvoDlg::paintEvent(QPaintEvent*) {
    if (!m_painted) {
        m_painted = true;
        TimingMark("window-painted");
    }
    QPainter painter(this);
    painter.fillRect(rect(), SkinBackColor);
    painter.setPen(kGripColor);
    for (int k : kGripLines) painter.drawLine(m_clientCx - k, m_clientCy, m_clientCx, m_clientCy - k);
    if (!m_fullScreen) DrawGlowText(painter, m_title, 0, 0, kTitleSize, GlowTextStyle::Title);
}

void CTarvoDlg::closeEvent(QCloseEvent* event) {
    // A copy in progress finishes its current file and then the window closes.
    if (m_fileOperationRunning) {
        m_closeAfterFileOperation = true;
        event->ignore();
        return;
    }
    StopScan();
    if (m_engine->IsLoaded()) m_engine->Stop();
    m_settings.WriteWindowPos(geometry());
    event->accept();
}

void CTarvoDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();  // never closes the window
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Also in full screen, where PLAY is hidden but holds the focus.
        if (auto* play = Button(kPlay); play && play->isEnabled()) play->click();
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

bool CTarvoDlg::event(QEvent* event) {
    if (CWindowMessageEvent::IsWindowMessage(event)) {
        OnWindowMessage(static_cast<const CWindowMessageEvent&>(*event));
        return true;
    }
    // Enter and Escape reach the window whichever child holds the focus.
    if (event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void CTarvoDlg::OnWindowMessage(const CWindowMessageEvent& message) {
    switch (message.Code()) {
    case WindowMessage::kToggleFullScreen:
        ToggleFullScreen();
        m_playback->OnFullScreenChanged(m_fullScreen);
        break;
    case WindowMessage::kScanFinished:
        OnScanFinished();
        break;
    default:
        OnPlaybackMessage(message);
        break;
    }
}

void CTarvoDlg::StartTimer(int id) {
    const TimerSpec* timer = FindTimer(id);
    if (!timer) return;
    m_timers[id].start(timer->periodMs, this);
}

void CTarvoDlg::StopTimer(int id) {
    if (auto it = m_timers.find(id); it != m_timers.end()) it->second.stop();
}

bool CTarvoDlg::IsTimerActive(int id) const {
    const auto it = m_timers.find(id);
    return it != m_timers.end() && it->second.isActive();
}

void CTarvoDlg::timerEvent(QTimerEvent* event) {
    for (auto& [id, timer] : m_timers) {
        if (timer.timerId() != event->timerId()) continue;
        if (FindTimer(id)->once) timer.stop();
        OnTimer(id);
        return;
    }
    QWidget::timerEvent(event);
}

// The playback controller owns every timer of the table; the full-screen timer keeps the screen on.
void CTarvoDlg::OnTimer(int id) { m_playback->OnTimer(id); }
