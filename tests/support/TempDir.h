#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace orvane::test {

// A fresh folder under /tmp, removed with everything in it when the test is done.
class TempDir {
public:
    TempDir()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "orvane-test-XXXXXX").string();
        path = ::mkdtemp(pattern.data());
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::filesystem::path path;
};

} // namespace orvane::test
