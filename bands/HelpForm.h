#pragma once

#include <QWidget>

class QTextBrowser;

namespace orvane {

// The help window: the user manual, carried inside the program, in a scrollable read-only view.
// There is at most one; closing it discards it, and the next opening starts at the top.
class HelpForm : public QWidget {
    Q_OBJECT
public:
    // Help > Orvane Help: shows the manual without blocking `parent`, or brings the open help
    // window to the front.
    static HelpForm* showManual(QWidget* parent);

    QTextBrowser* richTextBox() const { return m_richTextBox1; }

private:
    explicit HelpForm(QWidget* parent);

    QTextBrowser* m_richTextBox1;
};

// The manual as rich text (HTML).
QString manualHtml();

} // namespace orvane
