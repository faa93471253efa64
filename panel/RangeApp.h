#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvane {

struct ActiveBandRegisters;
class SystemServices;

// "Sweep Range": the sweep's start and end frequency, in whole hertz. Modeless; Save takes both
// or, when either is not a whole number in the signed 32-bit range, says which and keeps the
// range as it was. Closes (and is deleted) on Save and Cancel.
class RangeApp : public QDialog {
    Q_OBJECT
public:
    RangeApp(ActiveBandRegisters& band, SystemServices& system, QWidget* parent);

    QLabel* query2 = nullptr;
    QLineEdit* text2 = nullptr; // start
    QLabel* query3 = nullptr;
    QLineEdit* text3 = nullptr; // end
    QPushButton* cancelRange = nullptr;
    QPushButton* appRangeDone = nullptr; // "Save"

private:
    void save();

    ActiveBandRegisters& m_band;
    SystemServices& m_system;
};

} // namespace orvane
