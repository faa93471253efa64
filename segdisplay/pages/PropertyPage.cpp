#include "segdisplay/pages/PropertyPage.h"

#include "segdisplay/Glintar.h"
#include "segdisplay/StyleLibraryLocation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QValidator>
#include <cmath>

namespace glintar {

namespace {

constexpr const char* kColourProperty = "oleColour";

QString fractionText(int hundredths)
{
    return QString::number(hundredths / 100.0, 'f', 2);
}

} // namespace

PageEnvironment::PageEnvironment()
    : commonDialog([] { return std::make_unique<QtCommonDialog>(); }), messages(qtMessages()),
      libraryFolder(styleLibraryFolder())
{
}

PropertyPage::PropertyPage(const PageEnvironment& environment, QWidget* parent)
    : QWidget(parent), m_environment(environment), m_commonDialog(m_environment.commonDialog())
{
}

PropertyPage::~PropertyPage() = default;

void PropertyPage::setControl(Glintar* control)
{
    m_control = control;
    reload();
}

void PropertyPage::reload()
{
    if (!m_control)
        return;
    m_loading = true;
    fill(*m_control);
    m_loading = false;
}

void PropertyPage::edit(const std::function<void(Glintar&)>& write)
{
    if (m_loading || !m_control)
        return;
    write(*m_control);
    m_changed = true;
    Q_EMIT changed();
}

std::optional<double> PropertyPage::numberIn(const QString& text)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(v) ? std::optional(v) : std::nullopt;
}

QScrollBar* PropertyPage::addScroll(QFormLayout& form, const char* name, const QString& label,
                                    int min, int max, std::function<void(Glintar&, int)> write)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollBar(Qt::Horizontal, row);
    scroll->setObjectName(QLatin1String(name));
    scroll->setRange(min, max);
    scroll->setMinimumWidth(160);
    auto* shown = new QLabel(row);
    shown->setObjectName(QLatin1String(name) + QStringLiteral("Value"));
    shown->setMinimumWidth(QFontMetrics(shown->font()).horizontalAdvance(QStringLiteral("-00000")));
    shown->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    shown->setNum(scroll->value());
    layout->addWidget(scroll, 1);
    layout->addWidget(shown);
    connect(scroll, &QScrollBar::valueChanged, this, [this, shown, write](int v) {
        shown->setNum(v);
        edit([&](Glintar& g) { write(g, v); });
    });
    form.addRow(label, row);
    return scroll;
}

QComboBox* PropertyPage::addChoice(QFormLayout& form, const char* name, const QString& label,
                                   const QStringList& items,
                                   std::function<void(Glintar&, int)> write)
{
    auto* list = new QComboBox(this);
    list->setObjectName(QLatin1String(name));
    list->addItems(items);
    connect(list, &QComboBox::currentIndexChanged, this,
            [this, write](int index) { edit([&](Glintar& g) { write(g, index); }); });
    form.addRow(label, list);
    return list;
}

QCheckBox* PropertyPage::addCheck(QFormLayout& form, const char* name, const QString& label,
                                  std::function<void(Glintar&, bool)> write)
{
    auto* check = new QCheckBox(label, this);
    check->setObjectName(QLatin1String(name));
    connect(check, &QCheckBox::toggled, this,
            [this, write](bool on) { edit([&](Glintar& g) { write(g, on); }); });
    form.addRow(QString(), check);
    return check;
}

QPushButton* PropertyPage::addColour(QFormLayout& form, const char* name, const QString& label,
                                     std::function<void(Glintar&, OleColor)> write)
{
    auto* button = new QPushButton(this);
    button->setObjectName(QLatin1String(name));
    button->setMinimumWidth(150);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(button, &QPushButton::clicked, this, [this, button, write] {
        commonDialog().setColor(colourFace(button));
        if (!commonDialog().pickColor())
            return;
        const OleColor chosen = commonDialog().color();
        setColourFace(button, chosen);
        edit([&](Glintar& g) { write(g, chosen); });
    });
    form.addRow(label, button);
    return button;
}

QLineEdit* PropertyPage::addNumber(QFormLayout& form, const char* name, const QString& label,
                                   QValidator* validator,
                                   std::function<void(Glintar&, double)> write)
{
    auto* text = new QLineEdit(this);
    text->setObjectName(QLatin1String(name));
    validator->setParent(text);
    validator->setLocale(QLocale::c());
    text->setValidator(validator);
    connect(text, &QLineEdit::textChanged, this, [this, text, write](const QString& typed) {
        const auto v = numberIn(typed);
        if (v && text->hasAcceptableInput())
            edit([&](Glintar& g) { write(g, *v); });
    });
    form.addRow(label, text);
    return text;
}

PropertyPage::Fraction PropertyPage::addFraction(QFormLayout& form, const char* textName,
                                                 const char* scrollName, const QString& label,
                                                 int min, int max, int pageStep,
                                                 std::function<void(Glintar&, double)> write)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    Fraction field{new QLineEdit(row), new QScrollBar(Qt::Horizontal, row)};
    field.text->setObjectName(QLatin1String(textName));
    field.text->setMaximumWidth(80);
    auto* validator = new QDoubleValidator(field.text);
    validator->setLocale(QLocale::c());
    validator->setNotation(QDoubleValidator::StandardNotation);
    field.text->setValidator(validator);
    field.scroll->setObjectName(QLatin1String(scrollName));
    field.scroll->setRange(min, max);
    field.scroll->setPageStep(pageStep);
    field.scroll->setMinimumWidth(160);
    layout->addWidget(field.text);
    layout->addWidget(field.scroll, 1);

    // The bar writes through the box, so the property always holds what the box shows.
    connect(field.scroll, &QScrollBar::valueChanged, this,
            [field](int v) { field.text->setText(fractionText(v)); });
    connect(field.text, &QLineEdit::textChanged, this, [this, field, write](const QString& typed) {
        const auto v = numberIn(typed);
        if (!v)
            return;
        {
            const QSignalBlocker still(field.scroll);
            field.scroll->setValue(static_cast<int>(std::lround(*v * 100)));
        }
        edit([&](Glintar& g) { write(g, *v); });
    });
    form.addRow(label, row);
    return field;
}

void PropertyPage::setColourFace(QPushButton* button, OleColor colour)
{
    button->setProperty(kColourProperty, colour);
    // A swatch and the colour's value: a system colour shows as what it paints now.
    QPixmap swatch(40, 14);
    swatch.fill(toQColor(colour, button->palette()));
    QPainter(&swatch).drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    button->setIcon(QIcon(swatch));
    button->setIconSize(swatch.size());
    button->setText((colour & kSystemColourFlag)
                        ? QStringLiteral("System %1").arg(colour & ~kSystemColourFlag)
                        : QStringLiteral("0x") +
                              QStringLiteral("%1").arg(colour, 6, 16, QLatin1Char('0')).toUpper());
}

OleColor PropertyPage::colourFace(const QPushButton* button)
{
    return button->property(kColourProperty).toUInt();
}

void PropertyPage::setFraction(const Fraction& field, double value)
{
    field.text->setText(QString::number(value));
    const QSignalBlocker still(field.scroll);
    field.scroll->setValue(static_cast<int>(std::lround(value * 100)));
}

} // namespace glintar
