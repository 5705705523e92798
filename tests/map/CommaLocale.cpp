#include "CommaLocale.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <locale>
#include <optional>

namespace maptest {

namespace {
const std::string& LocaleFolder(std::string& why) {
    static std::string folder;
    static std::string failure;
    static bool tried = false;
    if (!tried) {
        tried = true;
        char pattern[] = "/tmp/norvik-locale-XXXXXX";
        if (!mkdtemp(pattern)) {
            failure = "cannot make a temporary folder";
        } else {
            const std::string command =
                std::string("localedef -i de_DE -f UTF-8 ") + pattern + "/de_DE.UTF-8 >/dev/null 2>&1";
            // localedef exits 1 for mere warnings; the compiled folder is what counts.
            (void)std::system(command.c_str());
            if (std::filesystem::exists(std::string(pattern) + "/de_DE.UTF-8/LC_NUMERIC")) folder = pattern;
            else failure = "localedef could not compile de_DE.UTF-8 (Debian package locales missing?)";
        }
    }
    why = failure;
    return folder;
}

std::optional<std::string> g_savedTz;
bool g_tzSaved = false;
}  // namespace

bool UseCommaDecimalLocale(std::string& why) {
    const std::string& folder = LocaleFolder(why);
    if (folder.empty()) return false;
    setenv("LOCPATH", folder.c_str(), 1);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        why = "setlocale refused the compiled de_DE.UTF-8";
        return false;
    }
    try {
        std::locale::global(std::locale("de_DE.UTF-8"));
    } catch (const std::exception&) {
        why = "std::locale refused de_DE.UTF-8";
        UseClassicLocale();
        return false;
    }
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    if (std::string(probe) != "1,5") {
        why = "de_DE.UTF-8 does not print a decimal comma";
        UseClassicLocale();
        return false;
    }
    return true;
}

void UseClassicLocale() {
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
}

void SetTimeZone(const char* tz) {
    if (!g_tzSaved) {
        const char* old = std::getenv("TZ");
        g_savedTz = old ? std::optional<std::string>(old) : std::nullopt;
        g_tzSaved = true;
    }
    setenv("TZ", tz, 1);
    tzset();
}

void RestoreTimeZone() {
    if (!g_tzSaved) return;
    if (g_savedTz) setenv("TZ", g_savedTz->c_str(), 1);
    else unsetenv("TZ");
    g_tzSaved = false;
    tzset();
}

}  // namespace maptest

// glibc's setlocale keeps the search list it builds from LOCPATH (a few bytes per call); that is the
// C library's, not ours, so the leak checker is told to pass over it.
extern "C" const char* __lsan_default_suppressions() { return "leak:__argz_add_sep\n"; }
