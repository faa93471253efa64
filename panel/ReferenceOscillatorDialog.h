#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvane
{

// The Reference Oscillator dialog (Form2): the crystal frequency and, for the AD9851, the 6x
// multiplier. It only shows and collects; the owner fills it before showing it and decides
// what Save does. Not modal; its text and options persist while it is hidden.
class ReferenceOscillatorDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ReferenceOscillatorDialog(QWidget* parent = nullptr);

    QString crystalText() const;
    void setCrystalText(const QString& text);
    bool x6Selected() const;
    void setOptions(bool enabled, bool x6);

    // Shows the dialog (where it was last, centred the first time) with the focus in the box.
    void showForEntry();
    // Says, in the dialog, why the typed frequency was not taken; the focus goes back to it.
    void showRefusal(const QString& message);

signals:
    void saveClicked();

private:
    QLineEdit* m_refOscTextBox;
    QRadioButton* m_pll1;
    QRadioButton* m_pll6;
    QLabel* m_refusal;
};

} // namespace orvane
