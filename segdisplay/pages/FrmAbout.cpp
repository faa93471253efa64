#include "segdisplay/pages/FrmAbout.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace glintar {

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Glintar"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(text(), this);
    label->setWordWrap(true);
    label->setTextFormat(Qt::RichText);
    label->setMinimumWidth(360);
    layout->addWidget(label);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

QString FrmAbout::text()
{
    return tr("<h3>Glintar %1</h3>"
              "<p>A seven-segment LED display: a number, the time and date, or a short text, "
              "with blinking, captions, a background picture and a bevelled frame.</p>"
              "<p>Made by the Orvane developers for the Orvane DDS VFO front panel, and free for "
              "any Qt program that wants a display that looks like one.</p>"
              "<p>Styles are kept in the library file <tt>Glintar.varnok</tt>; the Library page "
              "saves, applies, exports and imports them.</p>")
        .arg(QStringLiteral(GLINTAR_VERSION));
}

} // namespace glintar
