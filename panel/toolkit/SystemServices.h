#pragma once

#include <QString>

namespace orvane {

// The system's alert sound and message boxes, behind one small interface so that tests can hear
// the beeps and answer the questions.
class SystemServices {
public:
    enum class Icon { Information, Warning, Question, Critical };
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~SystemServices() = default;
    virtual void beep() = 0;
    // A modal box; closing it counts as Cancel (or No).
    virtual Answer ask(const QString& title, const QString& text, Icon icon, Buttons buttons) = 0;
    // Something the user should know that needs no answer (a missing port, an unwritable file):
    // shown without blocking the panel.
    virtual void notify(const QString& text) = 0;
};

} // namespace orvane
