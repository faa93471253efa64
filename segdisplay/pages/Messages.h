#pragma once

// The message boxes of the property pages, behind a small interface so that tests read the
// messages and answer the questions. libglintar keeps its own: it must not depend on a host.

#include "segdisplay/glintar_export.h"

#include <QString>
#include <memory>

namespace glintar {

class GLINTAR_EXPORT Messages {
public:
    virtual ~Messages();
    // A message with an OK button and the error icon.
    virtual void error(const QString& title, const QString& text) = 0;
    // A question with Yes and No and the question icon: true for Yes (closing the box is No).
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
};

// QMessageBox over the active window.
GLINTAR_EXPORT std::shared_ptr<Messages> qtMessages();

} // namespace glintar
