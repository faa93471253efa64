#include "segdisplay/pages/PageBackGround.h"

#include "segdisplay/Glintar.h"

#include <QComboBox>
#include <QFormLayout>
#include <QImageReader>
#include <QPushButton>
#include <QScrollBar>

namespace glintar {

namespace {

const QStringList kLineStyles = {QStringLiteral("1-Raised"), QStringLiteral("2-Lowed")};

Glintar::LineStyle lineStyle(int index)
{
    return static_cast<Glintar::LineStyle>(index + 1);
}

} // namespace

PageBackGround::PageBackGround(const PageEnvironment& environment, QWidget* parent)
    : PropertyPage(environment, parent)
{
    setObjectName(QStringLiteral("pageBackGround"));
    auto* form = new QFormLayout(this);
    cmdBackColor = addColour(*form, "cmdBackColor", tr("Back colour:"),
                             [](Glintar& g, OleColor c) { g.setBackColor(c); });
    cmdBackPicture = new QPushButton(QStringLiteral("BackPicture"), this);
    cmdBackPicture->setObjectName(QStringLiteral("cmdBackPicture"));
    connect(cmdBackPicture, &QPushButton::clicked, this, &PageBackGround::pickBackPicture);
    form->addRow(tr("Back picture:"), cmdBackPicture);
    cobOutLineStyle = addChoice(*form, "cobOutLineStyle", tr("Outer line style:"), kLineStyles,
                                [](Glintar& g, int i) { g.setOutLineStyle(lineStyle(i)); });
    cobInlineStyle = addChoice(*form, "cobInlineStyle", tr("Inner line style:"), kLineStyles,
                               [](Glintar& g, int i) { g.setInLineStyle(lineStyle(i)); });
    vscOutLineWidth = addScroll(*form, "vscOutLineWidth", tr("Outer line width:"), 0, 1000,
                                [](Glintar& g, int v) { g.setOutLineWidth(v); });
    vscInLineWidth = addScroll(*form, "vscInLineWidth", tr("Inner line width:"), 0, 1000,
                               [](Glintar& g, int v) { g.setInLineWidth(v); });
    vscBorderWidth = addScroll(*form, "vscBorderWidth", tr("Border width:"), 0, 1000,
                               [](Glintar& g, int v) { g.setBorderWidth(v); });
    cmdBorderLight = addColour(*form, "cmdBorderLight", tr("Border light:"),
                               [](Glintar& g, OleColor c) { g.setBorderLight(c); });
    cmdBorderShadow = addColour(*form, "cmdBorderShadow", tr("Border shadow:"),
                                [](Glintar& g, OleColor c) { g.setBorderShadow(c); });
    cmdBorderColor = addColour(*form, "cmdBorderColor", tr("Border colour:"),
                               [](Glintar& g, OleColor c) { g.setBorderColor(c); });
}

QString PageBackGround::caption() const
{
    return tr("Background");
}

void PageBackGround::fill(Glintar& g)
{
    setColourFace(cmdBackColor, g.backColor());
    cobOutLineStyle->setCurrentIndex(static_cast<int>(g.outLineStyle()) - 1);
    cobInlineStyle->setCurrentIndex(static_cast<int>(g.inLineStyle()) - 1);
    vscOutLineWidth->setValue(g.outLineWidth());
    vscInLineWidth->setValue(g.inLineWidth());
    vscBorderWidth->setValue(g.borderWidth());
    setColourFace(cmdBorderLight, g.borderLight());
    setColourFace(cmdBorderShadow, g.borderShadow());
    setColourFace(cmdBorderColor, g.borderColor());
}

void PageBackGround::pickBackPicture()
{
    commonDialog().setFilter({
        {QStringLiteral("All Picture Files"), QStringLiteral("*.bmp;*.jpg;*.ico;*.gif;*.wmf")},
        {QStringLiteral("*.bmp"), QStringLiteral("*.bmp")},
        {QStringLiteral("*.jpg"), QStringLiteral("*.jpg")},
        {QStringLiteral("*.ico"), QStringLiteral("*.ico")},
        {QStringLiteral("*.gif"), QStringLiteral("*.gif")},
        {QStringLiteral("*.wmf"), QStringLiteral("*.wmf")},
    });
    if (!commonDialog().pickOpenFile())
        return;
    QImageReader reader(commonDialog().fileName());
    const QImage picture = reader.read();
    if (picture.isNull()) {
        messages().error(tr("Error"), tr("Can not load the picture %1: %2")
                                          .arg(commonDialog().fileName(), reader.errorString()));
        return;
    }
    edit([&](Glintar& g) { g.setBackPicture(picture); });
}

} // namespace glintar
