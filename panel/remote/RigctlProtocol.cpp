#include "RigctlProtocol.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

namespace orvane::rigctl {

namespace {

struct VerbInfo {
    Verb verb;
    char shortName; // 0: long form only
    std::string_view longName;
    std::size_t args; // arguments after the optional VFO
    bool takesVfo;    // a VFO name may come first, as clients in VFO mode send it
};

constexpr std::array kVerbs{
    VerbInfo{Verb::GetFreq, 'f', "get_freq", 0, true},
    VerbInfo{Verb::SetFreq, 'F', "set_freq", 1, true},
    VerbInfo{Verb::GetMode, 'm', "get_mode", 0, true},
    VerbInfo{Verb::SetMode, 'M', "set_mode", 2, true},
    VerbInfo{Verb::GetVfo, 'v', "get_vfo", 0, false},
    VerbInfo{Verb::SetVfo, 'V', "set_vfo", 1, false},
    VerbInfo{Verb::GetSplitVfo, 's', "get_split_vfo", 0, true},
    VerbInfo{Verb::GetPtt, 't', "get_ptt", 0, true},
    VerbInfo{Verb::SetPtt, 'T', "set_ptt", 1, true},
    VerbInfo{Verb::ChkVfo, 0, "chk_vfo", 0, false},
    VerbInfo{Verb::GetPowerstat, 0, "get_powerstat", 0, false},
    VerbInfo{Verb::DumpState, 0, "dump_state", 0, false},
    VerbInfo{Verb::Quit, 'q', "", 0, false},
    VerbInfo{Verb::Quit, 'Q', "", 0, false},
};

constexpr std::string_view kExtendedMarks = "+;|,";

// The names Hamlib gives the one VFO this synthesizer has.
constexpr std::array<std::string_view, 5> kOurVfoNames{"VFOA", "currVFO", "VFO", "Main", "MainA"};
constexpr std::string_view kVfoName = "VFOA";
constexpr std::string_view kMode = "CW";

// The state a NET rigctl client reads on connecting, in the layout of rigctld protocol 0:
// protocol, rig model, ITU region; the receive ranges (start, end, modes, low and high power,
// VFOs, antennas), the transmit ranges, the tuning steps and the filters, each list closed by a
// line of zeros; the largest RIT, XIT and IF shift; announcements; preamplifiers; attenuators;
// the get/set function, level and parameter masks. One receive range from 0 to 999,999,999 Hz in
// CW (0x2) on VFO A (0x1), no transmitter, the panel's tuning steps, nothing else to control.
constexpr std::string_view kDumpState = "0\n"
                                        "2\n"
                                        "1\n"
                                        "0.000000 999999999.000000 0x2 -1 -1 0x1 0x0\n"
                                        "0 0 0 0 0 0 0\n"
                                        "0 0 0 0 0 0 0\n"
                                        "0x2 1\n"
                                        "0x2 10\n"
                                        "0x2 100\n"
                                        "0x2 1000\n"
                                        "0x2 10000\n"
                                        "0x2 100000\n"
                                        "0x2 1000000\n"
                                        "0 0\n"
                                        "0 0\n"
                                        "0\n"
                                        "0\n"
                                        "0\n"
                                        "0\n"
                                        "0\n"
                                        "0\n"
                                        "0x0\n"
                                        "0x0\n"
                                        "0x0\n"
                                        "0x0\n"
                                        "0x0\n"
                                        "0x0\n";

// The keypad takes at most nine digits.
constexpr double kHighestHz = 999'999'999;

const VerbInfo* findShort(char name)
{
    const auto it = std::ranges::find(kVerbs, name, &VerbInfo::shortName);
    return it == kVerbs.end() ? nullptr : &*it;
}

const VerbInfo* findLong(std::string_view name)
{
    if (name.empty())
        return nullptr;
    const auto it = std::ranges::find(kVerbs, name, &VerbInfo::longName);
    return it == kVerbs.end() ? nullptr : &*it;
}

const VerbInfo& infoOf(Verb verb)
{
    return *std::ranges::find(kVerbs, verb, &VerbInfo::verb);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::vector<std::string_view> tokens(std::string_view text)
{
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && !isBlank(text[i]))
            ++i;
        if (i > start)
            out.push_back(text.substr(start, i - start));
    }
    return out;
}

bool isOurVfo(std::string_view name)
{
    return std::ranges::find(kOurVfoNames, name) != kOurVfoNames.end();
}

// A frequency as clients write it ("7040000", "7040000.000000", "7.04e6"), to the nearest
// hertz: programs that compute frequencies in floating point send 7039999.9999 for 7040000.
std::optional<std::int32_t> parseHz(std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    const double hz = std::nearbyint(value);
    if (hz < 0 || hz > kHighestHz)
        return std::nullopt;
    return static_cast<std::int32_t>(hz);
}

bool isInteger(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

using Values = std::vector<std::pair<std::string_view, std::string>>;

struct Outcome {
    Status status = Status::Ok;
    Values values; // for a get, what it reports, labelled as in extended answers
};

Outcome setFrequency(std::string_view text, RemoteRig& rig)
{
    const auto hz = parseHz(text);
    if (!hz)
        return {Status::InvalidArgument, {}};
    // Checked here as well as by the panel: a remote client must never reach the keypad's
    // handlers while a user-facing mode owns them.
    if (!rig.isSwitchedOn() || rig.isBusy())
        return {Status::Rejected, {}};
    switch (rig.tuneAsEntered(*hz)) {
    case RemoteRig::TuneResult::Accepted: return {Status::Ok, {}};
    case RemoteRig::TuneResult::OutOfBand: return {Status::InvalidArgument, {}};
    case RemoteRig::TuneResult::Busy: return {Status::Rejected, {}};
    }
    return {Status::Rejected, {}};
}

Outcome run(Verb verb, const std::vector<std::string>& args, RemoteRig& rig)
{
    switch (verb) {
    case Verb::GetFreq: return {Status::Ok, {{"Frequency", std::to_string(rig.lastLoadHz())}}};
    case Verb::SetFreq: return setFrequency(args[0], rig);
    case Verb::GetMode: return {Status::Ok, {{"Mode", std::string(kMode)}, {"Passband", "0"}}};
    case Verb::GetVfo: return {Status::Ok, {{"VFO", std::string(kVfoName)}}};
    case Verb::SetVfo: return {isOurVfo(args[0]) ? Status::Ok : Status::InvalidArgument, {}};
    case Verb::GetSplitVfo:
        return {Status::Ok, {{"Split", "0"}, {"TX VFO", std::string(kVfoName)}}};
    case Verb::GetPtt: return {Status::Ok, {{"PTT", "0"}}};
    // This hardware has no transmitter to key; mode changes mean nothing to a bare oscillator.
    case Verb::SetPtt: return {isInteger(args[0]) ? Status::Ok : Status::InvalidArgument, {}};
    case Verb::SetMode: return {Status::Ok, {}};
    case Verb::GetPowerstat:
        return {Status::Ok, {{"Power Status", rig.isSwitchedOn() ? "1" : "0"}}};
    case Verb::ChkVfo:
    case Verb::DumpState:
    case Verb::Quit:
    case Verb::Unknown:
    case Verb::Empty: break;
    }
    return {Status::NotAvailable, {}};
}

std::string rprt(Status status)
{
    return "RPRT " + std::to_string(static_cast<int>(status)) + "\n";
}

std::string format(const Command& command, const VerbInfo& info, const Outcome& outcome)
{
    if (!command.separator) {
        if (outcome.status != Status::Ok || outcome.values.empty())
            return rprt(outcome.status);
        std::string text;
        for (const auto& [label, value] : outcome.values)
            text += value + "\n";
        return text;
    }
    // Extended: the command echoed as a header, then "Label: value" parts, then the report.
    const char separator = command.separator == '+' ? '\n' : command.separator;
    std::string text(info.longName);
    text += ':';
    for (const std::string& arg : command.args)
        text += ' ' + arg;
    text += separator;
    if (outcome.status == Status::Ok)
        for (const auto& [label, value] : outcome.values)
            text += std::string(label) + ": " + value + separator;
    return text + rprt(outcome.status);
}

} // namespace

Command parseLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    line.remove_prefix(first);

    Command command{Verb::Unknown, 0, {}};
    if (kExtendedMarks.find(line.front()) != std::string_view::npos) {
        command.separator = line.front();
        line.remove_prefix(1);
    }
    const std::vector<std::string_view> parts = tokens(line);
    if (parts.empty())
        return command;
    const std::string_view name = parts.front();
    const VerbInfo* info = name.size() > 1 && name.front() == '\\' ? findLong(name.substr(1))
                           : name.size() == 1                      ? findShort(name.front())
                                                                   : nullptr;
    if (!info)
        return command;
    command.verb = info->verb;
    for (std::size_t i = 1; i < parts.size(); ++i)
        command.args.emplace_back(parts[i]);
    return command;
}

Reply answer(const Command& command, RemoteRig& rig)
{
    switch (command.verb) {
    case Verb::Empty: return {};
    case Verb::Unknown: return {rprt(Status::NotAvailable), false};
    case Verb::Quit: return {rprt(Status::Ok), true};
    case Verb::ChkVfo:
        // No VFO mode: clients then send commands without a VFO name.
        return {command.separator ? "ChkVFO: 0\n" : "0\n", false};
    case Verb::DumpState:
        if (!command.separator)
            return {std::string(kDumpState), false};
        return {
            "dump_state:" + std::string(1, command.separator == '+' ? '\n' : command.separator) +
                std::string(kDumpState) + rprt(Status::Ok),
            false};
    default: break;
    }

    const VerbInfo& info = infoOf(command.verb);
    std::vector<std::string> args = command.args;
    if (info.takesVfo && args.size() == info.args + 1) {
        if (!isOurVfo(args.front()))
            return {format(command, info, {Status::InvalidArgument, {}}), false};
        args.erase(args.begin());
    }
    if (args.size() != info.args)
        return {format(command, info, {Status::InvalidArgument, {}}), false};
    return {format(command, info, run(command.verb, args, rig)), false};
}

void LineBuffer::append(std::string_view bytes)
{
    if (m_start > 0) {
        m_data.erase(0, m_start);
        m_start = 0;
    }
    m_data.append(bytes);
}

LineBuffer::Status LineBuffer::next(std::string& line)
{
    const std::size_t end = m_data.find('\n', m_start);
    const std::size_t length = (end == std::string::npos ? m_data.size() : end) - m_start;
    if (length > kMaxLine)
        return Status::TooLong;
    if (end == std::string::npos)
        return Status::NeedMore;
    line.assign(m_data, m_start, length);
    m_start = end + 1;
    return Status::Line;
}

Session::Output Session::feed(std::string_view bytes)
{
    m_buffer.append(bytes);
    Output out;
    for (;;) {
        switch (m_buffer.next(m_line)) {
        case LineBuffer::Status::NeedMore: return out;
        case LineBuffer::Status::TooLong: out.close = true; return out;
        case LineBuffer::Status::Line: break;
        }
        Reply reply = answer(parseLine(m_line), m_rig);
        out.text += reply.text;
        if (reply.close) {
            out.close = true;
            return out;
        }
    }
}

} // namespace orvane::rigctl
