#include "synth/SynthConfigMenu.h"

#include "bands/SettingsText.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orvane
{
namespace
{

using S = SynthSetting;

class SynthConfigMenuTest : public testing::Test
{
protected:
    SynthConfig config;
    SynthConfigMenu menu{config, formatSingle};

    void restore(bool is9850, bool custom, bool pllOn, float clock)
    {
        StoredSynthSettings stored;
        stored.is9850 = is9850;
        stored.customFreqFlag = custom;
        stored.pllOn = pllOn;
        stored.clockFreq = clock;
        menu.restore(stored);
    }
};

struct RestoreCase {
    bool is9850, custom, pllOn;
    float storedClock;
    // expected
    float clock;
    std::string_view prefix;
    bool x6;
    const char* standardCaption;
    const char* customCaption;
    bool optionsEnabled;
    const char* crystalText;
};

TEST_F(SynthConfigMenuTest, RestoreForEachChipClockAndMultiplier)
{
    const RestoreCase cases[] = {
        // AD9850: the options are off and X1; PLL_On is never applied.
        {true, false, false, 100, 100, kPrefixAllZero, false, "Standard 100 mHz",
         "Custom Frequency", false, " "},
        {true, false, true, 100, 100, kPrefixAllZero, false, "Standard 100 mHz", "Custom Frequency",
         false, " "},
        {true, true, false, 125.0001f, 125.0001f, kPrefixAllZero, false, "Standard 100 mHz",
         "Custom 125.0001 mHz", false, "125.0001"},
        // AD9850 chosen again while a custom clock was active: the flag stayed, the clock is 100.
        {true, true, true, 100, 100, kPrefixAllZero, false, "Standard 100 mHz", "Custom 100 mHz",
         false, "100"},
        // AD9851 on its standard 30 MHz crystal with the multiplier.
        {false, false, true, 180, 180, kPrefixX6, true, "Standard 30 mHz", "Custom Frequency", true,
         " "},
        {false, false, false, 180, 180, kPrefixX6, false, "Standard 30 mHz", "Custom Frequency",
         true, " "},
        // AD9851 on a custom crystal: shown as the crystal, the prefix as the multiplier says.
        {false, true, true, 180, 180, kPrefixX6, true, "Standard 30 mHz", "Custom 30 mHz", true,
         "30"},
        {false, true, false, 30, 30, kPrefixAllZero, false, "Standard 30 mHz", "Custom 30 mHz",
         true, "30"},
        {false, true, true, 125.0001f, 125.0001f, kPrefixX6, true, "Standard 30 mHz",
         "Custom 20.83335 mHz", true, "20.83335"},
        // A clock that cannot drive the chip counts as unreadable.
        {true, false, false, 0, 100, kPrefixAllZero, false, "Standard 100 mHz", "Custom Frequency",
         false, " "},
        {false, true, false, -30, 100, kPrefixAllZero, false, "Standard 30 mHz", "Custom 100 mHz",
         true, "100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "9850 " << c.is9850 << " custom " << c.custom
                                        << " PLL_On " << c.pllOn << " clock " << c.storedClock);
        SynthConfig fresh;
        SynthConfigMenu m(fresh, formatSingle);
        StoredSynthSettings stored;
        stored.is9850 = c.is9850;
        stored.customFreqFlag = c.custom;
        stored.pllOn = c.pllOn;
        stored.clockFreq = c.storedClock;
        m.restore(stored);
        EXPECT_EQ(fresh.is9850, c.is9850);
        EXPECT_EQ(fresh.customClock, c.custom);
        EXPECT_EQ(fresh.refClockMHz, c.clock);
        EXPECT_EQ(fresh.controlPrefix, c.prefix);
        EXPECT_EQ(fresh.x6, c.x6);
        EXPECT_EQ(m.state().standardChecked, !c.custom);
        EXPECT_EQ(m.state().customChecked, c.custom);
        EXPECT_EQ(m.state().standardCaption, c.standardCaption);
        EXPECT_EQ(m.state().customCaption, c.customCaption);
        EXPECT_EQ(m.state().pllOptionsEnabled, c.optionsEnabled);
        EXPECT_EQ(m.state().crystalText, c.crystalText);
    }
}

TEST_F(SynthConfigMenuTest, RestoreChecksThePortAndModeItemsOnlyForKnownValues)
{
    struct Case {
        std::int32_t base;
        std::optional<LptPort> port;
        std::int16_t multiplier;
        std::optional<OutputMode> mode;
    };
    const Case cases[] = {{888, LptPort::Lpt1, 1, OutputMode::X1},
                          {632, LptPort::Lpt2, 2, OutputMode::X2},
                          {956, LptPort::Lpt3, 4, OutputMode::X4},
                          {0x278, LptPort::Lpt2, 3, std::nullopt},
                          {123, std::nullopt, 0, std::nullopt}};
    for (const auto& c : cases) {
        StoredSynthSettings stored;
        stored.baseAddress = c.base;
        stored.multiplier = c.multiplier;
        menu.restore(stored);
        EXPECT_EQ(menu.state().port, c.port) << c.base;
        EXPECT_EQ(config.portBase, c.base); // used unchanged, item or not
        EXPECT_EQ(menu.state().mode, c.mode) << c.multiplier;
        EXPECT_EQ(config.outputMultiplier, c.multiplier);
    }
}

TEST_F(SynthConfigMenuTest, PortAndOutputModeAreSavedButNotSent)
{
    menu.restore({});
    EXPECT_EQ(menu.selectPort(LptPort::Lpt3), (SynthChange{{S::BaseAddress}}));
    EXPECT_EQ(config.portBase, 956);
    EXPECT_EQ(menu.state().port, LptPort::Lpt3);
    EXPECT_EQ(menu.selectOutputMode(OutputMode::X4), (SynthChange{{S::Multiplier}}));
    EXPECT_EQ(config.outputMultiplier, 4);
    EXPECT_EQ(menu.state().mode, OutputMode::X4);
}

TEST_F(SynthConfigMenuTest, ChipItemsSetTheStandardClockAndResend)
{
    restore(true, false, false, 100);
    EXPECT_EQ(menu.select9851(), (SynthChange{{S::ClockFreq, S::Chip9850}, true, true}));
    EXPECT_FALSE(config.is9850);
    EXPECT_EQ(config.refClockMHz, 180.0f);
    EXPECT_EQ(config.controlPrefix, kPrefixX6);
    EXPECT_TRUE(config.x6);
    EXPECT_TRUE(menu.state().pllOptionsEnabled);
    EXPECT_EQ(menu.state().standardCaption, "Standard 30 mHz");

    EXPECT_EQ(menu.select9850(), (SynthChange{{S::ClockFreq, S::Chip9850}, true}));
    EXPECT_TRUE(config.is9850);
    EXPECT_EQ(config.refClockMHz, 100.0f);
    EXPECT_EQ(config.controlPrefix, kPrefixAllZero);
    EXPECT_EQ(menu.state().standardCaption, "Standard 100 mHz");
    EXPECT_TRUE(menu.state().standardChecked);
}

TEST_F(SynthConfigMenuTest, ChoosingAD9850KeepsTheCustomClockFlag)
{
    restore(true, true, false, 125.5f);
    menu.select9850();
    EXPECT_EQ(config.refClockMHz, 100.0f);
    EXPECT_TRUE(menu.state().standardChecked);
    EXPECT_FALSE(menu.state().customChecked);
    EXPECT_EQ(menu.state().customCaption, "Custom Frequency");
    EXPECT_TRUE(config.customClock); // "Custom Freq Flag" is not saved by the chip items
}

TEST_F(SynthConfigMenuTest, CustomCrystalOnAD9851WithAndWithoutTheMultiplier)
{
    restore(true, false, false, 100);
    menu.select9851();

    menu.openCustomFrequency();
    EXPECT_EQ(menu.state().crystalText, "30"); // the crystal, not the 180 MHz clock

    auto change = menu.saveCrystal(30, "30", true);
    ASSERT_TRUE(change);
    EXPECT_EQ(*change, (SynthChange{{S::ClockFreq, S::PllOn, S::CustomFreqFlag}, true}));
    EXPECT_EQ(config.refClockMHz, 180.0f);
    EXPECT_EQ(config.controlPrefix, kPrefixX6);
    EXPECT_TRUE(config.x6);
    EXPECT_TRUE(config.customClock);
    EXPECT_TRUE(menu.state().customChecked);
    EXPECT_FALSE(menu.state().standardChecked);
    EXPECT_EQ(menu.state().customCaption, "Custom 30 mHz");

    change = menu.saveCrystal(30, "30", false);
    ASSERT_TRUE(change);
    EXPECT_EQ(config.refClockMHz, 30.0f);
    EXPECT_EQ(config.controlPrefix, kPrefixAllZero);
    EXPECT_FALSE(config.x6);

    menu.openCustomFrequency();
    EXPECT_EQ(menu.state().crystalText, "30");
}

TEST_F(SynthConfigMenuTest, CustomCrystalOnAD9850ShowsTheTypedTextAsTyped)
{
    restore(true, false, false, 100);
    menu.openCustomFrequency();
    EXPECT_FALSE(menu.state().pllOptionsEnabled);
    EXPECT_FALSE(config.x6);
    EXPECT_EQ(menu.state().crystalText, "100");

    const auto change = menu.saveCrystal(125.5, " 125.5 MHz", false);
    ASSERT_TRUE(change);
    EXPECT_EQ(*change, (SynthChange{{S::ClockFreq, S::CustomFreqFlag}, true}));
    EXPECT_EQ(config.refClockMHz, 125.5f);
    EXPECT_EQ(menu.state().customCaption, "Custom  125.5 MHz mHz");

    menu.saveCrystal(10, "10 & up", false);
    EXPECT_EQ(menu.state().customCaption, "Custom 10 && up mHz"); // not an access key
}

TEST_F(SynthConfigMenuTest, StandardItemLeavesTheCustomClock)
{
    restore(false, true, false, 30);
    EXPECT_EQ(menu.selectStandardFrequency(),
              (SynthChange{{S::ClockFreq, S::CustomFreqFlag}, true, true}));
    EXPECT_EQ(config.refClockMHz, 180.0f);
    EXPECT_EQ(config.controlPrefix, kPrefixX6);
    EXPECT_TRUE(config.x6);
    EXPECT_FALSE(config.customClock);
    EXPECT_TRUE(menu.state().standardChecked);
    EXPECT_EQ(menu.state().standardCaption, "Standard 30 mHz");
    EXPECT_EQ(menu.state().customCaption, "Custom Frequency");

    restore(true, true, false, 125.5f);
    EXPECT_EQ(menu.selectStandardFrequency(),
              (SynthChange{{S::ClockFreq, S::CustomFreqFlag}, true}));
    EXPECT_EQ(config.refClockMHz, 100.0f);
    EXPECT_EQ(menu.state().standardCaption, "Standard 100 mHz");
}

TEST_F(SynthConfigMenuTest, ACrystalThatGivesNoUsableClockIsRefusedAndChangesNothing)
{
    restore(false, true, true, 180);
    const SynthConfig configBefore = config;
    const SynthMenuState stateBefore = menu.state();
    for (double typed : {0.0, -30.0, 1e-50, 1e39, std::nan("")}) {
        for (bool x6 : {false, true}) {
            EXPECT_FALSE(menu.saveCrystal(typed, "typed", x6)) << typed;
            EXPECT_EQ(config, configBefore);
            EXPECT_EQ(menu.state(), stateBefore);
        }
    }
}

} // namespace
} // namespace orvane
