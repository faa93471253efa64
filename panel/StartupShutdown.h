#pragma once

namespace orvane {

class FrontPanel;

// The main window's start-up, which restores the panel from the settings and the band files
// with the panel switched off, and its shutdown, which saves the run state and switches the
// daughtercard off.
class StartupShutdown {
public:
    explicit StartupShutdown(FrontPanel& panel) : m_panel(panel) {}

    void startUp();
    void shutDown();

private:
    void placeWindow();

    FrontPanel& m_panel;
};

} // namespace orvane
