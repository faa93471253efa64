#pragma once

#include "panel/toolkit/SystemServices.h"

#include <QStringList>

#include <deque>

namespace orvane::test {

// Counts beeps, keeps notices and answers questions from a queue (Cancel when it runs dry).
class FakeSystemServices final : public SystemServices {
public:
    void beep() override { ++beeps; }
    Answer ask(const QString& title, const QString& text, Icon, Buttons) override
    {
        questions << title + ": " + text;
        if (answers.empty())
            return Answer::Cancel;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void notify(const QString& text) override { notices << text; }

    int beeps = 0;
    QStringList questions;
    QStringList notices;
    std::deque<Answer> answers;
};

} // namespace orvane::test
