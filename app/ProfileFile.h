// Reads and writes "key=value" entries of an INI file the way a person edits it by hand: section and
// key names match without regard to case, values are the text after "=" (trimmed, one pair of
// surrounding quotes removed), and a write changes only the lines of the keys it sets, so comments,
// other sections, unknown keys and the file's own spelling of names stay as they are. UTF-8.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace Profile {

using Entries = std::vector<std::pair<QString, QString>>;  // key, value

// The value of key in the first section of that name; nothing when absent.
std::optional<QString> FindValue(const QByteArray& content, const QString& section, const QString& key);

// content with the entries set in section; a missing key is added after the section's last entry,
// a missing section is appended at the end.
QByteArray AssignValues(const QByteArray& content, const QString& section, const Entries& entries);

// False for values that cannot be stored on one line (line breaks, NUL).
bool IsStorable(const QString& value);

// Decimal integer at the start of a value (sign and digits, clamped to int); nothing without digits.
std::optional<int> ParseInt(const QString& value);

// File access: a missing or unreadable file reads as empty. A write replaces the file as a whole
// (written to a temporary file and renamed over it), so a crash never leaves half a file.
std::optional<QString> ReadValue(const QString& path, const QString& section, const QString& key);
bool WriteValues(const QString& path, const QString& section, const Entries& entries);

}  // namespace Profile
