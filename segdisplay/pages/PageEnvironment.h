#pragma once

// What the property pages reach outside the display: the dialogs, the message boxes and the
// style library's folder. The defaults are the real ones; tests hand in their own.

#include "segdisplay/glintar_export.h"
#include "segdisplay/pages/CommonDialog.h"
#include "segdisplay/pages/Messages.h"

#include <QString>
#include <functional>
#include <memory>

namespace glintar {

struct GLINTAR_EXPORT PageEnvironment {
    PageEnvironment();

    // Each page opens its own CommonDialog and releases it when it closes.
    std::function<std::unique_ptr<CommonDialog>()> commonDialog;
    std::shared_ptr<Messages> messages;
    QString libraryFolder;
};

} // namespace glintar
