#include "segdisplay/pages/PageLibrary.h"

#include "segdisplay/Glintar.h"
#include "segdisplay/StyleSnapshot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace glintar {

namespace {

using styles::FileState;
using styles::WriteResult;

std::filesystem::path toPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString fromPath(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

QString unrecognised(const QString& path)
{
    return QStringLiteral("Can not recognise file format ") + path;
}

} // namespace

PageLibrary::PageLibrary(const PageEnvironment& environment, QWidget* parent)
    : PropertyPage(environment, parent), library(toPath(environment.libraryFolder))
{
    setObjectName(QStringLiteral("pageLibrary"));
    auto* grid = new QGridLayout(this);
    lstLibrary = new QListWidget(this);
    lstLibrary->setObjectName(QStringLiteral("lstLibrary"));
    grid->addWidget(new QLabel(tr("Styles (double-click to apply):"), this), 0, 0);
    grid->addWidget(lstLibrary, 1, 0, 3, 1);

    auto* fields = new QFormLayout;
    txtDescription = new QLineEdit(this);
    txtDescription->setObjectName(QStringLiteral("txtDescription"));
    txtNotes = new QPlainTextEdit(this);
    txtNotes->setObjectName(QStringLiteral("txtNotes"));
    fields->addRow(tr("Description:"), txtDescription);
    fields->addRow(tr("Notes:"), txtNotes);
    grid->addLayout(fields, 1, 1);

    auto* buttons = new QGridLayout;
    const auto button = [&](QPushButton*& b, const char* name, const QString& text, int row,
                            int column, void (PageLibrary::*run)()) {
        b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, run);
        buttons->addWidget(b, row, column);
    };
    button(cmdAdd, "cmdAdd", tr("Add"), 0, 0, &PageLibrary::add);
    button(cmdModify, "cmdModify", tr("Modify"), 0, 1, &PageLibrary::modify);
    button(cmdDelete, "cmdDelete", tr("Delete"), 0, 2, &PageLibrary::remove);
    button(cmdExport, "cmdExport", tr("Export..."), 1, 0, &PageLibrary::exportStyle);
    button(cmdImport, "cmdImport", tr("Import..."), 1, 1, &PageLibrary::importStyles);
    grid->addLayout(buttons, 2, 1);
    auto* where = new QLabel(tr("Library: %1").arg(libraryPath()), this);
    where->setObjectName(QStringLiteral("lblLibraryPath"));
    where->setWordWrap(true);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(where, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    connect(lstLibrary, &QListWidget::itemDoubleClicked, this, &PageLibrary::applySelected);
}

QString PageLibrary::caption() const
{
    return tr("Library");
}

QString PageLibrary::libraryPath() const
{
    return fromPath(library.path());
}

std::optional<std::vector<styles::StoredStyle>> PageLibrary::readLibrary()
{
    styles::StyleFileContents contents = library.read();
    if (contents.state == FileState::Unrecognised) {
        messages().error(tr("Error"), unrecognised(libraryPath()));
        return std::nullopt;
    }
    return std::move(contents.styles);
}

void PageLibrary::fill(Glintar&)
{
    lstLibrary->clear();
    if (!library.exists())
        return;
    const auto styles = readLibrary();
    if (!styles)
        return;
    for (const styles::StoredStyle& style : *styles)
        lstLibrary->addItem(fromStyleText(style.record.description));
    if (lstLibrary->count() > 0)
        lstLibrary->setCurrentRow(0);
}

void PageLibrary::applySelected(QListWidgetItem* item)
{
    if (!item || !control())
        return;
    const auto styles = readLibrary();
    const auto row = static_cast<std::size_t>(lstLibrary->row(item));
    if (!styles || row >= styles->size())
        return;
    const styles::StyleRecord& style = (*styles)[row].record;
    txtDescription->setText(fromStyleText(style.description));
    txtNotes->setPlainText(fromStyleText(style.notes));
    edit([&](Glintar& g) { applyStyle(g, style); });
}

bool PageLibrary::hasDescription()
{
    if (!txtDescription->text().isEmpty())
        return true;
    messages().error(tr("Warning"), QStringLiteral("The description field can not be empty!"));
    txtDescription->setFocus();
    return false;
}

bool PageLibrary::askCreate()
{
    return messages().askYesNo(QStringLiteral("Create?"),
                               libraryPath() + QStringLiteral(" does not exist \n") +
                                   QStringLiteral("Are you sure to create it?"));
}

bool PageLibrary::written(WriteResult result, const QString& path)
{
    switch (result) {
    case WriteResult::Done: return true;
    case WriteResult::Unrecognised: messages().error(tr("Error"), unrecognised(path)); return false;
    case WriteResult::NoSuchStyle:
        // The library changed under the list: show what it holds now.
        reload();
        return false;
    case WriteResult::Failed:
        messages().error(tr("Error"), tr("Can not write %1").arg(path));
        return false;
    }
    return false;
}

styles::StyleRecord PageLibrary::snapshot()
{
    return takeSnapshot(*control(), txtDescription->text(), txtNotes->toPlainText());
}

void PageLibrary::add()
{
    if (!control() || !hasDescription())
        return;
    const styles::StyleRecord style = snapshot();
    if (!library.exists() && !askCreate())
        return;
    if (written(library.append(styles::encodeRecord(style)), libraryPath()))
        lstLibrary->addItem(txtDescription->text());
}

void PageLibrary::modify()
{
    const int row = lstLibrary->currentRow();
    if (!control() || row < 0)
        return;
    if (!messages().askYesNo(QStringLiteral("Modify?"),
                             QStringLiteral("Are you sure to modify this item?")))
        return;
    if (!hasDescription())
        return;
    if (!written(library.replace(static_cast<std::size_t>(row), snapshot()), libraryPath()))
        return;
    QListWidgetItem* item = lstLibrary->item(row);
    if (item->text() != txtDescription->text())
        item->setText(txtDescription->text());
}

void PageLibrary::remove()
{
    // Any selected style can go, one without a description (imported from elsewhere) too.
    const int row = lstLibrary->currentRow();
    if (row < 0 || !messages().askYesNo(QStringLiteral("Delete?"),
                                        QStringLiteral("Are you sure to delete this item?")))
        return;
    if (!written(library.remove(static_cast<std::size_t>(row)), libraryPath()))
        return;
    delete lstLibrary->takeItem(row);
    txtDescription->clear();
    txtNotes->clear();
}

void PageLibrary::useFileDialogForStyles()
{
    commonDialog().setFilter(
        {{QStringLiteral("Varnok ActiveX Config File(*.varnok)"), QStringLiteral("*.varnok")}});
    commonDialog().setDefaultExt(QStringLiteral("varnok"));
}

bool PageLibrary::isLibrary(const QString& path) const
{
    // The same file by any spelling of its path: a library overwritten by an export of one
    // style, or imported into itself, would be lost or doubled.
    const QFileInfo chosen(path);
    const QFileInfo own(libraryPath());
    if (chosen.exists() && own.exists())
        return chosen.canonicalFilePath() == own.canonicalFilePath();
    return QDir::cleanPath(chosen.absoluteFilePath()) == QDir::cleanPath(own.absoluteFilePath());
}

void PageLibrary::exportStyle()
{
    if (!control() || !hasDescription())
        return;
    useFileDialogForStyles();
    if (!commonDialog().pickSaveFile())
        return;
    const QString path = commonDialog().fileName();
    if (isLibrary(path) && library.exists()) {
        messages().error(tr("Error"), QStringLiteral("Can not rewrite library file ") + path +
                                          QStringLiteral("\nPlease select another file name!"));
        return;
    }
    if (!styles::exportStyle(toPath(path), snapshot()))
        messages().error(tr("Error"), tr("Can not write %1").arg(path));
}

void PageLibrary::importStyles()
{
    useFileDialogForStyles();
    if (!commonDialog().pickOpenFile())
        return;
    const QString path = commonDialog().fileName();
    if (isLibrary(path)) {
        messages().error(tr("Error"), QStringLiteral("The library can not import itself!"));
        return;
    }
    const styles::StyleFileContents file = styles::readStyleFile(toPath(path));
    if (file.state == FileState::Missing)
        return;
    if (file.state == FileState::Unrecognised) {
        messages().error(tr("Error"), unrecognised(path));
        return;
    }
    for (const styles::StoredStyle& style : file.styles) {
        // Asked again for each style while the library is still missing.
        if (!library.exists() && !askCreate())
            continue;
        if (!written(library.append(style.bytes), libraryPath()))
            return;
        lstLibrary->addItem(fromStyleText(style.record.description));
    }
}

} // namespace glintar
