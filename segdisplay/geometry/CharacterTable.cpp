#include "segdisplay/geometry/CharacterTable.h"

#include <array>
#include <string_view>

namespace glintar
{
namespace
{

// Segment letters to a mask; "+" stands for the plus bar.
constexpr SegmentMask lit(std::string_view letters)
{
    SegmentMask mask = 0;
    for (const char letter : letters)
        mask |= letter == '+' ? segmentBit(Segment::PlusBar)
                              : segmentBit(static_cast<Segment>(letter - 'a'));
    return mask;
}

struct Row {
    std::string_view characters; // the characters that look alike
    SegmentMask segments;
};

// Several letters share a shape where seven segments cannot tell them apart.
constexpr Row kRows[] = {
    {" ", lit("")},           {"+", lit("g+")},      {"-", lit("g")},      {"0Oo", lit("abcdef")},
    {"1Ii", lit("ef")},       {"2Zz", lit("acdfg")}, {"3", lit("adefg")},  {"4", lit("befg")},
    {"5Ss", lit("abdeg")},    {"6", lit("abcdeg")},  {"7", lit("aef")},    {"8", lit("abcdefg")},
    {"9", lit("abdefg")},     {"Aa", lit("abcefg")}, {"Bb", lit("bcdeg")}, {"Cc", lit("abcd")},
    {"Dd", lit("cdefg")},     {"Ee", lit("abcdg")},  {"Ff", lit("abcg")},  {"Gg", lit("abcde")},
    {"HhKkXx", lit("bcefg")}, {"Jj", lit("def")},    {"Ll", lit("bcd")},   {"MmNn", lit("ceg")},
    {"Pp", lit("abcfg")},     {"Qq", lit("abefg")},  {"Rr", lit("cg")},    {"Tt", lit("efg")},
    {"UuVvWw", lit("bcdef")}, {"Yy", lit("bdefg")},
};

// Every listed character is 7-bit; a direct index by character keeps the per-cell lookup of a
// partial repaint trivial. Entries of -1 are characters that are not drawn.
constexpr std::array<int, 128> kByCharacter = [] {
    std::array<int, 128> table{};
    table.fill(-1);
    for (const Row& row : kRows)
        for (const char character : row.characters)
            table[static_cast<unsigned char>(character)] = row.segments;
    return table;
}();

} // namespace

std::optional<SegmentMask> litSegments(char32_t character)
{
    if (character >= kByCharacter.size() || kByCharacter[character] < 0)
        return std::nullopt;
    return static_cast<SegmentMask>(kByCharacter[character]);
}

} // namespace glintar
