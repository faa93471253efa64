#pragma once

// "Fonts": how many font slots the captions choose from, and the font of the one chosen.

#include "segdisplay/pages/PropertyPage.h"

class QLabel;

namespace glintar {

class GLINTAR_EXPORT PageFont final : public PropertyPage {
    Q_OBJECT

public:
    PageFont(const PageEnvironment& environment, QWidget* parent = nullptr);
    QString caption() const override;

protected:
    void fill(Glintar& control) override;

private:
    void pickFont();

    QScrollBar* vscFontNum;
    QScrollBar* vscFontID;
    QPushButton* cmdFont;
    QLabel* lblFont;
};

} // namespace glintar
