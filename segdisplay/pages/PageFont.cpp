#include "segdisplay/pages/PageFont.h"

#include "segdisplay/Glintar.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace glintar {

PageFont::PageFont(const PageEnvironment& environment, QWidget* parent)
    : PropertyPage(environment, parent)
{
    setObjectName(QStringLiteral("pageFont"));
    auto* form = new QFormLayout(this);
    vscFontNum =
        addScroll(*form, "vscFontNum", tr("Font count:"), 1, 20, [this](Glintar& g, int v) {
            g.setFontNum(v);
            reload();
        });
    vscFontID = addScroll(*form, "vscFontID", tr("Font:"), 0, 0, [this](Glintar& g, int v) {
        g.setFontID(v);
        lblFont->setFont(g.fontSlot());
    });
    cmdFont = new QPushButton(tr("Set Font"), this);
    cmdFont->setObjectName(QStringLiteral("cmdFont"));
    connect(cmdFont, &QPushButton::clicked, this, &PageFont::pickFont);
    form->addRow(QString(), cmdFont);

    auto* frame = new QGroupBox(tr("Font Sample:"), this);
    auto* frameLayout = new QVBoxLayout(frame);
    lblFont = new QLabel(QStringLiteral("Varnok"), frame);
    lblFont->setObjectName(QStringLiteral("lblFont"));
    lblFont->setAlignment(Qt::AlignCenter);
    lblFont->setMinimumHeight(60);
    frameLayout->addWidget(lblFont);
    form->addRow(frame);
}

QString PageFont::caption() const
{
    return tr("Fonts");
}

void PageFont::fill(Glintar& g)
{
    vscFontNum->setValue(g.fontNum());
    vscFontID->setRange(0, std::max(g.fontNum() - 1, 0));
    vscFontID->setValue(g.fontID());
    lblFont->setFont(g.fontSlot());
}

void PageFont::pickFont()
{
    commonDialog().setFont(lblFont->font());
    if (!commonDialog().pickFont())
        return;
    const QFont chosen = commonDialog().font();
    lblFont->setFont(chosen);
    edit([&](Glintar& g) { g.setFontSlot(chosen); });
}

} // namespace glintar
