#include "BandFiles.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace orvane {

namespace fs = std::filesystem;

fs::path defaultBandFolder()
{
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
        return fs::path(data) / "Orvane";
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : ".") / ".local/share/Orvane";
}

fs::path bandFilePath(const fs::path& folder, int slot)
{
    return folder / ("APP" + std::to_string(slot) + ".dat");
}

namespace {

std::vector<std::uint8_t> readAll(const fs::path& file, std::string* error)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        if (error && fs::exists(file))
            *error = "Cannot read " + file.string() + ": " + std::strerror(errno);
        return {};
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool writeFully(int fd, const std::uint8_t* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

BandConfig readBandFile(const fs::path& file, std::string* error)
{
    return decodeBandRecord(readAll(file, error));
}

std::string writeBandFile(const fs::path& file, const BandConfig& band)
{
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);

    std::string readError;
    std::vector<std::uint8_t> contents = readAll(file, &readError);
    if (!readError.empty())
        return readError; // never replace a file whose tail we could not keep
    contents.resize(std::max(contents.size(), BandConfig::kRecordSize));
    const BandRecord record = encodeBandRecord(band);
    std::copy(record.begin(), record.end(), contents.begin());

    std::string temp = file.string() + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return "Cannot write " + file.string() + ": " + std::strerror(errno);
    const bool written = ::fchmod(fd, 0644) == 0 &&
                         writeFully(fd, contents.data(), contents.size()) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    ::close(fd);
    if (!written || ::rename(temp.c_str(), file.c_str()) != 0) {
        const int why = written ? errno : writeErrno;
        ::unlink(temp.c_str());
        return "Cannot write " + file.string() + ": " + std::strerror(why);
    }
    return {};
}

} // namespace orvane
