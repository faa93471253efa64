#pragma once

#include <QWidget>

namespace orvane {

// The instrument's front, behind every control of the main window: a dark anodised panel with
// recessed frames for the key groups, the display window and engraved legends.
class PanelFace : public QWidget {
    Q_OBJECT
public:
    explicit PanelFace(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The pale green of the display window, shared by the display and the text laid over it.
inline const QColor kDisplayGreen(0xC0, 0xFF, 0xC0);
inline const QColor kDisplayInk(0x00, 0x80, 0x00);

} // namespace orvane
