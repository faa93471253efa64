// The library on disk: appending, rewriting around one record, exporting, and that a rewrite
// that cannot finish leaves the old library as it was.

#include "segdisplay/styles/StyleLibrary.h"

#include "tests/support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace glintar::styles {
namespace {

std::string contents(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void put(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

StyleRecord named(const std::string& description, int captions)
{
    StyleRecord s;
    s.description = description;
    s.alphaText = description;
    s.captionNum = captions;
    for (int i = 0; i < captions; ++i)
        s.captions.push_back({"caption " + std::to_string(i), 0, 0.1 * i, 0xFF, 0.5});
    s.fonts = {{false, false, "Arial", 9, false, false, 400}};
    return s;
}

class StyleLibraryTest : public testing::Test {
protected:
    orvane::test::TempDir dir;
    StyleLibrary library{dir.path};

    // A library of three styles of different sizes, as Add builds it.
    void threeStyles()
    {
        for (const auto& [name, captions] : {std::pair{"Red", 0}, {"Green", 2}, {"Blue", 1}})
            ASSERT_EQ(library.append(encodeRecord(named(name, captions))), WriteResult::Done);
    }

    std::vector<std::string> descriptions()
    {
        std::vector<std::string> names;
        for (const StoredStyle& s : library.read().styles)
            names.push_back(s.record.description);
        return names;
    }

    bool temporaryLeftBehind() { return std::filesystem::exists(dir.path / "~Glintar.tmp"); }
};

TEST_F(StyleLibraryTest, TheFirstAddCreatesHeaderAndRecord)
{
    EXPECT_EQ(library.path(), dir.path / "Glintar.varnok");
    EXPECT_EQ(library.read().state, FileState::Missing);
    ASSERT_EQ(library.append(encodeRecord(named("Green", 0))), WriteResult::Done);
    EXPECT_EQ(contents(library.path()), fileHeader() + encodeRecord(named("Green", 0)));
    threeStyles();
    EXPECT_EQ(descriptions(), (std::vector<std::string>{"Green", "Red", "Green", "Blue"}));
}

TEST_F(StyleLibraryTest, DeletingTheMiddleOfThreeShrinksTheFileByExactlyThatRecord)
{
    threeStyles();
    const std::string before = contents(library.path());
    const auto styles = library.read().styles;

    ASSERT_EQ(library.remove(1), WriteResult::Done);

    const std::string after = contents(library.path());
    EXPECT_EQ(before.size() - after.size(), styles[1].bytes.size());
    EXPECT_EQ(after, fileHeader() + styles[0].bytes + styles[2].bytes);
    EXPECT_EQ(descriptions(), (std::vector<std::string>{"Red", "Blue"}));
    EXPECT_FALSE(temporaryLeftBehind());
}

TEST_F(StyleLibraryTest, ModifyReplacesOneRecordAndKeepsTheOthersByteForByte)
{
    threeStyles();
    const auto styles = library.read().styles;
    const StyleRecord replacement = named("Amber", 3);

    ASSERT_EQ(library.replace(0, replacement), WriteResult::Done);

    EXPECT_EQ(contents(library.path()),
              fileHeader() + encodeRecord(replacement) + styles[1].bytes + styles[2].bytes);
    EXPECT_FALSE(temporaryLeftBehind());
}

TEST_F(StyleLibraryTest, RecordsFromElsewhereKeepTheirBytesThroughARewrite)
{
    // A font list with a lower bound of 1: a file written by another program. Rewriting the
    // library around it must not normalise it.
    std::string foreign = encodeRecord(named("Foreign", 0));
    put(library.path(), fileHeader() + foreign);
    ASSERT_EQ(library.append(encodeRecord(named("Ours", 0))), WriteResult::Done);
    const auto stored = library.read().styles;
    ASSERT_EQ(stored.size(), 2u);
    foreign = stored[0].bytes;
    foreign[135 + std::string("Foreign").size() - 1] = 1; // the font list's lower bound
    put(library.path(), fileHeader() + foreign + stored[1].bytes);

    ASSERT_EQ(library.remove(1), WriteResult::Done);
    EXPECT_EQ(contents(library.path()), fileHeader() + foreign);
}

TEST_F(StyleLibraryTest, ARewriteThatCannotFinishLeavesTheLibraryAsItWas)
{
    threeStyles();
    const std::string before = contents(library.path());
    // The temporary file cannot be created: something else holds its name.
    std::filesystem::create_directory(dir.path / "~Glintar.tmp");

    EXPECT_EQ(library.remove(1), WriteResult::Failed);
    EXPECT_EQ(library.replace(0, named("Amber", 0)), WriteResult::Failed);
    EXPECT_EQ(contents(library.path()), before);
}

TEST_F(StyleLibraryTest, AnUnreadableLibraryIsNeitherAppendedToNorRewritten)
{
    const std::string text = "Glintar styles\nGreen = 0x408000\n";
    put(library.path(), text);
    EXPECT_EQ(library.read().state, FileState::Unrecognised);
    EXPECT_EQ(library.append(encodeRecord(named("Green", 0))), WriteResult::Unrecognised);
    EXPECT_EQ(library.remove(0), WriteResult::Unrecognised);
    EXPECT_EQ(library.replace(0, named("Green", 0)), WriteResult::Unrecognised);
    EXPECT_EQ(contents(library.path()), text);
}

TEST_F(StyleLibraryTest, AStyleThatIsNoLongerThereIsReported)
{
    threeStyles();
    EXPECT_EQ(library.remove(3), WriteResult::NoSuchStyle);
    EXPECT_EQ(descriptions().size(), 3u);
}

TEST_F(StyleLibraryTest, ExportReplacesALongerFileWithHeaderAndOneRecord)
{
    const auto file = dir.path / "green.varnok";
    put(file, std::string(5000, 'x'));
    ASSERT_TRUE(exportStyle(file, named("Green", 1)));
    EXPECT_EQ(contents(file), fileHeader() + encodeRecord(named("Green", 1)));
    EXPECT_FALSE(std::filesystem::exists(dir.path / "~green.varnok.tmp"));
}

} // namespace
} // namespace glintar::styles
