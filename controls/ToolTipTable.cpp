#include "controls/ToolTipTable.h"

#include "app/CTarvoSettings.h"
#include "app/TextIds.h"
#include "controls/CKeldaToolTipCtrl.h"

const std::array<ToolTipRow, 23> kToolTipTable = {{
    {57670, TextId::kTipAbout},
    {1013, TextId::kTipDelete},
    {1045, TextId::kTipClose},
    {1017, TextId::kTipFaster},
    {1025, TextId::kTipGSensor},
    {1023, TextId::kTipKml},
    {1026, TextId::kTipUnlock},
    {1021, TextId::kTipAutoPlay},
    {1024, TextId::kTipMap},
    {4, TextId::kTipMaximise},
    {1044, TextId::kTipMinimise},
    {1001, TextId::kTipOpen},
    {1015, TextId::kTipPlay},
    {1005, TextId::kTipSaveAs},
    {1068, TextId::kTipSlower},
    {1006, TextId::kTipSnapshot},
    {1016, TextId::kTipStop},
    {1046, TextId::kTipMute},
    {1019, TextId::kTipVolume},
    {1056, TextId::kTipSpeedUnit},
    {1052, TextId::kTipSmallWindow},
    {1059, TextId::kTipMediumWindow},
    {1060, TextId::kTipLargeWindow},
}};

const std::array<int, 23> kToolTipEntryOrder = {57670, 1013, 1045, 1017, 1025, 1023, 1026, 1021,
                                                1024,  4,    1044, 1001, 1015, 1005, 1006, 1016,
                                                1046,  1019, 1056, 1052, 1059, 1060, 1068};

void SetupToolTips(CKeldaToolTipCtrl& tips, const std::function<QWidget*(int ctrlId)>& control,
                   const std::function<QString(int textId)>& text) {
    const auto lookup = text ? text : [](int id) { return CTarvoSettings::Instance().LoadText(id); };
    tips.RemoveAllToolWindows();
    tips.m_entries.clear();
    for (const ToolTipRow& row : kToolTipTable) {
        QWidget* window = control ? control(row.ctrlId) : nullptr;
        if (!window)
            continue;
        SetControlId(window, row.ctrlId);
        tips.AddToolWindow(window, lookup(row.textId));
    }
    for (int ctrlId : kToolTipEntryOrder)
        tips.m_entries.push_back({ctrlId, 0, kToolTipIconBitmap});
}
