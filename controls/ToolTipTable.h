// The main window's tools and their tooltip texts, in registration order.
#pragma once

#include <array>
#include <functional>

class CKeldaToolTipCtrl;
class QString;
class QWidget;

struct ToolTipRow {
    int ctrlId;
    int textId;
};

inline constexpr unsigned kToolTipIconBitmap = 161;

// Tools, in the order they are registered with their text.
extern const std::array<ToolTipRow, 23> kToolTipTable;
// Control ids in the order their icon entries are appended.
extern const std::array<int, 23> kToolTipEntryOrder;

// Rebuilds every tool: removes all, then registers the control of each row (looked up by id; a
// missing control is skipped) with its text, tags it with its control id and appends one entry per
// id with no description and the green tick. text defaults to the settings' language.
void SetupToolTips(CKeldaToolTipCtrl& tips, const std::function<QWidget*(int ctrlId)>& control,
                   const std::function<QString(int textId)>& text = {});
