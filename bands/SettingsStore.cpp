#include "SettingsStore.h"

#include "BandsLog.h"
#include "SettingsText.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace orvane
{

namespace
{

constexpr std::string_view kSection = "StartUp";

bool sameKey(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string_view trimmed(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// "[Name]" gives Name; any other line nullopt.
std::optional<std::string_view> sectionName(std::string_view line)
{
    const auto t = trimmed(line);
    if (t.size() < 2 || t.front() != '[' || t.back() != ']')
        return std::nullopt;
    return trimmed(t.substr(1, t.size() - 2));
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

// "key = value" gives both, trimmed; comments, blank lines and section headers nullopt.
std::optional<Entry> entry(std::string_view line)
{
    const auto t = trimmed(line);
    if (t.empty() || t.front() == ';' || t.front() == '#' || t.front() == '[')
        return std::nullopt;
    const auto equals = t.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return Entry{trimmed(t.substr(0, equals)), trimmed(t.substr(equals + 1))};
}

// Visits every entry of every [StartUp] section (written in any case) with its line index.
template <typename Visit>
void forEachStartUpEntry(const std::vector<std::string>& lines, Visit visit)
{
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i])) {
            inSection = sameKey(*name, kSection);
            continue;
        }
        if (!inSection)
            continue;
        if (const auto e = entry(lines[i]))
            visit(i, *e);
    }
}

QString qPath(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

} // namespace

SettingsStore::SettingsStore(std::filesystem::path file, TellUser tellUser)
    : m_file(std::move(file)), m_tellUser(std::move(tellUser))
{
}

std::filesystem::path SettingsStore::defaultPath()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::filesystem::path(base.toStdString()) / "Orvane" / "Orvane.conf";
}

std::optional<std::vector<std::string>> SettingsStore::loadLines() const
{
    QFile file(qPath(m_file));
    if (!file.exists())
        return std::vector<std::string>{};
    if (!file.open(QIODevice::ReadOnly)) {
        fail("read", file.errorString().toStdString());
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        fail("read", file.errorString().toStdString());
        return std::nullopt;
    }
    std::vector<std::string> lines;
    std::string_view rest(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        auto line = rest.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    return lines;
}

std::optional<std::string> SettingsStore::read(std::string_view key) const
{
    const auto lines = loadLines();
    if (!lines)
        return std::nullopt;
    std::optional<std::string> found;
    forEachStartUpEntry(*lines, [&](std::size_t, const Entry& e) {
        if (!found && sameKey(e.key, key))
            found = std::string(e.value);
    });
    return found;
}

namespace
{
// The stored value converted by `parse`, or the fallback, saying why when the text is unusable.
template <typename T, typename Parse>
T readConverted(const std::optional<std::string>& text, std::string_view key, T fallback,
                Parse parse)
{
    if (!text)
        return fallback;
    if (const auto value = parse(*text))
        return *value;
    qCWarning(lcBands, "Setting %.*s holds \"%s\", which is not usable; using its default",
              int(key.size()), key.data(), text->c_str());
    return fallback;
}
} // namespace

bool SettingsStore::readBool(std::string_view key, bool fallback) const
{
    return readConverted(read(key), key, fallback, parseBool);
}

std::int32_t SettingsStore::readInt32(std::string_view key, std::int32_t fallback) const
{
    return readConverted(read(key), key, fallback, parseInt32);
}

std::int16_t SettingsStore::readInt16(std::string_view key, std::int16_t fallback) const
{
    return readConverted(read(key), key, fallback, parseInt16);
}

float SettingsStore::readSingle(std::string_view key, float fallback) const
{
    return readConverted(read(key), key, fallback, parseSingle);
}

double SettingsStore::readDouble(std::string_view key, double fallback) const
{
    return readConverted(read(key), key, fallback, parseDouble);
}

bool SettingsStore::write(std::string_view key, std::string_view text)
{
    // A key or value that would break the line structure of the file is a caller's mistake.
    const bool badKey = trimmed(key).empty() || key.find_first_of("=[;#\r\n") != key.npos;
    if (badKey || text.find_first_of("\r\n") != text.npos) {
        qCWarning(lcBands, "Refusing to store a malformed setting %.*s", int(key.size()),
                  key.data());
        return false;
    }

    // Without the current content the other entries would be lost, so an unreadable file is
    // left as it is.
    auto lines = loadLines();
    if (!lines)
        return false;

    const std::string newLine = std::string(key) + "=" + std::string(text);
    std::optional<std::size_t> replaced;
    std::vector<std::size_t> duplicates;
    forEachStartUpEntry(*lines, [&](std::size_t index, const Entry& e) {
        if (!sameKey(e.key, key))
            return;
        if (replaced)
            duplicates.push_back(index);
        else
            replaced = index;
    });
    if (replaced) {
        // The key keeps the spelling it was first written with.
        const auto e = entry((*lines)[*replaced]);
        (*lines)[*replaced] = std::string(e->key) + "=" + std::string(text);
        for (auto it = duplicates.rbegin(); it != duplicates.rend(); ++it)
            lines->erase(lines->begin() + static_cast<std::ptrdiff_t>(*it));
    } else {
        // After the last entry of the first [StartUp] section, or in a new section at the end.
        std::optional<std::size_t> insertAt;
        bool inSection = false;
        for (std::size_t i = 0; i < lines->size(); ++i) {
            if (const auto name = sectionName((*lines)[i])) {
                if (insertAt)
                    break;
                inSection = sameKey(*name, kSection);
                if (inSection)
                    insertAt = i + 1;
            } else if (inSection && !trimmed((*lines)[i]).empty()) {
                insertAt = i + 1;
            }
        }
        if (insertAt) {
            lines->insert(lines->begin() + static_cast<std::ptrdiff_t>(*insertAt), newLine);
        } else {
            if (!lines->empty() && !trimmed(lines->back()).empty())
                lines->emplace_back();
            lines->push_back("[" + std::string(kSection) + "]");
            lines->push_back(newLine);
        }
    }

    const QString folder = qPath(m_file.parent_path());
    if (!QDir().mkpath(folder)) {
        fail("write", "the folder " + folder.toStdString() + " cannot be created");
        return false;
    }
    QSaveFile file(qPath(m_file));
    if (!file.open(QIODevice::WriteOnly)) {
        fail("write", file.errorString().toStdString());
        return false;
    }
    std::string content;
    for (const auto& line : *lines)
        content += line + "\n";
    file.write(content.data(), static_cast<qint64>(content.size()));
    if (!file.commit()) {
        fail("write", file.errorString().toStdString());
        return false;
    }
    return true;
}

bool SettingsStore::writeBool(std::string_view key, bool value)
{
    return write(key, formatBool(value));
}

bool SettingsStore::writeWhole(std::string_view key, long long value)
{
    return write(key, formatWhole(value));
}

bool SettingsStore::writeSingle(std::string_view key, float value)
{
    return write(key, formatSingle(value));
}

bool SettingsStore::writeDouble(std::string_view key, double value)
{
    return write(key, formatDouble(value));
}

void SettingsStore::fail(const std::string& what, const std::string& reason) const
{
    qCWarning(lcBands, "Cannot %s settings file %s: %s", what.c_str(), m_file.c_str(),
              reason.c_str());
    if (m_told)
        return;
    m_told = true;
    if (m_tellUser)
        m_tellUser("Orvane cannot " + what + " its settings file " + m_file.string() + " (" +
                   reason + "). It runs on with default settings where needed, and changes " +
                   "made now may not be kept.");
}

} // namespace orvane
