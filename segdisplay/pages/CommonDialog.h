#pragma once

// The colour, font, open-file and save-file dialogs the property pages open, with the inputs
// they start from and the results they leave behind. The pages talk only to this class, so a
// test answers the dialogs with a subclass of its own; QtCommonDialog opens Qt's dialogs.

#include "segdisplay/OleColor.h"
#include "segdisplay/glintar_export.h"

#include <QFont>
#include <QList>
#include <QString>

class QWidget;

namespace glintar {

// One entry of a file dialog's type list: what the user reads and the patterns it matches
// (several separated by ';').
struct FileFilter {
    QString description;
    QString pattern;
};

class GLINTAR_EXPORT CommonDialog {
public:
    CommonDialog();
    virtual ~CommonDialog();
    CommonDialog(const CommonDialog&) = delete;
    CommonDialog& operator=(const CommonDialog&) = delete;

    OleColor color() const { return m_color; }
    void setColor(OleColor colour) { m_color = colour; }
    QFont font() const { return m_font; }
    void setFont(const QFont& font) { m_font = font; }
    QList<FileFilter> filter() const { return m_filter; }
    void setFilter(const QList<FileFilter>& filter) { m_filter = filter; }
    QString defaultExt() const { return m_defaultExt; }
    void setDefaultExt(const QString& extension) { m_defaultExt = extension; }
    QString fileName() const { return m_fileName; }
    void setFileName(const QString& path) { m_fileName = path; }

    // Each returns true when the user confirmed, false when cancelled or on any error, and
    // leaves the result (color, font, fileName) changed only on true.
    // A colour chooser starting at color().
    virtual bool pickColor() = 0;
    // A font chooser starting at font(): face, size in points, bold, italic, underline,
    // strikeout.
    virtual bool pickFont() = 0;
    // "Open File": the file must exist.
    virtual bool pickOpenFile() = 0;
    // "Save as": asks before it overwrites an existing file.
    virtual bool pickSaveFile() = 0;

private:
    OleColor m_color = 0;
    QFont m_font;
    QList<FileFilter> m_filter;
    QString m_defaultExt;
    QString m_fileName;
};

// Qt's own dialogs, owned by the window that holds the keyboard focus.
class GLINTAR_EXPORT QtCommonDialog final : public CommonDialog {
public:
    bool pickColor() override;
    bool pickFont() override;
    bool pickOpenFile() override;
    bool pickSaveFile() override;

private:
    bool pickFile(bool save);
};

} // namespace glintar
