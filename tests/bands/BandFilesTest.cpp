#include "bands/BandFiles.h"
#include "bands/BandTable.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace orvane {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(BandFiles, PathsFollowTheSlotNumber)
{
    EXPECT_EQ(bandFilePath("/d", 1), fs::path("/d/APP1.dat"));
    EXPECT_EQ(bandFilePath("/d", 15), fs::path("/d/APP15.dat"));
}

TEST(BandFiles, WriteCreatesFolderAndFileAndKeepsBytesAfterTheRecord)
{
    test::TempDir dir;
    const fs::path file = dir.path / "Orvane" / "APP2.dat";
    BandConfig band;
    band.bandNumber = 2;
    band.startFreq = 3500000;
    ASSERT_EQ(writeBandFile(file, band), "");
    EXPECT_EQ(fileBytes(file).size(), 120u);

    // A longer file, as another tool might leave it: the tail survives a write.
    std::vector<std::uint8_t> longer = fileBytes(file);
    longer.insert(longer.end(), {0xAA, 0xBB, 0xCC});
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(longer.data()),
                                                static_cast<std::streamsize>(longer.size()));
    band.endFreq = 3800000;
    ASSERT_EQ(writeBandFile(file, band), "");
    const std::vector<std::uint8_t> after = fileBytes(file);
    ASSERT_EQ(after.size(), 123u);
    EXPECT_EQ(std::vector<std::uint8_t>(after.end() - 3, after.end()),
              (std::vector<std::uint8_t>{0xAA, 0xBB, 0xCC}));
    EXPECT_EQ(readBandFile(file), band);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::others_read, fs::perms::others_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()), 1)
        << "no temporary file left behind";
}

TEST(BandFiles, MissingFileIsAnAbsentBandAndUnwritableFolderIsReported)
{
    test::TempDir dir;
    std::string error;
    EXPECT_EQ(readBandFile(dir.path / "APP9.dat", &error), BandConfig{});
    EXPECT_EQ(error, "");

    std::ofstream(dir.path / "blocker") << "a file where the folder should be";
    const std::string written = writeBandFile(dir.path / "blocker" / "APP1.dat", BandConfig{});
    EXPECT_NE(written.find("APP1.dat"), std::string::npos) << written;
}

TEST(BandTable, DeleteWritesTheEmptyRecordAndReadReplacesTheWholeSlot)
{
    test::TempDir dir;
    BandTable table(dir.path);
    table.slot(4).bandNumber = 4;
    table.slot(4).startFreq = 14000000;
    table.slot(4).memCell(20) = 14074000;
    ASSERT_EQ(table.writeBandFile(4), "");

    table.slot(4).memCell(20) = 0;
    ASSERT_EQ(table.readBandFile(4), "");
    EXPECT_EQ(table.slot(4).memCell(20), 14074000);

    ASSERT_EQ(table.deleteBand(4), "");
    EXPECT_EQ(table.slot(4), BandConfig{});
    const std::vector<std::uint8_t> bytes = fileBytes(table.bandFilePath(4));
    const BandRecord empty = encodeBandRecord(BandConfig{});
    EXPECT_EQ(bytes, std::vector<std::uint8_t>(empty.begin(), empty.end()));
}

} // namespace
} // namespace orvane
