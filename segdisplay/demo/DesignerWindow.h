#pragma once

// A small designer for one display, the way a person designs a display for a host window: the
// display in the middle, its property pages and style library a click away, and its property bag
// saved to and loaded from a file (the same JSON text a host keeps in its form).

#include <QMainWindow>
#include <QString>

class QAction;

namespace glintar {
class Glintar;
}

class DesignerWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit DesignerWindow(QWidget* parent = nullptr);

    glintar::Glintar* display() const { return m_display; }

    // Loads a display's form; false (and a message) when the file cannot be read as one.
    bool open(const QString& path);
    bool save(const QString& path);

    // The property pages on this display, on the page whose objectName is `page`.
    void showProperties(const QString& page);
    // Each property page as a PNG in `folder` (page-<name>.png); false when one cannot be saved.
    bool savePageScreenshots(const QString& folder);

private:
    void newDisplay();
    void openFile();
    void saveFile();
    void saveFileAs();
    void setRunMode(bool run);
    void updateTitle();

    glintar::Glintar* m_display = nullptr;
    QAction* m_run = nullptr;
    QString m_path;
};
