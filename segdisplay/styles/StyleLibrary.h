#pragma once

// The style library file and the single-style files exported from it, on disk. Every operation
// opens, reads or writes and closes its files before it returns. Rewrites go through a temporary
// file in the same folder that is renamed over the old one, so a crash leaves either the old
// library or the new one, never a half-written one.

#include "segdisplay/styles/StyleFile.h"

#include <filesystem>

namespace glintar::styles {

enum class FileState {
    Ok,
    Missing,
    Unrecognised, // no style file: wrong header, truncated or corrupt record, or unreadable
};

struct StyleFileContents {
    FileState state = FileState::Missing;
    std::vector<StoredStyle> styles;
};

enum class WriteResult {
    Done,
    Unrecognised, // the existing file is not a style file: it is left as it is
    NoSuchStyle,
    Failed, // the file system refused; the old file is untouched
};

StyleFileContents readStyleFile(const std::filesystem::path& file);

// Replaces `file` with the header and `records`, through `temporary`.
bool writeStyleFileAtomically(const std::filesystem::path& file,
                              const std::filesystem::path& temporary,
                              const std::vector<std::string>& records);

// A file holding the header and this one style, replacing whatever the file held.
bool exportStyle(const std::filesystem::path& file, const StyleRecord& style);

class StyleLibrary {
public:
    static constexpr const char* kFileName = "Glintar.varnok";
    static constexpr const char* kTemporaryName = "~Glintar.tmp";

    // The library "Glintar.varnok" in `folder`.
    explicit StyleLibrary(const std::filesystem::path& folder);

    const std::filesystem::path& path() const { return m_path; }
    bool exists() const;
    StyleFileContents read() const;

    // Appends a style in place, creating the library with its header when it does not exist.
    // A library that cannot be read is not appended to: its records could not be listed anyway.
    // `record` is the style's bytes as encodeRecord gives them or as another file held them.
    WriteResult append(std::string_view record);
    // The style at `index` replaced by `style`; the others keep their bytes.
    WriteResult replace(std::size_t index, const StyleRecord& style);
    WriteResult remove(std::size_t index);

private:
    template <class Edit> WriteResult rewrite(std::size_t index, Edit edit);

    std::filesystem::path m_path;
    std::filesystem::path m_temporary;
};

} // namespace glintar::styles
