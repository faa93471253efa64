#include "PanelFace.h"

#include "PanelLayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace orvane {

namespace {

const QColor kPanelTop(0x3a, 0x3e, 0x44);
const QColor kPanelBottom(0x1e, 0x20, 0x24);
const QColor kEngraving(0xd8, 0xdc, 0xe0);
const QColor kAccent(0xe0, 0x9a, 0x2c);

void recess(QPainter& p, const QRect& area, int radius)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, QColor(0x16, 0x17, 0x1a));
    fill.setColorAt(1, QColor(0x26, 0x28, 0x2c));
    p.fillPath(path, fill);
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.drawPath(path);
    // A highlight on the lower edge makes the frame read as sunk into the panel.
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawLine(area.left() + radius, area.bottom() + 1, area.right() - radius, area.bottom() + 1);
}

void legend(QPainter& p, const QRect& box, const QString& text, int pixelSize,
            const QColor& colour = kEngraving, int flags = Qt::AlignCenter)
{
    QFont font = p.font();
    font.setFamilies({"DejaVu Sans", "Sans Serif"});
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setLetterSpacing(QFont::PercentageSpacing, 108);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, flags, text);
}

} // namespace

PanelFace::PanelFace(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PanelFace::paintEvent(QPaintEvent*)
{
    using namespace layout;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient metal(0, 0, 0, height());
    metal.setColorAt(0, kPanelTop);
    metal.setColorAt(1, kPanelBottom);
    p.fillRect(rect(), metal);
    // Fine horizontal grain, as brushed aluminium.
    for (int y = 0; y < height(); y += 2)
        p.fillRect(0, y, width(), 1, QColor(255, 255, 255, (y * 7) % 5 == 0 ? 6 : 3));

    legend(p, QRect(kPwrPanel.left(), 6, 160, 20), "ORVANE", 15, kEngraving,
           Qt::AlignLeft | Qt::AlignVCenter);
    legend(p, QRect(kGreyDisplayBox.left(), 6, kGreyDisplayBox.width(), 20),
           "DDS  VARIABLE  FREQUENCY  OSCILLATOR", 9, QColor(0xa8, 0xae, 0xb4));
    legend(p, QRect(kKeyPadPanel.left(), 18, kKeyPadPanel.width(), 18), "FREQUENCY", 9, kAccent);
    legend(p, QRect(kButtonPanel.left(), 18, kButtonPanel.width(), 18), "MEMORY", 9, kAccent);
    legend(p, QRect(kPwrPanel.left() - 8, kPwrPanel.top() - 17, kPwrPanel.width() + 16, 16), "MODE", 9,
           kAccent);

    recess(p, kPwrPanel, 6);
    recess(p, kKeyPadPanel, 6);
    recess(p, kButtonPanel, 6);

    // The display window: a black bezel around the pale green glass.
    const QRect bezel = kGreyDisplayBox.adjusted(-5, -5, 5, 5);
    recess(p, bezel, 8);
    // Flat, so the display and the text areas laid over it blend into one glass.
    p.fillRect(kGreyDisplayBox, kDisplayGreen);

    legend(p, QRect(kGreyDisplayBox.left(), kGreyDisplayBox.bottom() + 8,
                    kGreyDisplayBox.width(), 16),
           "Hz", 10, QColor(0xa8, 0xae, 0xb4), Qt::AlignRight | Qt::AlignVCenter);
    legend(p, QRect(kKeyPadPanel.left(), kKeyPadPanel.bottom() + 8, 260, 16),
           "AD9850 / AD9851  SYNTHESIZER", 8, QColor(0x8a, 0x90, 0x96),
           Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace orvane
