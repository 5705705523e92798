// The folder browsers of OPEN and SAVE.
#pragma once

#include <QString>
#include <optional>

class CTarvoSettings;
class IShellDialogs;
class QWidget;

// OPEN: the remembered folder preselected. After OK the choice is remembered (or an empty value
// when it does not exist) and returned; after Cancel nothing is written and nothing returned.
std::optional<QString> RunMediaOpenDialog(IShellDialogs& dialogs, CTarvoSettings& settings, QWidget* owner);

// SAVE: nothing preselected, nothing remembered.
std::optional<QString> RunCopyTargetDialog(IShellDialogs& dialogs, const CTarvoSettings& settings, QWidget* owner);
