#include "segdisplay/styles/StyleLibrary.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/types.h>
#include <system_error>
#include <unistd.h>

namespace glintar::styles {

namespace {

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Writes `bytes` to `file` opened with `flags`, synced to disk before it is closed. A write that
// does not finish takes nothing with it: an append is cut back to where it began, a file this
// call created is removed again.
bool writeFile(const std::filesystem::path& file, int flags, std::string_view bytes)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_CLOEXEC | flags, 0666);
    if (fd < 0)
        return false;
    const off_t start = (flags & O_APPEND) ? ::lseek(fd, 0, SEEK_END) : 0;
    bool written = start >= 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (!written && (flags & O_APPEND) && start >= 0 && ::ftruncate(fd, start) == 0)
        ::fsync(fd);
    written = ::close(fd) == 0 && written;
    if (!written && (flags & O_CREAT))
        ::unlink(file.c_str());
    return written;
}

// Makes the rename itself durable.
void syncFolder(const std::filesystem::path& folder)
{
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

StyleFileContents readStyleFile(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return {FileState::Missing, {}};
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {FileState::Unrecognised, {}};
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return {FileState::Unrecognised, {}};
    auto styles = parseStyleFile(bytes);
    if (!styles)
        return {FileState::Unrecognised, {}};
    return {FileState::Ok, std::move(*styles)};
}

bool writeStyleFileAtomically(const std::filesystem::path& file,
                              const std::filesystem::path& temporary,
                              const std::vector<std::string>& records)
{
    if (!writeFile(temporary, O_CREAT | O_TRUNC, buildStyleFile(records)))
        return false;
    // rename() replaces the old file in one step: there is no moment without a library.
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(file.parent_path());
    return true;
}

bool exportStyle(const std::filesystem::path& file, const StyleRecord& style)
{
    std::filesystem::path temporary = file;
    temporary.replace_filename("~" + file.filename().string() + ".tmp");
    return writeStyleFileAtomically(file, temporary, {encodeRecord(style)});
}

StyleLibrary::StyleLibrary(const std::filesystem::path& folder)
    : m_path(folder / kFileName), m_temporary(folder / kTemporaryName)
{
}

bool StyleLibrary::exists() const
{
    std::error_code error;
    return std::filesystem::exists(m_path, error);
}

StyleFileContents StyleLibrary::read() const
{
    return readStyleFile(m_path);
}

WriteResult StyleLibrary::append(std::string_view record)
{
    if (!exists())
        return writeFile(m_path, O_CREAT | O_EXCL, fileHeader() + std::string(record))
                   ? WriteResult::Done
                   : WriteResult::Failed;
    if (read().state != FileState::Ok)
        return WriteResult::Unrecognised;
    return writeFile(m_path, O_APPEND, record) ? WriteResult::Done : WriteResult::Failed;
}

template <class Edit> WriteResult StyleLibrary::rewrite(std::size_t index, Edit edit)
{
    const StyleFileContents contents = read();
    if (contents.state != FileState::Ok)
        return WriteResult::Unrecognised;
    if (index >= contents.styles.size())
        return WriteResult::NoSuchStyle;
    std::vector<std::string> records;
    for (std::size_t i = 0; i < contents.styles.size(); ++i)
        edit(records, i == index, contents.styles[i].bytes);
    return writeStyleFileAtomically(m_path, m_temporary, records) ? WriteResult::Done
                                                                  : WriteResult::Failed;
}

WriteResult StyleLibrary::replace(std::size_t index, const StyleRecord& style)
{
    return rewrite(index,
                   [&](std::vector<std::string>& records, bool selected, const std::string& bytes) {
                       records.push_back(selected ? encodeRecord(style) : bytes);
                   });
}

WriteResult StyleLibrary::remove(std::size_t index)
{
    return rewrite(index,
                   [](std::vector<std::string>& records, bool selected, const std::string& bytes) {
                       if (!selected)
                           records.push_back(bytes);
                   });
}

} // namespace glintar::styles
