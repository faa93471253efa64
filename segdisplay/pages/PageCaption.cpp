#include "segdisplay/pages/PageCaption.h"

#include "segdisplay/Glintar.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

namespace glintar {

PageCaption::PageCaption(const PageEnvironment& environment, QWidget* parent)
    : PropertyPage(environment, parent)
{
    setObjectName(QStringLiteral("pageCaption"));
    auto* form = new QFormLayout(this);
    // The bar goes further than the control accepts (100): a count it refuses is shown as it
    // stands when the page reloads.
    vscCaptionNum =
        addScroll(*form, "vscCaptionNum", tr("Caption count:"), 0, 1000, [this](Glintar& g, int v) {
            g.setCaptionNum(v);
            reload();
        });
    vscID = addScroll(*form, "vscID", tr("Caption:"), 0, 0, [this](Glintar& g, int v) {
        g.setCaptionID(v);
        reload();
    });
    txtCaption = new QLineEdit(this);
    txtCaption->setObjectName(QStringLiteral("txtCaption"));
    connect(txtCaption, &QLineEdit::textChanged, this,
            [this](const QString& text) { edit([&](Glintar& g) { g.setCaptionText(text); }); });
    form->addRow(tr("Text:"), txtCaption);
    vscFontID = addScroll(*form, "vscFontID", tr("Font:"), 0, 0,
                          [](Glintar& g, int v) { g.setCaptionFontID(v); });
    x = addFraction(*form, "txtX", "hscX", tr("X:"), -50, 150, 10,
                    [](Glintar& g, double v) { g.setCaptionX(v); });
    y = addFraction(*form, "txtY", "hscY", tr("Y:"), -50, 150, 10,
                    [](Glintar& g, double v) { g.setCaptionY(v); });
    cmdCaptionColor = addColour(*form, "cmdCaptionColor", tr("Colour:"),
                                [](Glintar& g, OleColor c) { g.setCaptionColor(c); });
    captionFields = {vscID,    txtCaption, vscFontID, x.text,
                     x.scroll, y.text,     y.scroll,  cmdCaptionColor};
}

QString PageCaption::caption() const
{
    return tr("Captions");
}

void PageCaption::fill(Glintar& g)
{
    vscCaptionNum->setValue(g.captionNum());
    vscID->setRange(0, std::max(g.captionNum() - 1, 0));
    vscID->setValue(g.captionID());
    vscFontID->setRange(0, std::max(g.fontNum() - 1, 0));
    vscFontID->setValue(g.captionFontID());
    txtCaption->setText(g.captionText());
    setFraction(x, g.captionX());
    setFraction(y, g.captionY());
    setColourFace(cmdCaptionColor, g.captionColor());
    for (QWidget* field : captionFields)
        field->setEnabled(g.captionNum() > 0);
}

} // namespace glintar
