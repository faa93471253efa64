#include "segdisplay/pages/CommonDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QStringList>

namespace glintar {

namespace {

QWidget* owner()
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->window() : QApplication::activeWindow();
}

// "Description (pattern)" entries of Qt's file dialogs.
QStringList nameFilters(const QList<FileFilter>& filter)
{
    QStringList filters;
    for (const FileFilter& f : filter) {
        QString patterns = f.pattern;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(f.description, patterns);
    }
    return filters;
}

} // namespace

CommonDialog::CommonDialog()
    : m_font(QStringLiteral("Times New Roman"), 14), m_filter{{QStringLiteral("*.*"),
                                                               QStringLiteral("*")}}
{
}

CommonDialog::~CommonDialog() = default;

bool QtCommonDialog::pickColor()
{
    // Custom colours start black each time, as the chooser is opened fresh.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::black);
    const QColor start = toQColor(color(), QApplication::palette());
    const QColor chosen = QColorDialog::getColor(start, owner());
    if (!chosen.isValid())
        return false;
    setColor(static_cast<OleColor>(chosen.red()) | static_cast<OleColor>(chosen.green()) << 8 |
             static_cast<OleColor>(chosen.blue()) << 16);
    return true;
}

bool QtCommonDialog::pickFont()
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font(), owner());
    if (ok)
        setFont(chosen);
    return ok;
}

bool QtCommonDialog::pickFile(bool save)
{
    QFileDialog dialog(owner(), save ? QStringLiteral("Save as") : QStringLiteral("Open File"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters(filter()));
    dialog.setDefaultSuffix(defaultExt());
    if (!fileName().isEmpty())
        dialog.selectFile(fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    setFileName(dialog.selectedFiles().constFirst());
    return true;
}

bool QtCommonDialog::pickOpenFile()
{
    return pickFile(false);
}

bool QtCommonDialog::pickSaveFile()
{
    return pickFile(true);
}

} // namespace glintar
