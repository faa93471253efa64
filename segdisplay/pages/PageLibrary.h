#pragma once

// "Library": the style library. The list shows the library's styles by description; a
// double-click applies one to the control; Add, Modify and Delete change the library; Export
// writes the control's style to a file of its own and Import appends the styles of such a file.
// Every operation opens and closes the library itself: nothing is cached between them.

#include "segdisplay/pages/PropertyPage.h"
#include "segdisplay/styles/StyleLibrary.h"

class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;

namespace glintar {

class GLINTAR_EXPORT PageLibrary final : public PropertyPage {
    Q_OBJECT

public:
    PageLibrary(const PageEnvironment& environment, QWidget* parent = nullptr);
    QString caption() const override;

    QString libraryPath() const;

protected:
    void fill(Glintar& control) override;

private:
    void applySelected(QListWidgetItem* item);
    void add();
    void modify();
    void remove();
    void exportStyle();
    void importStyles();

    // false, with the warning shown and the focus in the box, when Description is empty.
    bool hasDescription();
    // The library's styles; nullopt (the message shown) when it is not a style file.
    std::optional<std::vector<styles::StoredStyle>> readLibrary();
    bool askCreate();
    // Reports a write that did not happen; true when it did.
    bool written(styles::WriteResult result, const QString& path);
    styles::StyleRecord snapshot();
    void useFileDialogForStyles();
    bool isLibrary(const QString& path) const;

    styles::StyleLibrary library;
    QListWidget* lstLibrary;
    QLineEdit* txtDescription;
    QPlainTextEdit* txtNotes;
    QPushButton* cmdAdd;
    QPushButton* cmdModify;
    QPushButton* cmdDelete;
    QPushButton* cmdExport;
    QPushButton* cmdImport;
};

} // namespace glintar
