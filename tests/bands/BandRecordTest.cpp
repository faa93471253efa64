#include "bands/BandConfig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orvane {
namespace {

std::vector<std::uint8_t> bytes(std::initializer_list<int> values)
{
    return {values.begin(), values.end()};
}

BandRecord fortyMetres()
{
    BandConfig band;
    band.bandNumber = 3;
    band.bandName = "40m Band";
    band.startFreq = 7000000;
    band.endFreq = 7300000;
    band.offsetOn = 1;
    band.offsetFreq = -455000;
    band.vfoCorrection = -15;
    return encodeBandRecord(band);
}

TEST(BandRecord, MatchesTheDocumentedBytes)
{
    std::vector<std::uint8_t> expected = bytes({0x03, 0x00, 0x34, 0x30, 0x6D, 0x20, 0x42, 0x61, 0x6E, 0x64});
    expected.insert(expected.end(), 12, 0x20);
    for (int b : {0xC0, 0xCF, 0x6A, 0x00, 0xA0, 0x63, 0x6F, 0x00, 0x01, 0x00, 0xA8, 0x0E, 0xF9,
                  0xFF, 0xF1, 0xFF, 0xFF, 0xFF})
        expected.push_back(static_cast<std::uint8_t>(b));
    expected.insert(expected.end(), 80, 0x00);

    const BandRecord record = fortyMetres();
    EXPECT_EQ(std::vector<std::uint8_t>(record.begin(), record.end()), expected);
}

TEST(BandRecord, DeletedRecordIsZeroNumberBlankNameAndZeros)
{
    const BandRecord record = encodeBandRecord(BandConfig{});
    std::vector<std::uint8_t> expected(2, 0x00);
    expected.insert(expected.end(), 20, 0x20);
    expected.insert(expected.end(), 98, 0x00);
    EXPECT_EQ(std::vector<std::uint8_t>(record.begin(), record.end()), expected);
}

TEST(BandRecord, RoundTripsEveryFieldIncludingExtremes)
{
    BandConfig band;
    band.bandNumber = -1;
    band.bandName = "\xE9t\xE9 band with a very long name";
    band.startFreq = std::numeric_limits<std::int32_t>::min();
    band.endFreq = std::numeric_limits<std::int32_t>::max();
    band.offsetOn = 1;
    band.offsetFreq = 9000000;
    band.vfoCorrection = -1;
    for (int k = 1; k <= 20; ++k)
        band.memCell(k) = 7000000 + k;

    const BandRecord record = encodeBandRecord(band);
    BandConfig expected = band;
    expected.bandName = "\xE9t\xE9 band with a very"; // cut at 20 single-byte characters
    EXPECT_EQ(decodeBandRecord(record), expected);
    EXPECT_EQ(record[36 + 4 * 20], (7000020 & 0xff)) << "cell k sits at offset 36 + 4k";
}

TEST(BandRecord, ShortInputIsCompletedFromTheDeletedRecord)
{
    const BandRecord full = fortyMetres();
    const BandConfig partial = decodeBandRecord(std::span(full.data(), 24));
    EXPECT_EQ(partial.bandNumber, 3);
    EXPECT_EQ(partial.bandName, "40m Band            ");
    EXPECT_EQ(partial.startFreq, 0xCFC0) << "only the first two bytes of StartFreq were there";
    EXPECT_EQ(partial.endFreq, 0);
    EXPECT_EQ(decodeBandRecord({}), BandConfig{});
}

TEST(ToHertz, RoundsToNearestWithTiesToEvenAndRefusesWhatDoesNotFit)
{
    EXPECT_EQ(toHertz(7000000.5), 7000000);
    EXPECT_EQ(toHertz(7000001.5), 7000002);
    EXPECT_EQ(toHertz(-2.5), -2);
    EXPECT_EQ(toHertz(2147483647.0), 2147483647);
    EXPECT_EQ(toHertz(-2147483648.0), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(toHertz(2147483647.5), std::nullopt);
    EXPECT_EQ(toHertz(1e12), std::nullopt);
    EXPECT_EQ(toHertz(std::nan("")), std::nullopt);
}

TEST(NumberText, GroupsInThreesLikeTheHashPattern)
{
    EXPECT_EQ(formatGrouped(0), "");
    EXPECT_EQ(formatGrouped(7), "7");
    EXPECT_EQ(formatGrouped(455000), "455,000");
    EXPECT_EQ(formatGrouped(-455000), "-455,000");
    EXPECT_EQ(formatGrouped(7040000), "7,040,000");
    EXPECT_EQ(formatGrouped(-2147483648LL), "-2,147,483,648");

    EXPECT_EQ(activatedOffsetText(true, 455000), "Offset 455,000 Hz");
    EXPECT_EQ(activatedOffsetText(true, -455000), "Offset -455,000 Hz");
    EXPECT_EQ(activatedOffsetText(true, 0), "Offset  Hz");
    EXPECT_EQ(activatedOffsetText(false, -455000), "Offset 0 Hz");
}

} // namespace
} // namespace orvane
