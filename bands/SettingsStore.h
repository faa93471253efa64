#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane
{

// The program's options and a little run state, kept between runs as text values in section
// [StartUp] of a per-user INI file. Key names match without regard to letter case, and a key has
// one entry whatever case it is written in.
//
// Nothing is cached: every read opens the file, so a reader (also in another process) sees the
// last write, and every write replaces the whole file crash-safely (a temporary file in the same
// folder renamed over the old one), so a crash leaves either the old or the new file.
//
// A file that cannot be read or written does not stop the program: readers get their defaults,
// writes are dropped, and the user is told once, through the callback.
class SettingsStore
{
public:
    using TellUser = std::function<void(const std::string& message)>;

    SettingsStore(std::filesystem::path file, TellUser tellUser);

    // $XDG_CONFIG_HOME/Orvane/Orvane.conf, with ~/.config when XDG_CONFIG_HOME is not set.
    static std::filesystem::path defaultPath();

    const std::filesystem::path& path() const { return m_file; }

    // The stored text, or nullopt when the key is absent or the file cannot be read.
    std::optional<std::string> read(std::string_view key) const;

    // Typed readers: the stored value, or `fallback` when the key is absent or its text does not
    // hold a value of the type.
    bool readBool(std::string_view key, bool fallback) const;
    std::int32_t readInt32(std::string_view key, std::int32_t fallback) const;
    std::int16_t readInt16(std::string_view key, std::int16_t fallback) const;
    float readSingle(std::string_view key, float fallback) const;
    double readDouble(std::string_view key, double fallback) const;

    // Creates or replaces the entry at once. Returns false when it did not reach the file.
    bool write(std::string_view key, std::string_view text);
    bool writeBool(std::string_view key, bool value);
    bool writeWhole(std::string_view key, long long value);
    bool writeSingle(std::string_view key, float value);
    bool writeDouble(std::string_view key, double value);

private:
    // The file's lines, an empty list for a missing file, nullopt when it cannot be read.
    std::optional<std::vector<std::string>> loadLines() const;
    void fail(const std::string& what, const std::string& reason) const;

    std::filesystem::path m_file;
    TellUser m_tellUser;
    mutable bool m_told = false;
};

} // namespace orvane
