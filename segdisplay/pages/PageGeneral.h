#pragma once

// "General": the mode and what each mode shows, the cell count, decimals, slant, blinking and the
// segment colours.

#include "segdisplay/pages/PropertyPage.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace glintar {

class GLINTAR_EXPORT PageGeneral final : public PropertyPage {
    Q_OBJECT

public:
    PageGeneral(const PageEnvironment& environment, QWidget* parent = nullptr);
    QString caption() const override;

protected:
    void fill(Glintar& control) override;

private:
    void writeAlpha(Glintar& control, const QString& text);

    QComboBox* cmbMode;
    QComboBox* cmbAdjustMode;
    QComboBox* cmbLedType;
    QComboBox* cmbDateType;
    QComboBox* cmbPlusMinuMode;
    QScrollBar* vscLedBitNum;
    QScrollBar* vscDecimals;
    QScrollBar* vscItalicAngle;
    QLineEdit* txtBlinkRate;
    QCheckBox* chkBlinkEnabled;
    QCheckBox* chkLeadingZeros;
    QCheckBox* chkItalic;
    QPushButton* cmdOnColor;
    QPushButton* cmdOffColor;
    QLineEdit* txtAlpha;
};

} // namespace glintar
