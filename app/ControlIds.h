// Ids of the main window's controls, as the command handlers and the layout know them.
#pragma once

namespace ControlId {
constexpr int kOpen = 1001;
constexpr int kVideoSurface = 1002;
constexpr int kGSensorCurve = 1003;
constexpr int kMapPlaceholder = 1004;
constexpr int kSave = 1005;
constexpr int kSnap = 1006;
constexpr int kVideoBackground = 1007;
constexpr int kPositionSlider = 1008;
constexpr int kGps = 1010;
constexpr int kDelete = 1013;
constexpr int kPlay = 1015;
constexpr int kStop = 1016;
constexpr int kFast = 1017;
constexpr int kVolumeSlider = 1019;
constexpr int kLoop = 1021;
constexpr int kFlip = 1022;
constexpr int kKml = 1023;
constexpr int kMapSwitch = 1024;
constexpr int kGSensorSwitch = 1025;
constexpr int kLock = 1026;
constexpr int kFileList = 1027;
constexpr int kGroupList = 1028;
constexpr int kMinimise = 1044;
constexpr int kClose = 1045;
constexpr int kMute = 1046;
constexpr int kLogo = 1050;
constexpr int kSmall = 1052;
constexpr int kSpeed = 1056;
constexpr int kMedium = 1059;
constexpr int kLarge = 1060;
constexpr int kStatusBoard = 1061;
constexpr int kBanner = 1064;
constexpr int kNext = 1068;
constexpr int kMaximise = 4;
constexpr int kHelp = 57670;
}  // namespace ControlId
