// The style file byte for byte: the header, the record layout with its worked size, and files
// that are cut short or corrupt.

#include "segdisplay/styles/StyleFile.h"

#include <gtest/gtest.h>
#include <ostream>

namespace glintar::styles {
namespace {

// The record of the worked size example: AlphaText "0", no captions, one font named Arial,
// empty Notes, the Description "Green".
StyleRecord green()
{
    StyleRecord s;
    s.alphaText = "0";
    s.fontNum = 1;
    s.fonts = {StyleFont{false, false, "Arial", 9, false, false, 400}};
    s.description = "Green";
    return s;
}

// A record that uses every kind of field, with values whose bytes are easy to tell apart.
StyleRecord busy()
{
    StyleRecord s = green();
    s.backColor = static_cast<std::int32_t>(0x80000010U);
    s.enabled = false;
    s.mousePointer = -2;
    s.mode = 1;
    s.value = -273.15;
    s.alphaText = "-273.15";
    s.blinkEnabled = true;
    s.ledSize = 0.36;
    s.decimalXOffset = -65535;
    s.captionNum = 2;
    s.captions = {{"STUDIO", 1, 0.5, 0xC0C0C0, 0.17}, {"", 0, -0.25, 0, 1.5}};
    s.fontNum = 2;
    s.fonts.push_back({true, true, "DejaVu Sans", 14, true, true, 700});
    s.notes = "line one\r\nline two";
    s.reserved = "kept";
    return s;
}

std::string file(const std::vector<StyleRecord>& records)
{
    std::vector<std::string> encoded;
    for (const StyleRecord& r : records)
        encoded.push_back(encodeRecord(r));
    return buildStyleFile(encoded);
}

TEST(StyleFile, HeaderIsTheTextPaddedWithSpacesTo80Bytes)
{
    const std::string header = fileHeader();
    ASSERT_EQ(header.size(), 80u);
    EXPECT_EQ(header.substr(0, 43), "Varnok Glintar ActiveX Config File, Ver 3.0");
    EXPECT_EQ(header.substr(43), std::string(37, ' '));
}

TEST(StyleFile, TheWorkedRecordTakes201Bytes)
{
    EXPECT_EQ(encodeRecord(green()).size(), 201u);
    // Each further caption or font character adds one byte; an empty caption list is its
    // 2-byte dimension count only.
    StyleRecord longer = green();
    longer.description = "Green2";
    EXPECT_EQ(encodeRecord(longer).size(), 202u);
}

TEST(StyleFile, FieldsAreLittleEndianInFileOrder)
{
    StyleRecord s = green();
    s.backColor = 0x00C0FFC0;
    s.enabled = true;
    s.mousePointer = 0x0102;
    s.mode = 1;
    const std::string bytes = encodeRecord(s);
    using namespace std::string_literals;
    // BackColor, Enabled (True is -1), MousePointer, AutoRedraw, Mode.
    EXPECT_EQ(bytes.substr(0, 14), "\xC0\xFF\xC0\x00\xFF\xFF\x02\x01\xFF\xFF\x01\x00\x00\x00"s);
    // AlphaText at 38: its length, then its bytes.
    EXPECT_EQ(bytes.substr(38, 3), "\x01\x00"s
                                   "0");
    // CaptionNum 0, the absent caption list, FontNum 1, then the font list's header: one
    // dimension, one element, lower bound 0.
    EXPECT_EQ(bytes.substr(119, 20), "\x00\x00\x00\x00"
                                     "\x00\x00"
                                     "\x01\x00\x00\x00"
                                     "\x01\x00"
                                     "\x01\x00\x00\x00"
                                     "\x00\x00\x00\x00"s);
    // The font entry: Bold, Italic, Name, Size 9, Strikethrough, Underline, Weight 400.
    EXPECT_EQ(bytes.substr(139, 19), "\x00\x00\x00\x00\x05\x00"
                                     "Arial"
                                     "\x09\x00\x00\x00\x00\x00\x90\x01"s);
}

TEST(StyleFile, RecordsRoundTripThroughTheFile)
{
    const std::string bytes = file({green(), busy(), StyleRecord{}});
    const auto styles = parseStyleFile(bytes);
    ASSERT_TRUE(styles);
    ASSERT_EQ(styles->size(), 3u);
    EXPECT_EQ((*styles)[0].record, green());
    EXPECT_EQ((*styles)[1].record, busy());
    EXPECT_EQ((*styles)[2].record, StyleRecord{});
    // Each keeps the exact bytes it took.
    EXPECT_EQ((*styles)[1].bytes, encodeRecord(busy()));
    EXPECT_EQ(fileHeader() + (*styles)[0].bytes + (*styles)[1].bytes + (*styles)[2].bytes, bytes);
}

TEST(StyleFile, AHeaderAloneIsAnEmptyLibrary)
{
    const auto styles = parseStyleFile(fileHeader());
    ASSERT_TRUE(styles);
    EXPECT_TRUE(styles->empty());
}

TEST(StyleFile, AFileCutAnywhereInsideARecordIsRejected)
{
    const std::string whole = file({green(), busy()});
    const std::size_t firstEnd = 80 + encodeRecord(green()).size();
    for (std::size_t size = 0; size < whole.size(); ++size) {
        if (size == 80 || size == firstEnd)
            continue; // cut between records: a shorter library, not a broken one
        EXPECT_FALSE(parseStyleFile(std::string_view(whole).substr(0, size))) << size << " bytes";
    }
}

// One corruption of a valid file: the bytes at `offset` (from the record's start) replaced.
struct Corruption {
    const char* what;
    std::size_t offset;
    std::string bytes;
};

void PrintTo(const Corruption& c, std::ostream* out)
{
    *out << c.what;
}

class CorruptStyleFile : public testing::TestWithParam<Corruption> {};

TEST_P(CorruptStyleFile, IsRejectedWithoutReadingPastTheEnd)
{
    const Corruption c = GetParam();
    std::string bytes = file({green()});
    bytes.replace(80 + c.offset, c.bytes.size(), c.bytes);
    EXPECT_FALSE(parseStyleFile(bytes)) << c.what;
}

using namespace std::string_literals;
INSTANTIATE_TEST_SUITE_P(
    Fields, CorruptStyleFile,
    testing::Values(Corruption{"AlphaText longer than the file", 38, "\xFF\xFF"s},
                    Corruption{"caption list with two dimensions", 123, "\x02\x00"s},
                    Corruption{"caption list with a negative dimension count", 123, "\xFF\xFF"s},
                    Corruption{"font list counting 2^31 - 1 entries", 129,
                               "\x01\x00\xFF\xFF\xFF\x7F"s},
                    Corruption{"font list with a negative count", 129, "\x01\x00\xFF\xFF\xFF\xFF"s},
                    Corruption{"font list with one entry more than is there", 129, "\x01\x00\x02"s},
                    Corruption{"font name running past the end", 143, "\xF0\x00"s},
                    Corruption{"Description longer than what is left", 192, "\x06\x00"s}));

TEST(StyleFile, AFileWithAnotherHeaderIsRejected)
{
    std::string bytes = file({green()});
    bytes[42] = '1'; // "Ver 3.1"
    EXPECT_FALSE(parseStyleFile(bytes));
    EXPECT_FALSE(parseStyleFile("Glintar styles\nGreen = 0x408000\n"));
    EXPECT_FALSE(parseStyleFile(""));
}

TEST(StyleFile, TextsTooLongForTheirLengthFieldAreCutNotWrappedRound)
{
    StyleRecord s = green();
    s.notes = std::string(70000, 'n');
    const auto styles = parseStyleFile(file({s, green()}));
    ASSERT_TRUE(styles);
    ASSERT_EQ(styles->size(), 2u);
    EXPECT_EQ((*styles)[0].record.notes.size(), 65535u);
    EXPECT_EQ((*styles)[0].record.description, "Green");
    EXPECT_EQ((*styles)[1].record, green());
}

} // namespace
} // namespace glintar::styles
