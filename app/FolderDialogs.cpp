#include "app/FolderDialogs.h"

#include "app/CTarvoSettings.h"
#include "app/ShellDialogs.h"
#include "app/TextIds.h"

std::optional<QString> RunMediaOpenDialog(IShellDialogs& dialogs, CTarvoSettings& settings, QWidget* owner) {
    const QString remembered = settings.ReadFolder();
    std::optional<QString> chosen = dialogs.PickFolder(owner, settings.LoadText(TextId::kSelectFolder), remembered);
    if (!chosen) return std::nullopt;
    settings.WriteFolder(*chosen);
    return chosen;
}

std::optional<QString> RunCopyTargetDialog(IShellDialogs& dialogs, const CTarvoSettings& settings, QWidget* owner) {
    return dialogs.PickFolder(owner, settings.LoadText(TextId::kSelectFolder), QString());
}
