#include "ReferenceOscillatorDialog.h"

#include "panel/toolkit/Twips.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace orvane
{

namespace
{

QFont boldTwelvePoint(QFont font)
{
    font.setPointSize(12);
    font.setBold(true);
    return font;
}

template <typename Widget> Widget* place(Widget* widget, const char* name, const QRect& geometry)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

ReferenceOscillatorDialog::ReferenceOscillatorDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Reference Oscillator"));
    setFixedSize(twipsToPixels(4710), twipsToPixels(2055));

    auto* label1 = place(new QLabel(QStringLiteral(" Xtal Frequency"), this), "Label1",
                         twipsRect(240, 430, 1935, 420));
    label1->setFont(boldTwelvePoint(font()));

    m_refOscTextBox = place(new QLineEdit(QStringLiteral(" "), this), "RefOscTextBox",
                            twipsRect(2280, 360, 1455, 495));
    m_refOscTextBox->setFont(boldTwelvePoint(font()));
    label1->setBuddy(m_refOscTextBox);

    m_pll1 =
        place(new QRadioButton(QStringLiteral("X1"), this), "PLL1", twipsRect(3840, 240, 600, 405));
    m_pll6 =
        place(new QRadioButton(QStringLiteral("X6"), this), "PLL6", twipsRect(3840, 720, 600, 400));
    auto* options = new QButtonGroup(this);
    options->addButton(m_pll1);
    options->addButton(m_pll6);
    m_pll1->setChecked(true);

    auto* cancel = place(new QPushButton(QStringLiteral("Cancel"), this), "RefOscCancel",
                         twipsRect(480, 1200, 1455, 495));
    auto* save = place(new QPushButton(QStringLiteral("Save"), this), "RefOscButton",
                       twipsRect(2760, 1200, 1455, 495));
    // Enter in the box saves, Escape cancels.
    cancel->setAutoDefault(false);
    save->setDefault(true);

    // Room for the refusal of a frequency that cannot be used, under the buttons.
    m_refusal = place(new QLabel(this), "RefOscRefusal", twipsRect(240, 1725, 4230, 300));
    QPalette red = m_refusal->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_refusal->setPalette(red);
    m_refusal->hide();

    connect(save, &QPushButton::clicked, this, &ReferenceOscillatorDialog::saveClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_refOscTextBox, &QLineEdit::textEdited, m_refusal, &QWidget::hide);

    // Centred on the screen once, when loaded; afterwards it keeps where the user put it.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

QString ReferenceOscillatorDialog::crystalText() const
{
    return m_refOscTextBox->text();
}

void ReferenceOscillatorDialog::setCrystalText(const QString& text)
{
    m_refOscTextBox->setText(text);
}

bool ReferenceOscillatorDialog::x6Selected() const
{
    return m_pll6->isChecked();
}

void ReferenceOscillatorDialog::setOptions(bool enabled, bool x6)
{
    m_pll1->setEnabled(enabled);
    m_pll6->setEnabled(enabled);
    (x6 ? m_pll6 : m_pll1)->setChecked(true);
}

void ReferenceOscillatorDialog::showForEntry()
{
    m_refusal->hide();
    show();
    raise();
    activateWindow();
    m_refOscTextBox->setFocus();
}

void ReferenceOscillatorDialog::showRefusal(const QString& message)
{
    m_refusal->setText(message);
    m_refusal->show();
    m_refOscTextBox->setFocus();
    m_refOscTextBox->selectAll();
}

} // namespace orvane
