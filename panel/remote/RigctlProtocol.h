#pragma once

#include "RemoteRig.h"

#include <string>
#include <string_view>
#include <vector>

// The text protocol of Hamlib's rigctld, as far as a single-VFO receive-only synthesizer can
// honour it: what Hamlib's NET rigctl backend (rig model 2) and the station programs built on it
// send. One command a line; answers are one value a line, or "RPRT <code>" with a code of 0 or
// below. No toolkit here: the server only moves bytes.
namespace orvane::rigctl {

enum class Verb {
    GetFreq,
    SetFreq,
    GetMode,
    SetMode,
    GetVfo,
    SetVfo,
    GetSplitVfo,
    GetPtt,
    SetPtt,
    ChkVfo,
    GetPowerstat,
    DumpState,
    Quit,
    Unknown,
    Empty, // a blank line: no answer
};

// Hamlib's error numbers, negated as they go on the wire.
enum class Status : int {
    Ok = 0,
    InvalidArgument = -1, // RIG_EINVAL
    Rejected = -9,        // RIG_ERJCTED
    NotAvailable = -11,   // RIG_ENAVAIL
};

struct Command {
    Verb verb = Verb::Empty;
    // 0 for the plain answers; for an extended answer ('+', ';', '|' or ',' before the command)
    // the character that ends each part of it ('+' means a newline).
    char separator = 0;
    std::vector<std::string> args;
};

// One line without its newline; a trailing carriage return is ignored.
Command parseLine(std::string_view line);

struct Reply {
    std::string text; // empty for an empty line
    bool close = false;
};

Reply answer(const Command& command, RemoteRig& rig);

// Splits what a client sends into lines and refuses a line longer than kMaxLine bytes.
class LineBuffer {
public:
    static constexpr std::size_t kMaxLine = 1024;
    enum class Status { Line, NeedMore, TooLong };

    void append(std::string_view bytes);
    // The next complete line (without its newline) into `line`.
    Status next(std::string& line);

private:
    std::string m_data;
    std::size_t m_start = 0;
};

// One client's conversation: bytes in, answers out, in order.
class Session {
public:
    explicit Session(RemoteRig& rig) : m_rig(rig) {}

    struct Output {
        std::string text;
        // The client asked to quit or sent a line that is too long: send `text`, then close.
        bool close = false;
    };
    Output feed(std::string_view bytes);

private:
    RemoteRig& m_rig;
    LineBuffer m_buffer;
    std::string m_line;
};

} // namespace orvane::rigctl
