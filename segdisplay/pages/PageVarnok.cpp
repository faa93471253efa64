#include "segdisplay/pages/PageVarnok.h"

#include "segdisplay/Glintar.h"
#include "segdisplay/pages/FrmAbout.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace glintar {

PageVarnok::PageVarnok(const PageEnvironment& environment, QWidget* parent)
    : PropertyPage(environment, parent)
{
    setObjectName(QStringLiteral("pageVarnok"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(FrmAbout::text(), this);
    text->setObjectName(QStringLiteral("lblMaker"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(text, 1);
    auto* about = new QPushButton(tr("About Glintar..."), this);
    about->setObjectName(QStringLiteral("cmdAbout"));
    connect(about, &QPushButton::clicked, this, [this] {
        if (control())
            control()->showAbout();
    });
    layout->addWidget(about, 0, Qt::AlignRight);
}

QString PageVarnok::caption() const
{
    return tr("Varnok");
}

} // namespace glintar
