#pragma once

#include <QMessageBox>
#include <memory>

namespace orvane {

// Help > About Orvane: a box with the version line, no icon and a single OK.
std::unique_ptr<QMessageBox> makeAboutBox(QWidget* parent);

// Shows the About box over `parent` and waits for OK.
void showAbout(QWidget* parent);

} // namespace orvane
