// Starts the real trellin binary and reads what it did from the port trace.

#include "Program.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

class Trellin : public testing::TestWithParam<const char*> {};

TEST_P(Trellin, SwitchesBothUsualCardsOffAndEndsQuietly)
{
    // In auto mode this machine may or may not have a parallel port; either way the same two
    // writes are made, nothing is printed and the exit code is 0.
    TempDir dir;
    const auto trace = dir.path / "trace";
    Program trellin(TRELLIN_BINARY, {{"ORVANE_PORTIO", GetParam()},
                                     {"ORVANE_PORT_TRACE", trace.string()}});
    EXPECT_EQ(trellin.wait(), 0);
    EXPECT_EQ(trellin.output(), "");
    EXPECT_EQ(portWrites(readTrace(trace)), (std::vector<std::pair<int, int>>{{890, 1}, {634, 1}}));
}

INSTANTIATE_TEST_SUITE_P(Backends, Trellin, testing::Values("sim", "auto"));

} // namespace
} // namespace orvane::test
