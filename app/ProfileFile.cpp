#include "app/ProfileFile.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <limits>

namespace Profile {
namespace {

struct Line {
    QByteArray text;  // without its line ending
    QByteArray ending;
};

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

// The lines of content; a leading byte-order mark is left out of the lines and kept in bom.
std::vector<Line> SplitLines(const QByteArray& content, QByteArray* bom = nullptr) {
    std::vector<Line> lines;
    qsizetype start = 0;
    if (content.startsWith(kUtf8Bom)) {
        start = 3;
        if (bom) *bom = kUtf8Bom;
    }
    while (start < content.size()) {
        qsizetype end = content.indexOf('\n', start);
        Line line;
        if (end < 0) {
            line.text = content.mid(start);
            start = content.size();
        } else {
            line.text = content.mid(start, end - start);
            line.ending = "\n";
            start = end + 1;
        }
        if (line.text.endsWith('\r')) {
            line.text.chop(1);
            line.ending.prepend('\r');
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

QByteArray JoinLines(const std::vector<Line>& lines) {
    QByteArray out;
    for (const Line& line : lines) out += line.text + line.ending;
    return out;
}

bool SameName(const QByteArray& a, const QString& b) { return QString::fromUtf8(a).compare(b, Qt::CaseInsensitive) == 0; }

bool IsComment(const QByteArray& trimmed) { return trimmed.startsWith(';') || trimmed.startsWith('#'); }

// The name of a "[name]" line, or nothing.
std::optional<QByteArray> SectionName(const QByteArray& text) {
    const QByteArray trimmed = text.trimmed();
    if (!trimmed.startsWith('[')) return std::nullopt;
    const qsizetype close = trimmed.indexOf(']');
    if (close < 0) return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

struct Entry {
    qsizetype equals = -1;  // position of "=" in the line
    QByteArray key;
};

Entry ParseEntry(const QByteArray& text) {
    const QByteArray trimmed = text.trimmed();
    if (trimmed.isEmpty() || IsComment(trimmed) || trimmed.startsWith('[')) return {};
    const qsizetype equals = text.indexOf('=');
    if (equals < 0) return {};
    return {equals, text.left(equals).trimmed()};
}

QString DecodeValue(const QByteArray& raw) {
    QByteArray value = raw.trimmed();
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.mid(1, value.size() - 2);
    }
    return QString::fromUtf8(value);
}

// Quotes a value whose outer blanks or quotes would otherwise be lost on reading.
QByteArray EncodeValue(const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; };
    const bool blankEdge = !utf8.isEmpty() && (blank(utf8.front()) || blank(utf8.back()));
    const bool quoted = utf8.size() >= 2 && (utf8.front() == '"' || utf8.front() == '\'') && utf8.back() == utf8.front();
    return blankEdge || quoted ? '"' + utf8 + '"' : utf8;
}

struct SectionSpan {
    qsizetype header = -1;     // line of "[section]"
    qsizetype lastEntry = -1;  // line after which new keys go
    qsizetype end = -1;        // first line after the section
};

SectionSpan FindSection(const std::vector<Line>& lines, const QString& section) {
    SectionSpan span;
    for (qsizetype i = 0; i < static_cast<qsizetype>(lines.size()); ++i) {
        const auto name = SectionName(lines[i].text);
        if (!name) {
            if (span.header >= 0 && ParseEntry(lines[i].text).equals >= 0) span.lastEntry = i;
            continue;
        }
        if (span.header >= 0) {
            span.end = i;
            return span;
        }
        if (SameName(*name, section)) span.header = span.lastEntry = i;
    }
    if (span.header >= 0) span.end = static_cast<qsizetype>(lines.size());
    return span;
}

QByteArray DominantEnding(const std::vector<Line>& lines) {
    for (const Line& line : lines) {
        if (!line.ending.isEmpty()) return line.ending;
    }
    return "\n";
}

}  // namespace

std::optional<QString> FindValue(const QByteArray& content, const QString& section, const QString& key) {
    const std::vector<Line> lines = SplitLines(content);
    const SectionSpan span = FindSection(lines, section);
    if (span.header < 0) return std::nullopt;
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        const Entry entry = ParseEntry(lines[i].text);
        if (entry.equals >= 0 && SameName(entry.key, key)) return DecodeValue(lines[i].text.mid(entry.equals + 1));
    }
    return std::nullopt;
}

QByteArray AssignValues(const QByteArray& content, const QString& section, const Entries& entries) {
    QByteArray bom;
    std::vector<Line> lines = SplitLines(content, &bom);
    const QByteArray ending = DominantEnding(lines);
    if (!lines.empty() && lines.back().ending.isEmpty()) lines.back().ending = ending;
    for (const auto& [key, value] : entries) {
        SectionSpan span = FindSection(lines, section);
        if (span.header < 0) {
            lines.push_back({'[' + section.toUtf8() + ']', ending});
            span = {static_cast<qsizetype>(lines.size()) - 1, static_cast<qsizetype>(lines.size()) - 1,
                    static_cast<qsizetype>(lines.size())};
        }
        bool replaced = false;
        for (qsizetype i = span.header + 1; i < span.end && !replaced; ++i) {
            const Entry entry = ParseEntry(lines[i].text);
            if (entry.equals < 0 || !SameName(entry.key, key)) continue;
            lines[i].text = lines[i].text.left(entry.equals + 1) + EncodeValue(value);
            replaced = true;
        }
        if (!replaced) {
            lines.insert(lines.begin() + span.lastEntry + 1, Line{key.toUtf8() + '=' + EncodeValue(value), ending});
        }
    }
    return bom + JoinLines(lines);
}

bool IsStorable(const QString& value) {
    return !value.contains(u'\n') && !value.contains(u'\r') && !value.contains(QChar(0));
}

std::optional<int> ParseInt(const QString& value) {
    const QString text = value.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    const qsizetype digitsStart = i;
    qint64 magnitude = 0;
    constexpr qint64 kLimit = qint64(std::numeric_limits<int>::max()) + 1;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        magnitude = std::min(magnitude * 10 + (text[i].unicode() - u'0'), kLimit);
    }
    if (i == digitsStart) return std::nullopt;
    const qint64 signedValue = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<qint64>(signedValue, std::numeric_limits<int>::min(),
                                               std::numeric_limits<int>::max()));
}

std::optional<QString> ReadValue(const QString& path, const QString& section, const QString& key) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return FindValue(file.readAll(), section, key);
}

bool WriteValues(const QString& path, const QString& section, const Entries& entries) {
    for (const auto& [key, value] : entries) {
        if (key.isEmpty() || !IsStorable(key) || key.contains(u'=') || !IsStorable(value)) return false;
    }
    QByteArray content;
    QFile existing(path);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly)) return false;  // never replace a file we could not read
        content = existing.readAll();
        existing.close();
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray updated = AssignValues(content, section, entries);
    if (file.write(updated) != updated.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace Profile
