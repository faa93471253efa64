// Starts the real orvane binary on the offscreen platform with its own settings and band
// folders, and reads what it did from the port trace and the files it left.

#include "Program.h"
#include "bands/BandFiles.h"
#include "bands/SettingsStore.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>

namespace orvane::test {
namespace {

using Writes = std::vector<std::pair<int, int>>;

class Orvane : public testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        BandConfig band;
        band.bandNumber = 2;
        band.bandName = padBandName("40m");
        band.startFreq = 7000000;
        band.endFreq = 7300000;
        ASSERT_EQ(writeBandFile(bandFilePath(dir.path / "data" / "Orvane", 2), band), "");
        store().write("App_Number", "2");
        store().write("Last_Frequency", "7040000");
    }

    SettingsStore store()
    {
        return SettingsStore(dir.path / "config" / "Orvane" / "Orvane.conf", [](const std::string&) {});
    }

    std::map<std::string, std::string> environment() const
    {
        return {{"ORVANE_PORTIO", "sim"},
                {"ORVANE_PORT_TRACE", trace().string()},
                {"XDG_CONFIG_HOME", (dir.path / "config").string()},
                {"XDG_DATA_HOME", (dir.path / "data").string()},
                {"XDG_RUNTIME_DIR", dir.path.string()},
                {"QT_QPA_PLATFORM", "offscreen"}};
    }
    std::filesystem::path trace() const { return dir.path / "trace"; }

    TempDir dir;
};

TEST_P(Orvane, StartsOffAndShutsDownOnASignalSavingItsState)
{
    const int signal = GetParam();
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(testing::Message() << "run " << run + 1);
        std::filesystem::remove(trace());
        Program orvane(ORVANE_BINARY, environment());
        ASSERT_TRUE(orvane.waitForTrace(trace(), 2)) << orvane.output();
        EXPECT_EQ(portWrites(readTrace(trace())), (Writes{{888, 4}, {888, 0}}))
            << "start-up strobes once and leaves the card alone";

        EXPECT_EQ(orvane.stop(signal), 0) << orvane.output();
        EXPECT_EQ(portWrites(readTrace(trace())), (Writes{{888, 4}, {888, 0}, {890, 1}, {888, 0}}));
        // The next start comes back on the same band and frequency, and saves them again.
        EXPECT_EQ(store().read("App_Number"), "2");
        EXPECT_EQ(store().read("Last_Frequency"), "7040000");
        EXPECT_TRUE(store().read("Form_Left").has_value());
        EXPECT_TRUE(store().read("Form_Top").has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(Signals, Orvane, testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(info.param == SIGTERM  ? "SIGTERM"
                                                : info.param == SIGINT ? "SIGINT"
                                                                       : "SIGHUP");
                         });

} // namespace
} // namespace orvane::test
