#pragma once

// "Captions": how many captions there are, and the text, font, place and colour of the one
// chosen.

#include "segdisplay/pages/PropertyPage.h"

namespace glintar {

class GLINTAR_EXPORT PageCaption final : public PropertyPage {
    Q_OBJECT

public:
    PageCaption(const PageEnvironment& environment, QWidget* parent = nullptr);
    QString caption() const override;

protected:
    void fill(Glintar& control) override;

private:
    QScrollBar* vscCaptionNum;
    QScrollBar* vscID;
    QLineEdit* txtCaption;
    QScrollBar* vscFontID;
    Fraction x;
    Fraction y;
    QPushButton* cmdCaptionColor;
    QList<QWidget*> captionFields; // what edits the chosen caption
};

} // namespace glintar
