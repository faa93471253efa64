#pragma once

// "Leds": where the cells sit and, in manual geometry, how the segments and points are drawn.

#include "segdisplay/pages/PropertyPage.h"

namespace glintar {

class GLINTAR_EXPORT PageLed final : public PropertyPage {
    Q_OBJECT

public:
    PageLed(const PageEnvironment& environment, QWidget* parent = nullptr);
    QString caption() const override;

protected:
    void fill(Glintar& control) override;

private:
    Fraction size;
    Fraction x;
    Fraction y;
    QScrollBar* vscHSpace;
    QScrollBar* vscSegWidth;
    QScrollBar* vscSegSeparation;
    QScrollBar* vscDecimalSize;
    QScrollBar* vscDecimalXOffset;
    QScrollBar* vscDecimalYOffset;
};

} // namespace glintar
