#pragma once

#include "bands/BandDialogHost.h"
#include "bands/BandDialogs.h"

#include <QObject>

#include <array>
#include <string>

class QAction;
class QMenu;

namespace orvane {

class FrontPanel;

// The Band menu's Load, New, Edit and Delete submenus, one entry per slot, and what they do to
// the band table and the active band.
class BandMenus : public QObject, public BandDialogHost {
    Q_OBJECT
public:
    BandMenus(FrontPanel& panel, QMenu& bandMenu);

    // Start-up: reads all fifteen band files and shows which bands exist.
    void loadBandTable();
    // Slot n's four entries: enabled Load/Edit/Delete captioned with the band name, or only New
    // enabled, captioned "Band #n".
    void showBandPresent(int n, const QString& caption) override;
    void showBandAbsent(int n);
    // Makes slot n the active band from the table, without reading its file and without sending.
    void activateBand(int n);
    // Band > Load > n: read the file, activate it, tune to its start and send.
    void loadBand(int n);
    // Band > Delete > n, after the user confirms.
    void deleteBand(int n);
    // The V>M commit: the displayed frequency into the chosen cell of the active band.
    void storeMemoryCell();
    // The offset line a band activation writes (its visibility is left alone).
    void showActivatedOffset();
    // The Edit dialog's Save: its band becomes the active one as typed, and is sent.
    void activateEditedBand(const EditedBandActivation& edited) override;

    BandDialogs& dialogs() { return m_dialogs; }

    QAction* loadItem(int n) const { return m_items[0][index(n)]; }
    QAction* newItem(int n) const { return m_items[1][index(n)]; }
    QAction* editItem(int n) const { return m_items[2][index(n)]; }
    QAction* deleteItem(int n) const { return m_items[3][index(n)]; }

private:
    static std::size_t index(int n) { return static_cast<std::size_t>(n - 1); }
    void reportFileError(const std::string& error);

    FrontPanel& m_panel;
    BandDialogs m_dialogs;
    // Load, New, Edit, Delete.
    std::array<std::array<QAction*, 15>, 4> m_items{};
};

} // namespace orvane
