#pragma once

// The control's About window: what Glintar is, its version, and an OK button.

#include "segdisplay/glintar_export.h"

#include <QDialog>

namespace glintar {

class GLINTAR_EXPORT FrmAbout final : public QDialog {
    Q_OBJECT

public:
    explicit FrmAbout(QWidget* parent = nullptr);

    // The words the About window and the maker's page share (rich text).
    static QString text();
};

} // namespace glintar
