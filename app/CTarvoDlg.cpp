#include "app/CTarvoDlg.h"

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

#include "app/CTarvoFileOpsHost.h"
#include "app/CTarvoPlaybackHost.h"
#include "app/FolderScanTask.h"
#include "app/CTarvoSettings.h"
#include "app/ControlIds.h"
#include "app/Placeholders.h"
#include "app/ShellDialogs.h"
#include "app/TextIds.h"
#include "app/TimerIds.h"
#include "catalogue/CatalogueViews.h"
#include "catalogue/views/CTarvoFileListCtrl.h"
#include "catalogue/views/CTarvoGroupListCtrl.h"
#include "controls/CGSensorCtrl.h"
#include "controls/CGdipButton.h"
#include "controls/CKeldaToolTipCtrl.h"
#include "controls/CMySliderControl.h"
#include "controls/CPngStatic.h"
#include "controls/CSpeedLabelStatic.h"
#include "controls/CStatusBoardStatic.h"
#include "controls/CVideoSlider.h"
#include "controls/CVideoStatic.h"
#include "controls/CVideoStaticBg.h"
#include "controls/ToolTipTable.h"
#include "map/CHtmlMapDlg.h"
#include "map/MapPages.h"
#include "playback/PlaybackController.h"
#include "playback/ScreenSaverInhibitor.h"

using namespace ControlId;

namespace {
constexpr int kStartVolume = 100;
// The map window over its placeholder (control 1004), showing the page of the settings' map type.
QWidget* CreateMapWindow(QWidget* parent, const CTarvoSettings& settings, int mapType) {
    auto* placeholder = new MapWindowPlaceholder(parent);
    placeholder->setGeometry(TemplateRectPixels(397, 26, 216, 187));
    auto* map = new CHtmlMapDlg(parent);
    map->SetGoogleMapKey(ReadGoogleMapKey(settings));
    if (!map->CreateInPlace(parent, [placeholder](int id) { return id == kMapPlaceholder ? placeholder : nullptr; })) {
        delete map;
        return placeholder;
    }
    map->SetMapType(mapType);
    return map;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/%1/norvik.png").arg(size), QSize(size, size));
    return icon;
}

const QRect kTemplateCurve = TemplateRectPixels(7, 252, 386, 44);

CPngStatic* NewPngStatic(QWidget* parent, unsigned pngId, bool colour) {
    auto* image = new CPngStatic(parent);
    image->SetPicture(pngId);
    image->SetColour(colour);
    return image;
}
}  // namespace

CTarvoDlg::CTarvoDlg(CTarvoSettings& settings, ShellOptions options, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_settings(settings),
      m_options(std::move(options)),
      m_ownDialogs(m_options.dialogs ? nullptr : std::make_unique<QtShellDialogs>()),
      m_dialogs(m_options.dialogs ? m_options.dialogs : m_ownDialogs.get()),
      m_engine(std::make_unique<CVlcPlayer>(m_options.engine)),
      m_curveHeight(kTemplateCurve.height()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setWindowIcon(ProgramIcon());
    m_mapType = m_settings.ReadMapType();

    CreateControls();
    m_mapEnabled = m_settings.ReadMapEnabled();
    m_gsensorEnabled = m_settings.ReadGSensorEnabled();
    if (!m_gsensorEnabled) Control(kGSensorCurve)->hide();
    InitEngine();
    CreatePlayback();
    // The browser emulation check reads Windows registry keys; there is nothing to check here.
    PlaceWindowAtStart();
    LayoutControls(m_clientCx, m_clientCy);
    if (!m_mapEnabled) {
        m_mapWindow->hide();
        m_mapWindow->setEnabled(false);
    }
    m_toolTips = new CKeldaToolTipCtrl(this, [this](int id) { return m_settings.LoadText(id); });
    SetupToolTips(*m_toolTips, [this](int id) { return Control(id); },
                  [this](int id) { return m_settings.LoadText(id); });
    m_videoSurface->hide();
    m_groupListView = dynamic_cast<IGroupListView*>(Control(kGroupList));
    m_fileListView = dynamic_cast<IFileListView*>(Control(kFileList));
    m_catalog.Init(m_groupListView, m_fileListView, dynamic_cast<IGSensorCurveView*>(Control(kGSensorCurve)),
                   dynamic_cast<IMapView*>(m_mapWindow), nullptr);
    CreateFileOperations();
    for (int id : {kPositionSlider, kVolumeSlider, kGroupList, kFileList}) FilterInputWhileBusy(Control(id));
    ConnectCommands();
    ConnectPlaybackCommands();
    StartTimer(TimerId::kApplySeek);
    StartTimer(TimerId::kDelayedOpen);
    StartTimer(TimerId::kSliderReset);
}

// The engine goes first: destroying it detaches the callback that calls into the controller.
CTarvoDlg::~CTarvoDlg() {
    StopScan();
    m_engine.reset();
}

QWidget* CTarvoDlg::AddControl(int id, QWidget* widget) {
    SetControlId(widget, id);
    m_controls[id] = widget;
    return widget;
}

CGdipButton* CTarvoDlg::AddButton(int id, unsigned image, unsigned alternate, bool toggling) {
    auto* button = new CGdipButton(this);
    button->SetStandardImage(image);
    if (alternate != 0) button->SetAlternateImage(alternate);
    if (toggling) button->SetToggleMode();
    AddControl(id, button);
    return button;
}

// Children are created bottom of the z-order first, so the video background ends up lowest.
void CTarvoDlg::CreateControls() {
    m_videoBackground = new CVideoStaticBg(this, this);
    AddControl(kVideoBackground, m_videoBackground);
    m_videoSurface = AddControl(kVideoSurface, new CVideoStatic(this, this));
    AddButton(kPlay, 129, 132, true);
    AddControl(kGSensorCurve, new CGSensorCtrl(this))->setGeometry(kTemplateCurve);
    AddControl(kPositionSlider, new CVideoSlider(this, this));
    AddControl(kGps, NewPngStatic(this, 150, false))->setGeometry(TemplateRectPixels(186, 5, 19, 16));
    AddButton(kOpen, 139)->resize(48, 36);
    AddButton(kSave, 141)->resize(48, 36);
    AddButton(kSnap, 140)->resize(48, 36);
    AddButton(kDelete, 142)->resize(48, 36);
    AddButton(kStop, 133);
    AddButton(kFast, 136);
    AddButton(kClose, 151);
    AddButton(kMinimise, 153);
    AddButton(kHelp, 154)->hide();
    AddControl(kVolumeSlider, new CMySliderControl(this, this));
    AddButton(kLoop, 143, 176, true)->resize(48, 48);
    CGdipButton* flip = AddButton(kFlip, 0);
    flip->hide();
    flip->setEnabled(false);
    AddButton(kKml, 145)->resize(48, 48);
    AddButton(kMapSwitch, 146)->resize(48, 48);
    AddButton(kGSensorSwitch, 147)->resize(48, 48);
    AddButton(kLock, 148)->resize(48, 48);
    AddButton(kMaximise, 152);
    AddButton(kMute, 156, 155, true);
    AddControl(kGroupList, new CTarvoGroupListCtrl(this));
    AddControl(kFileList, new CTarvoFileListCtrl(this));
    AddControl(kLogo, NewPngStatic(this, 157, true))->setGeometry(8, 4, 40, 40);
    AddControl(kSpeed, new CSpeedLabelStatic(this))->setGeometry(TemplateRectPixels(293, 0, 60, 20));
    AddButton(kSmall, 1045);
    AddButton(kMedium, 187);
    AddButton(kLarge, 188);
    auto* board = new CStatusBoardStatic(this);
    board->SetBarBitmap(189);
    AddControl(kStatusBoard, board)->hide();
    QWidget* banner = AddControl(kBanner, new CPngStatic(this));
    banner->setGeometry(TemplateRectPixels(35, 1, 24, 8));
    banner->setEnabled(false);
    AddButton(kNext, 203);
    m_mapWindow = CreateMapWindow(this, m_settings, m_mapType);

    // The video surface lies over its background; nothing else overlaps.
    m_videoBackground->lower();
}

QWidget* CTarvoDlg::Control(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

CGdipButton* CTarvoDlg::Button(int id) const { return qobject_cast<CGdipButton*>(Control(id)); }

void CTarvoDlg::AttachEngineWindow() {
    if (!m_engine || !m_engine->IsLoaded() || QGuiApplication::platformName() != QLatin1String("xcb")) return;
    const WId window = m_videoSurface->internalWinId() ? m_videoSurface->internalWinId() : m_videoSurface->winId();
    if (window == m_engineWindow) return;
    m_engineWindow = window;
    m_engine->SetHwnd(static_cast<uint32_t>(window));
}

void CTarvoDlg::InitEngine() {
    if (m_engine->IsLoaded()) {
        AttachEngineWindow();
        m_videoSurface->installEventFilter(this);
        m_engine->SetRate(1.0f);
        m_engine->SetVolume(kStartVolume);
    } else {
        m_dialogs->ShowMessage(this, m_settings.LoadText(TextId::kWarning), m_settings.LoadText(TextId::kEngineMissing));
    }
}

void CTarvoDlg::PlaceWindowAtStart() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const QRect placed = m_settings.ReadWindowPos(area.isValid() ? area : QRect());
    setWindowTitle(m_title);
    setGeometry(placed);
    m_clientCx = placed.width();
    m_clientCy = placed.height();
}

QRect CTarvoDlg::NearestMonitor() const {
    const QRect frame = geometry();
    if (m_options.nearestMonitor) return m_options.nearestMonitor(frame);
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen) screen = this->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(frame.topLeft(), frame.size());
}
