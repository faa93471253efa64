#include "segdisplay/geometry/CharacterTable.h"

#include "FrontPanel.h"
#include "segdisplay/geometry/Character.h"

#include <gtest/gtest.h>
#include <string>

namespace glintar
{
namespace
{

using fixtures::frontPanelDisplay;

// The lit segments as letters a..g, "+" for the plus bar; "absent" for no table entry.
std::string litLetters(char32_t character)
{
    const std::optional<SegmentMask> mask = litSegments(character);
    if (!mask)
        return "absent";
    std::string letters;
    for (int i = 0; i < 7; ++i)
        if (isLit(*mask, static_cast<Segment>(i)))
            letters += static_cast<char>('a' + i);
    if (isLit(*mask, Segment::PlusBar))
        letters += '+';
    return letters;
}

TEST(CharacterTable, ShapesThatMatter)
{
    struct Case {
        char32_t character;
        const char* lit;
    };
    for (const Case c : {
             Case{U'8', "abcdefg"}, {U' ', ""},       {U'+', "g+"},    {U'-', "g"},
             {U'0', "abcdef"},      {U'o', "abcdef"}, {U'1', "ef"},    {U'i', "ef"},
             {U'H', "bcefg"},       {U'h', "bcefg"},  {U'k', "bcefg"}, {U'x', "bcefg"},
             {U'M', "ceg"},         {U'm', "ceg"},    {U'N', "ceg"},   {U'n', "ceg"},
             {U'T', "efg"},         {U'7', "aef"},    {U'r', "cg"},    {U'5', "abdeg"},
         })
        EXPECT_EQ(litLetters(c.character), c.lit) << static_cast<char>(c.character);
}

TEST(CharacterTable, CharactersOutsideTheTableAreAbsent)
{
    for (const char32_t character :
         {U'.', U':', U'#', U'%', U',', U'\0', U'\x7f', U'\xb0', U'\x130', U'\x1f600'})
        EXPECT_EQ(litSegments(character), std::nullopt) << static_cast<unsigned>(character);
}

TEST(CharacterTable, EveryLetterAndDigitIsDrawable)
{
    for (char32_t c = U'0'; c <= U'9'; ++c)
        EXPECT_TRUE(litSegments(c)) << static_cast<char>(c);
    for (char32_t c = U'A'; c <= U'Z'; ++c) {
        EXPECT_TRUE(litSegments(c)) << static_cast<char>(c);
        EXPECT_TRUE(litSegments(c + 32)) << static_cast<char>(c + 32);
    }
}

const DigitCell kCell0{6, 36, 26, 44, {}};

TEST(DrawCharacter, SevenSegmentsLitOrUnlitThenThePlusBar)
{
    for (const int ledType : {0, 1}) {
        GeometryProperties p = frontPanelDisplay();
        p.ledType = ledType;
        const SegmentPolygons polygons = segmentPolygons(p, kCell0);

        const std::optional<Shapes> four = drawCharacter(p, kCell0, U'4'); // b e f g
        ASSERT_TRUE(four);
        const ColourRole roles[] = {ColourRole::Unlit, ColourRole::Lit, ColourRole::Unlit,
                                    ColourRole::Unlit, ColourRole::Lit, ColourRole::Lit,
                                    ColourRole::Lit};
        ASSERT_EQ(four->size(), 7u);
        for (std::size_t i = 0; i < 7; ++i) {
            EXPECT_EQ((*four)[i].role, roles[i]) << "segment " << i;
            EXPECT_EQ((*four)[i].outline, (decltype((*four)[i].outline){polygons.polygons[i]}));
        }

        const std::optional<Shapes> plus = drawCharacter(p, kCell0, U'+');
        ASSERT_TRUE(plus);
        ASSERT_EQ(plus->size(), 8u);
        EXPECT_EQ(plus->back(), (Shape{ColourRole::Lit, polygons[Segment::PlusBar]}));
        EXPECT_EQ((*plus)[6].role, ColourRole::Lit); // g
    }
}

TEST(DrawCharacter, SpaceIsAllUnlitAndUnknownCharactersDrawNothing)
{
    const GeometryProperties p = frontPanelDisplay();
    const std::optional<Shapes> space = drawCharacter(p, kCell0, U' ');
    ASSERT_TRUE(space);
    ASSERT_EQ(space->size(), 7u);
    for (const Shape& shape : *space)
        EXPECT_EQ(shape.role, ColourRole::Unlit);
    for (const char32_t character : {U'.', U':', U'#'})
        EXPECT_EQ(drawCharacter(p, kCell0, character), std::nullopt);
}

} // namespace
} // namespace glintar
