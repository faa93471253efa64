#pragma once

// What the property-page suites answer the dialogs and message boxes with: scripted answers
// queued by the test, and a record of what was asked.

#include "segdisplay/pages/PageEnvironment.h"

#include <QStringList>
#include <deque>
#include <memory>
#include <optional>
#include <ostream>

// Readable texts in the suites' failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace glintar::test {

// Questions are answered from a queue, No when it runs dry; messages are kept as
// "title: text".
class FakeMessages final : public Messages {
public:
    void error(const QString& title, const QString& text) override
    {
        shown << title + QStringLiteral(": ") + text;
    }
    bool askYesNo(const QString& title, const QString& text) override
    {
        asked << title + QStringLiteral(": ") + text;
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }

    QStringList shown;
    QStringList asked;
    std::deque<bool> answers;
};

// The dialogs' answers, shared by every CommonDialog the pages open: nullopt is Cancel.
struct DialogScript {
    std::deque<std::optional<OleColor>> colours;
    std::deque<std::optional<QFont>> fonts;
    std::deque<std::optional<QString>> files;
    QList<OleColor> colourStarts; // what each colour chooser started at
    QList<QList<FileFilter>> fileFilters;
    QStringList defaultExts;
};

class ScriptedDialog final : public CommonDialog {
public:
    explicit ScriptedDialog(std::shared_ptr<DialogScript> script) : m_script(std::move(script)) {}

    bool pickColor() override
    {
        m_script->colourStarts << color();
        const auto answer = next(m_script->colours);
        if (answer)
            setColor(*answer);
        return answer.has_value();
    }
    bool pickFont() override
    {
        const auto answer = next(m_script->fonts);
        if (answer)
            setFont(*answer);
        return answer.has_value();
    }
    bool pickOpenFile() override { return pickFile(); }
    bool pickSaveFile() override { return pickFile(); }

private:
    bool pickFile()
    {
        m_script->fileFilters << filter();
        m_script->defaultExts << defaultExt();
        const auto answer = next(m_script->files);
        if (answer)
            setFileName(*answer);
        return answer.has_value();
    }
    template <class T> static std::optional<T> next(std::deque<std::optional<T>>& queue)
    {
        if (queue.empty())
            return std::nullopt;
        auto answer = queue.front();
        queue.pop_front();
        return answer;
    }

    std::shared_ptr<DialogScript> m_script;
};

// The pages' surroundings for a test: scripted dialogs, recorded messages, the library in
// `folder`.
struct FakeEnvironment {
    explicit FakeEnvironment(const QString& folder)
    {
        environment.commonDialog = [script = script] {
            return std::make_unique<ScriptedDialog>(script);
        };
        environment.messages = messages;
        environment.libraryFolder = folder;
    }

    std::shared_ptr<DialogScript> script = std::make_shared<DialogScript>();
    std::shared_ptr<FakeMessages> messages = std::make_shared<FakeMessages>();
    PageEnvironment environment;
};

} // namespace glintar::test
