#pragma once

// "Background": the background colour and picture and the three rings of the frame.

#include "segdisplay/pages/PropertyPage.h"

class QComboBox;

namespace glintar {

class GLINTAR_EXPORT PageBackGround final : public PropertyPage {
    Q_OBJECT

public:
    PageBackGround(const PageEnvironment& environment, QWidget* parent = nullptr);
    QString caption() const override;

protected:
    void fill(Glintar& control) override;

private:
    void pickBackPicture();

    QPushButton* cmdBackColor;
    QPushButton* cmdBackPicture;
    QComboBox* cobOutLineStyle;
    QComboBox* cobInlineStyle;
    QScrollBar* vscOutLineWidth;
    QScrollBar* vscInLineWidth;
    QScrollBar* vscBorderWidth;
    QPushButton* cmdBorderLight;
    QPushButton* cmdBorderShadow;
    QPushButton* cmdBorderColor;
};

} // namespace glintar
