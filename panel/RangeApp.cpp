#include "RangeApp.h"

#include "PanelState.h"
#include "bands/SettingsText.h"
#include "panel/toolkit/SystemServices.h"
#include "panel/toolkit/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <optional>

namespace orvane {

RangeApp::RangeApp(ActiveBandRegisters& band, SystemServices& system, QWidget* parent)
    : QDialog(parent), m_band(band), m_system(system)
{
    setObjectName("RangeApp");
    setWindowTitle("Sweep Range");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(4680), twipsToPixels(3030));
    // Set on each control: under the panel's style sheet a dialog's font does not reach them.
    QFont font;
    font.setFamilies({"MS Sans Serif", "DejaVu Sans", "Sans Serif"});
    font.setPointSize(12);
    font.setBold(true);

    auto label = [this, font](const char* name, const char* text, const QRect& place) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setGeometry(place);
        l->setFont(font);
        // A substitute face may run wider than the designed box; there is room up to the field.
        l->resize(std::max(place.width(), l->sizeHint().width()), place.height());
        return l;
    };
    auto field = [this, font](const char* name, std::int32_t hertz, const QRect& place) {
        auto* f = new QLineEdit(QString::number(hertz), this);
        f->setObjectName(name);
        f->setGeometry(place);
        f->setFont(font);
        return f;
    };
    auto button = [this, font](const char* name, const char* text, const QRect& place) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setGeometry(place);
        b->setFont(font);
        return b;
    };
    query2 = label("Query2", "Start Frequency", twipsRect(240, 480, 2055, 375));
    text2 = field("Text2", band.sweepStart, twipsRect(2640, 480, 1575, 420));
    query2->setBuddy(text2);
    query3 = label("Query3", "End Frequency", twipsRect(240, 1080, 2055, 375));
    text3 = field("Text3", band.sweepEnd, twipsRect(2640, 1080, 1575, 420));
    query3->setBuddy(text3);
    cancelRange = button("CancelRange", "Cancel", twipsRect(360, 2040, 1455, 495));
    appRangeDone = button("AppRangeDone", "Save", twipsRect(2760, 2040, 1455, 495));
    appRangeDone->setDefault(true); // Enter saves, Escape cancels

    connect(appRangeDone, &QPushButton::clicked, this, &RangeApp::save);
    connect(cancelRange, &QPushButton::clicked, this, &QDialog::reject);

    // Centred on the screen when it opens.
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
}

void RangeApp::save()
{
    const std::optional<std::int32_t> start = parseInt32(text2->text().toStdString());
    const std::optional<std::int32_t> end = parseInt32(text3->text().toStdString());
    for (auto [value, box, what] :
         {std::tuple{start, text2, "start"}, std::tuple{end, text3, "end"}}) {
        if (value)
            continue;
        m_system.ask("Sweep Range",
                     QStringLiteral("The %1 frequency \"%2\" is not a whole number of hertz from "
                                    "-2147483648 to 2147483647.\nThe sweep range is unchanged.")
                         .arg(what, box->text().trimmed()),
                     SystemServices::Icon::Warning, SystemServices::Buttons::Ok);
        box->setFocus();
        box->selectAll();
        return;
    }
    // A running sweep takes the new range from its next step.
    m_band.sweepStart = *start;
    m_band.sweepEnd = *end;
    accept();
}

} // namespace orvane
