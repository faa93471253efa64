#include "bands/SettingsStore.h"

#include "bands/SettingsKeys.h"
#include "tests/support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace orvane
{
namespace
{

namespace keys = settings_keys;

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::filesystem::path& path, const std::string& text)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

class SettingsStoreTest : public testing::Test
{
protected:
    test::TempDir dir;
    std::filesystem::path file = dir.path / "Orvane" / "Orvane.conf";
    std::vector<std::string> told;
    SettingsStore store{file, [this](const std::string& message) { told.push_back(message); }};
};

TEST_F(SettingsStoreTest, DefaultPathFollowsXdgConfigHome)
{
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string previous = saved ? saved : "";
    ::setenv("XDG_CONFIG_HOME", dir.path.c_str(), 1);
    EXPECT_EQ(SettingsStore::defaultPath(), dir.path / "Orvane" / "Orvane.conf");
    if (saved)
        ::setenv("XDG_CONFIG_HOME", previous.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

TEST_F(SettingsStoreTest, AnEmptyStoreAnswersTheDefaultsAndCreatesNothing)
{
    EXPECT_EQ(store.read(keys::kBaseAddress), std::nullopt);
    EXPECT_EQ(store.readInt32(keys::kBaseAddress, 888), 888);
    EXPECT_EQ(store.readBool(keys::kAutoHide, true), true);
    EXPECT_EQ(store.readSingle(keys::kClockFreq, 100.0f), 100.0f);
    EXPECT_EQ(store.readDouble(keys::kLastFrequency, 1000.0), 1000.0);
    EXPECT_FALSE(std::filesystem::exists(file.parent_path()));
    EXPECT_TRUE(told.empty());
}

TEST_F(SettingsStoreTest, WritesReachTheFileAtOnceInTheirTextForms)
{
    ASSERT_TRUE(store.writeWhole(keys::kBaseAddress, 632)); // creates the missing folder
    ASSERT_TRUE(store.writeBool(keys::k9850Checked, false));
    ASSERT_TRUE(store.writeSingle(keys::kClockFreq, 125.000123f));
    ASSERT_TRUE(store.writeBool(keys::kCustomFreqFlag, true));
    ASSERT_TRUE(store.writeDouble(keys::kLastFrequency, 7040000.0));
    ASSERT_TRUE(store.writeSingle(keys::kClockFreq, 180.0f));

    EXPECT_EQ(fileText(file), "[StartUp]\n"
                              "BaseAddress=632\n"
                              "9850_Checked=False\n"
                              "Clock_Freq=180\n"
                              "Custom Freq Flag=True\n"
                              "Last_Frequency=7040000\n");
    // Nothing is left behind by the replace-by-rename.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(file.parent_path()), {}), 1);

    // Another reader of the same file, as another process would be, sees every write.
    SettingsStore other(file, {});
    EXPECT_EQ(other.readInt32(keys::kBaseAddress, 888), 632);
    EXPECT_EQ(other.readSingle(keys::kClockFreq, 100.0f), 180.0f);
    EXPECT_EQ(other.readBool(keys::kCustomFreqFlag, false), true);
    EXPECT_TRUE(told.empty());
}

TEST_F(SettingsStoreTest, KeysMatchWithoutRegardToCaseAndKeepOneEntry)
{
    ASSERT_TRUE(store.writeBool("9850_Checked", false));
    EXPECT_EQ(store.read("9850_checked"), "False");
    EXPECT_EQ(store.readBool("9850_checked", true), false);

    ASSERT_TRUE(store.writeBool("9850_CHECKED", true));
    EXPECT_EQ(fileText(file), "[StartUp]\n9850_Checked=True\n");
    EXPECT_EQ(store.readBool("9850_checked", false), true);
}

TEST_F(SettingsStoreTest, AHandEditedFileIsReadAndKeptAroundTheEntryWritten)
{
    writeFile(file, "; written by hand\r\n"
                    "[Other]\r\n"
                    "BaseAddress=1\r\n"
                    "\r\n"
                    "[startup]\r\n"
                    "  baseaddress = 956 \r\n"
                    "PLL_On=True\r\n"
                    "BASEADDRESS=632\r\n"
                    "\r\n"
                    "[Later]\r\n"
                    "x=y\r\n");
    EXPECT_EQ(store.readInt32(keys::kBaseAddress, 888), 956);
    EXPECT_EQ(store.readBool(keys::kPllOn, false), true);

    ASSERT_TRUE(store.writeWhole(keys::kBaseAddress, 888));
    ASSERT_TRUE(store.writeWhole(keys::kMultiplier, 4));
    EXPECT_EQ(fileText(file), "; written by hand\n"
                              "[Other]\n"
                              "BaseAddress=1\n"
                              "\n"
                              "[startup]\n"
                              "baseaddress=888\n"
                              "PLL_On=True\n"
                              "Multiplier=4\n"
                              "\n"
                              "[Later]\n"
                              "x=y\n");
}

TEST_F(SettingsStoreTest, UnusableStoredTextGivesTheKeysDefault)
{
    writeFile(file, "[StartUp]\n"
                    "BaseAddress=LPT1\n"
                    "Clock_Freq=abc\n"
                    "AutoHide=\n"
                    "Multiplier=70000\n"
                    "Last_Frequency=1e999\n"
                    "Custom Freq Flag=perhaps\n"
                    "Form_Left\n");
    EXPECT_EQ(store.readInt32(keys::kBaseAddress, 888), 888);
    EXPECT_EQ(store.readSingle(keys::kClockFreq, 100.0f), 100.0f);
    EXPECT_EQ(store.readBool(keys::kAutoHide, true), true);
    EXPECT_EQ(store.readInt16(keys::kMultiplier, 1), 1);
    EXPECT_EQ(store.readDouble(keys::kLastFrequency, 1000.0), 1000.0);
    EXPECT_EQ(store.readBool(keys::kCustomFreqFlag, false), false);
    EXPECT_EQ(store.readSingle(keys::kFormLeft, 2400.0f), 2400.0f);
    EXPECT_EQ(store.read(keys::kAutoHide), "");
    EXPECT_TRUE(told.empty()); // unusable values are not a broken file
}

TEST_F(SettingsStoreTest, MalformedKeysAndValuesAreRefused)
{
    EXPECT_FALSE(store.write("a=b", "1"));
    EXPECT_FALSE(store.write("[StartUp]", "1"));
    EXPECT_FALSE(store.write("Key", "two\nlines"));
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(SettingsStoreTest, AFileThatCannotBeReadGivesDefaultsIsKeptAndIsToldOnce)
{
    // A folder where the file should be: neither readable as a file nor replaceable, even for
    // a superuser.
    std::filesystem::create_directories(file);
    EXPECT_EQ(store.readInt32(keys::kBaseAddress, 888), 888);
    EXPECT_EQ(store.readBool(keys::kAutoHide, true), true);
    EXPECT_FALSE(store.writeWhole(keys::kBaseAddress, 632));
    EXPECT_FALSE(store.writeBool(keys::kAutoHide, false));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told.front().find(file.string()), std::string::npos) << told.front();
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST_F(SettingsStoreTest, AFolderThatCannotBeCreatedIsToldOnce)
{
    writeFile(dir.path / "blocker", "not a folder");
    SettingsStore blocked(dir.path / "blocker" / "Orvane" / "Orvane.conf",
                          [this](const std::string& message) { told.push_back(message); });
    EXPECT_FALSE(blocked.writeWhole(keys::kBaseAddress, 632));
    EXPECT_FALSE(blocked.writeWhole(keys::kBaseAddress, 956));
    EXPECT_EQ(blocked.readInt32(keys::kBaseAddress, 888), 888);
    EXPECT_EQ(told.size(), 1u);
}

} // namespace
} // namespace orvane
