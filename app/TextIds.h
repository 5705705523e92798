// String ids of the user-interface texts, looked up with LoadText (language setting) or
// LoadSystemText (system language).
#pragma once

#include <array>

namespace TextId {
constexpr int kAboutItem = 101;      // system menu item and About box title
constexpr int kEngineError = 102;    // shown in the system language
constexpr int kSocketsFailed = 103;  // shown in the system language
constexpr int kColumnGroup = 116;
constexpr int kColumnResolution = 117;
constexpr int kColumnStartTime = 118;
constexpr int kColumnLength = 119;
constexpr int kColumnFileSize = 120;
constexpr int kColumnId = 121;
constexpr int kColumnFileName = 122;
constexpr int kColumnEndTime = 123;
constexpr int kColumnFolder = 124;
constexpr int kKmlSaved = 125;   // %s = path
constexpr int kKmlFailed = 126;  // %s = path
constexpr int kKmlCaption = 127;
constexpr int kDeleteCaption = 128;
constexpr int kDeleteConfirm = 129;
constexpr int kSelectFolder = 130;
constexpr int kWarning = 131;
constexpr int kFolderMissing = 132;
constexpr int kEngineMissing = 133;
constexpr int kTipPlay = 134;
constexpr int kNothingSelected = 135;
constexpr int kNoFiles = 136;
constexpr int kTipSmallWindow = 137;
constexpr int kTipMediumWindow = 138;
constexpr int kTipLargeWindow = 139;
constexpr int kOverwriteCaption = 140;
constexpr int kOverwriteConfirm = 141;  // %s = path
constexpr int kSelectionCaption = 144;
constexpr int kOkCaption = 145;
constexpr int kProtectedNoDelete = 146;  // only the Japanese table holds it
constexpr int kCopyFailed = 147;         // %s = path; caption kWarning
constexpr int kTipOpen = 179;
constexpr int kTipSnapshot = 180;
constexpr int kTipSaveAs = 181;
constexpr int kTipDelete = 182;
constexpr int kTipStop = 185;
constexpr int kTipFaster = 186;
constexpr int kTipVolume = 187;
constexpr int kTipMute = 188;
constexpr int kTipAutoPlay = 189;
constexpr int kTipKml = 191;
constexpr int kTipMap = 192;
constexpr int kTipGSensor = 193;
constexpr int kTipUnlock = 194;
constexpr int kTipClose = 195;
constexpr int kTipMaximise = 196;
constexpr int kTipMinimise = 197;
constexpr int kTipAbout = 198;
constexpr int kTipSpeedUnit = 199;
constexpr int kTipSlower = 204;  // the NEXT button lowers the playback rate

inline constexpr std::array kAll = {
    kAboutItem,       kEngineError,      kSocketsFailed,    kColumnGroup,      kColumnResolution,
    kColumnStartTime, kColumnLength,     kColumnFileSize,   kColumnId,         kColumnFileName,
    kColumnEndTime,   kColumnFolder,     kKmlSaved,         kKmlFailed,        kKmlCaption,
    kDeleteCaption,   kDeleteConfirm,    kSelectFolder,     kWarning,          kFolderMissing,
    kEngineMissing,   kTipPlay,          kNothingSelected,  kNoFiles,          kTipSmallWindow,
    kTipMediumWindow, kTipLargeWindow,   kOverwriteCaption, kOverwriteConfirm, kSelectionCaption,
    kOkCaption,       kProtectedNoDelete, kCopyFailed,      kTipOpen,          kTipSnapshot,
    kTipSaveAs,       kTipDelete,        kTipStop,          kTipFaster,        kTipVolume,
    kTipMute,         kTipAutoPlay,      kTipKml,           kTipMap,           kTipGSensor,
    kTipUnlock,       kTipClose,         kTipMaximise,      kTipMinimise,      kTipAbout,
    kTipSpeedUnit,    kTipSlower,
};
}  // namespace TextId
