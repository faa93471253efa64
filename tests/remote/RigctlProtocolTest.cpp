#include "panel/remote/RigctlProtocol.h"

#include "tests/remote/FakeRig.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace orvane::rigctl {
namespace {

using test::FakeRig;

std::string reply(FakeRig& rig, std::string_view line)
{
    return answer(parseLine(line), rig).text;
}

// Every "RPRT n" in an answer carries 0 or a negative code: clients treat a positive one as data.
void expectNoPositiveReport(const std::string& text)
{
    static const std::regex report("RPRT (-?[0-9]+)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), report);
         it != std::sregex_iterator(); ++it)
        EXPECT_LE(std::stoi((*it)[1]), 0) << text;
}

struct Exchange {
    const char* line;
    const char* answer;
};

class Answers : public testing::TestWithParam<Exchange> {};

TEST_P(Answers, AsHamlibClientsExpect)
{
    FakeRig rig;
    const std::string text = reply(rig, GetParam().line);
    EXPECT_EQ(text, GetParam().answer);
    expectNoPositiveReport(text);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Answers,
    testing::Values(
        // The frequency of the last load, in the short and long forms, with and without a VFO.
        Exchange{"f", "7100000\n"}, Exchange{"\\get_freq", "7100000\n"},
        Exchange{"f VFOA", "7100000\n"}, Exchange{"f currVFO", "7100000\n"},
        Exchange{"f VFOB", "RPRT -1\n"}, Exchange{"f\r", "7100000\n"},
        Exchange{"  f  ", "7100000\n"},
        // Extended answers, with each separator clients use.
        Exchange{"+f", "get_freq:\nFrequency: 7100000\nRPRT 0\n"},
        Exchange{"+\\get_freq", "get_freq:\nFrequency: 7100000\nRPRT 0\n"},
        Exchange{";\\get_freq", "get_freq:;Frequency: 7100000;RPRT 0\n"},
        Exchange{"|f", "get_freq:|Frequency: 7100000|RPRT 0\n"},
        Exchange{",f", "get_freq:,Frequency: 7100000,RPRT 0\n"},
        Exchange{"+F 7040000", "set_freq: 7040000\nRPRT 0\n"},
        Exchange{";F 8000000", "set_freq: 8000000;RPRT -1\n"},
        // Mode, VFO, split and PTT of a single-VFO CW oscillator without a transmitter.
        Exchange{"m", "CW\n0\n"}, Exchange{"\\get_mode", "CW\n0\n"},
        Exchange{"+m", "get_mode:\nMode: CW\nPassband: 0\nRPRT 0\n"},
        Exchange{"M USB 2400", "RPRT 0\n"}, Exchange{"\\set_mode CW 0", "RPRT 0\n"},
        Exchange{"M VFOA CW 500", "RPRT 0\n"}, Exchange{"+M CW 0", "set_mode: CW 0\nRPRT 0\n"},
        Exchange{"M", "RPRT -1\n"}, Exchange{"M CW", "RPRT -1\n"}, Exchange{"v", "VFOA\n"},
        Exchange{"\\get_vfo", "VFOA\n"}, Exchange{"+v", "get_vfo:\nVFO: VFOA\nRPRT 0\n"},
        Exchange{"V VFOA", "RPRT 0\n"}, Exchange{"\\set_vfo VFOA", "RPRT 0\n"},
        Exchange{"+V VFOA", "set_vfo: VFOA\nRPRT 0\n"}, Exchange{"V VFOB", "RPRT -1\n"},
        Exchange{"V", "RPRT -1\n"}, Exchange{"s", "0\nVFOA\n"},
        Exchange{"\\get_split_vfo", "0\nVFOA\n"},
        Exchange{"+s", "get_split_vfo:\nSplit: 0\nTX VFO: VFOA\nRPRT 0\n"}, Exchange{"t", "0\n"},
        Exchange{"\\get_ptt", "0\n"}, Exchange{"+t", "get_ptt:\nPTT: 0\nRPRT 0\n"},
        Exchange{"T 1", "RPRT 0\n"}, Exchange{"\\set_ptt 0", "RPRT 0\n"},
        Exchange{"+T 1", "set_ptt: 1\nRPRT 0\n"}, Exchange{"T on", "RPRT -1\n"},
        Exchange{"\\chk_vfo", "0\n"}, Exchange{"+\\chk_vfo", "ChkVFO: 0\n"},
        Exchange{"\\get_powerstat", "1\n"},
        Exchange{"+\\get_powerstat", "get_powerstat:\nPower Status: 1\nRPRT 0\n"},
        // Blank lines are not answered; anything not understood is "not available".
        Exchange{"", ""}, Exchange{" \t ", ""}, Exchange{"\r", ""}, Exchange{"x", "RPRT -11\n"},
        Exchange{"fx", "RPRT -11\n"}, Exchange{"\\", "RPRT -11\n"}, Exchange{"+", "RPRT -11\n"},
        Exchange{"+xyz", "RPRT -11\n"}, Exchange{"\\bogus", "RPRT -11\n"},
        Exchange{"\\set_level AF 0.5", "RPRT -11\n"}, Exchange{"S 1 VFOB", "RPRT -11\n"},
        Exchange{"\\get_freqx", "RPRT -11\n"}, Exchange{"F\x01\xff", "RPRT -11\n"},
        Exchange{"\\GET_FREQ", "RPRT -11\n"}));

// set_freq: typed and ENTERed, or refused with nothing changed.
struct Tuning {
    const char* line;
    const char* answer;
    std::int32_t loadedAfter;
    std::vector<std::int32_t> asked;
};

class SetFrequency : public testing::TestWithParam<Tuning> {};

TEST_P(SetFrequency, TakesOnlyWhatTheKeypadWould)
{
    FakeRig rig;
    EXPECT_EQ(reply(rig, GetParam().line), GetParam().answer);
    EXPECT_EQ(rig.loadedHz, GetParam().loadedAfter);
    EXPECT_EQ(rig.asked, GetParam().asked);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SetFrequency,
    testing::Values(
        Tuning{"F 7040000", "RPRT 0\n", 7040000, {7040000}},
        Tuning{"\\set_freq 7040000", "RPRT 0\n", 7040000, {7040000}},
        Tuning{"F VFOA 7040000", "RPRT 0\n", 7040000, {7040000}},
        Tuning{"\\set_freq currVFO 7040000", "RPRT 0\n", 7040000, {7040000}},
        Tuning{"F 7040000.000000", "RPRT 0\n", 7040000, {7040000}},
        // Floating-point clients: the nearest hertz, not the one below.
        Tuning{"F 7039999.9999", "RPRT 0\n", 7040000, {7040000}},
        Tuning{"F 7040000.4", "RPRT 0\n", 7040000, {7040000}},
        Tuning{"F 7.04e6", "RPRT 0\n", 7040000, {7040000}},
        Tuning{"F 7040000\r", "RPRT 0\n", 7040000, {7040000}},
        // Both band limits are inside the band.
        Tuning{"F 7000000", "RPRT 0\n", 7000000, {7000000}},
        Tuning{"F 7300000", "RPRT 0\n", 7300000, {7300000}},
        Tuning{"F 6999999", "RPRT -1\n", 7100000, {6999999}},
        Tuning{"F 7300001", "RPRT -1\n", 7100000, {7300001}},
        Tuning{"F 0", "RPRT -1\n", 7100000, {0}},
        Tuning{"F 999999999", "RPRT -1\n", 7100000, {999999999}},
        // Not a frequency the keypad can hold: refused before the panel sees it.
        Tuning{"F 1000000000", "RPRT -1\n", 7100000, {}},
        Tuning{"F 999999999.6", "RPRT -1\n", 7100000, {}},
        Tuning{"F -7040000", "RPRT -1\n", 7100000, {}}, Tuning{"F 1e300", "RPRT -1\n", 7100000, {}},
        Tuning{"F nan", "RPRT -1\n", 7100000, {}}, Tuning{"F inf", "RPRT -1\n", 7100000, {}},
        Tuning{"F 0x6b6c00", "RPRT -1\n", 7100000, {}},
        Tuning{"F 7040000Hz", "RPRT -1\n", 7100000, {}}, Tuning{"F abc", "RPRT -1\n", 7100000, {}},
        Tuning{"F", "RPRT -1\n", 7100000, {}},
        Tuning{"F 7040000 7050000", "RPRT -1\n", 7100000, {}},
        Tuning{"F VFOB 7040000", "RPRT -1\n", 7100000, {}},
        Tuning{"F VFOA VFOA 7040000", "RPRT -1\n", 7100000, {}}));

// Switched off, or in standby, scanning, sweeping or a memory mode, the panel's keypad does not
// take a frequency and neither does a client; reading the frequency still works.
TEST(BusyPanel, RefusesSetFrequencyWithoutAskingThePanel)
{
    struct State {
        const char* name;
        bool switchedOn;
        bool busy;
    };
    for (const State& state : {State{"switched off", false, false}, State{"busy", true, true},
                               State{"off and busy", false, true}}) {
        SCOPED_TRACE(state.name);
        FakeRig rig;
        rig.switchedOn = state.switchedOn;
        rig.busy = state.busy;
        EXPECT_EQ(reply(rig, "F 7040000"), "RPRT -9\n");
        EXPECT_EQ(reply(rig, "+F 7040000"), "set_freq: 7040000\nRPRT -9\n");
        EXPECT_TRUE(rig.asked.empty());
        EXPECT_EQ(reply(rig, "f"), "7100000\n");
        // A malformed request stays malformed whatever the panel is doing.
        EXPECT_EQ(reply(rig, "F abc"), "RPRT -1\n");
    }
}

TEST(BusyPanel, ABusyAnswerFromThePanelIsRejected)
{
    FakeRig rig;
    rig.refuseAsBusy = true;
    EXPECT_EQ(reply(rig, "F 7040000"), "RPRT -9\n");
    EXPECT_EQ(rig.loadedHz, 7100000);
}

TEST(PowerStatus, FollowsPwr)
{
    FakeRig rig;
    rig.switchedOn = false;
    EXPECT_EQ(reply(rig, "\\get_powerstat"), "0\n");
    rig.switchedOn = true;
    EXPECT_EQ(reply(rig, "\\get_powerstat"), "1\n");
}

TEST(Quit, AnswersThenCloses)
{
    FakeRig rig;
    for (const char* line : {"q", "Q", "+q"}) {
        const Reply r = answer(parseLine(line), rig);
        EXPECT_EQ(r.text, "RPRT 0\n") << line;
        EXPECT_TRUE(r.close) << line;
    }
    EXPECT_FALSE(answer(parseLine("f"), rig).close);
}

// Reads the state the way Hamlib's NET rigctl backend does for protocol 0, line by line, and
// fails on anything it would not accept or on anything left over.
class DumpStateReader {
public:
    explicit DumpStateReader(const std::string& text) : m_in(text) {}

    std::string line()
    {
        std::string l;
        if (!std::getline(m_in, l))
            ADD_FAILURE() << "the state ends early";
        return l;
    }
    bool atEnd() { return m_in.peek() == std::char_traits<char>::eof(); }

    struct Range {
        double start, end;
        unsigned long long modes;
        int low, high;
        unsigned vfo, ant;
    };
    std::vector<Range> ranges()
    {
        std::vector<Range> list;
        for (;;) {
            Range r{};
            const std::string l = line();
            EXPECT_EQ(std::sscanf(l.c_str(), "%lf%lf%llx%d%d%x%x", &r.start, &r.end, &r.modes,
                                  &r.low, &r.high, &r.vfo, &r.ant),
                      7)
                << l;
            if (r.start == 0 && r.end == 0)
                return list;
            list.push_back(r);
        }
    }
    std::vector<std::pair<unsigned long long, long>> pairs()
    {
        std::vector<std::pair<unsigned long long, long>> list;
        for (;;) {
            unsigned long long modes = 0;
            long value = 0;
            const std::string l = line();
            EXPECT_EQ(std::sscanf(l.c_str(), "%llx%ld", &modes, &value), 2) << l;
            if (modes == 0 && value == 0)
                return list;
            list.emplace_back(modes, value);
        }
    }

private:
    std::istringstream m_in;
};

TEST(DumpState, IsTheProtocolZeroLayoutWithOneReceiveRange)
{
    FakeRig rig;
    const std::string text = reply(rig, "\\dump_state");
    DumpStateReader in(text);
    EXPECT_EQ(in.line(), "0"); // protocol 0: the client stops after the set_parm line
    in.line();                 // rig model
    in.line();                 // ITU region

    const auto receive = in.ranges();
    ASSERT_EQ(receive.size(), 1u);
    EXPECT_EQ(receive[0].start, 0);
    EXPECT_EQ(receive[0].end, 999999999);
    EXPECT_EQ(receive[0].modes, 0x2u); // CW, what "m" reports
    EXPECT_EQ(receive[0].vfo, 0x1u);   // VFO A
    EXPECT_TRUE(in.ranges().empty());  // no transmitter

    const auto steps = in.pairs();
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.front().second, 1);
    EXPECT_EQ(steps.back().second, 1000000);
    EXPECT_TRUE(in.pairs().empty()); // filters

    for (const char* what :
         {"max RIT", "max XIT", "max IF shift", "announces", "preamp", "attenuator"})
        EXPECT_EQ(in.line(), "0") << what;
    for (const char* what :
         {"get_func", "set_func", "get_level", "set_level", "get_parm", "set_parm"})
        EXPECT_EQ(std::stoull(in.line(), nullptr, 0), 0u) << what;
    EXPECT_TRUE(in.atEnd()) << "nothing may follow the set_parm line";
}

TEST(DumpState, ExtendedWrapsTheSameState)
{
    FakeRig rig;
    const std::string plain = reply(rig, "\\dump_state");
    EXPECT_EQ(reply(rig, "+\\dump_state"), "dump_state:\n" + plain + "RPRT 0\n");
}

// Pipelined input: a client may send many lines at once, or a line in pieces.
TEST(Session, AnswersPipelinedLinesInOrder)
{
    FakeRig rig;
    Session session(rig);
    const Session::Output out = session.feed("f\nF 7040000\nf\n\nF 9000000\n+f\nm\n");
    EXPECT_EQ(out.text, "7100000\nRPRT 0\n7040000\nRPRT -1\nget_freq:\nFrequency: 7040000\nRPRT "
                        "0\nCW\n0\n");
    EXPECT_FALSE(out.close);
}

TEST(Session, JoinsALineThatArrivesInPieces)
{
    const std::string stream = "\\chk_vfo\r\nF 7040000\r\nf\r\n\\get_powerstat\r\n";
    FakeRig whole;
    const std::string expected = Session(whole).feed(stream).text;
    FakeRig rig;
    Session session(rig);
    std::string text;
    for (char c : stream)
        text += session.feed(std::string_view(&c, 1)).text;
    EXPECT_EQ(text, expected);
    EXPECT_EQ(text, "0\nRPRT 0\n7040000\n1\n");
    EXPECT_EQ(session.feed("F 70").text, "");
    EXPECT_EQ(session.feed("50000").text, "");
    EXPECT_EQ(session.feed("\n").text, "RPRT 0\n");
    EXPECT_EQ(rig.loadedHz, 7050000);
}

TEST(Session, StopsAtQuit)
{
    FakeRig rig;
    Session session(rig);
    const Session::Output out = session.feed("f\nq\nF 7040000\n");
    EXPECT_EQ(out.text, "7100000\nRPRT 0\n");
    EXPECT_TRUE(out.close);
    EXPECT_TRUE(rig.asked.empty());
}

TEST(Session, TakesALineOfOneKibibyte)
{
    FakeRig rig;
    Session session(rig);
    std::string line = "f" + std::string(LineBuffer::kMaxLine - 1, ' ');
    ASSERT_EQ(line.size(), LineBuffer::kMaxLine);
    const Session::Output out = session.feed(line + "\n");
    EXPECT_EQ(out.text, "7100000\n");
    EXPECT_FALSE(out.close);
}

TEST(Session, DropsALineLongerThanOneKibibyte)
{
    const std::string tooLong(LineBuffer::kMaxLine + 1, 'x');
    {
        SCOPED_TRACE("complete line; what came before it is answered");
        FakeRig rig;
        Session session(rig);
        const Session::Output out = session.feed("f\n" + tooLong + "\nf\n");
        EXPECT_EQ(out.text, "7100000\n");
        EXPECT_TRUE(out.close);
    }
    {
        SCOPED_TRACE("no newline in sight: dropped without waiting for one");
        FakeRig rig;
        Session session(rig);
        EXPECT_FALSE(session.feed(tooLong.substr(0, 1000)).close);
        EXPECT_TRUE(session.feed(tooLong.substr(1000)).close);
    }
}

} // namespace
} // namespace orvane::rigctl
