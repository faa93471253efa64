#pragma once

#include "BandConfig.h"

#include <QDialog>
#include <cstdint>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace orvane {

class BandDialogHost;
class BandTable;
class SystemServices;

// The band dialogs: five fields and the "Offset VFO" box over one band's record. The New dialog
// (ConfApp) and the Edit dialog (EditApp) share all of it but their captions, the note line, what
// unchecking the offset leaves in its field, how they are filled and what Save does after the
// write. Modeless; Save, Cancel and the close box end a dialog and delete it.
class BandDialog : public QDialog {
    Q_OBJECT
public:
    // The band the fields were filled from or are typed for: fixed for the dialog's life, so the
    // fields can only ever be saved into that band's file.
    int dialogBand() const { return m_dialogBand; }

protected:
    struct Kind {
        const char* formName;
        const char* captionPrefix;
        const char* cancelName;
        const char* uncheckedOffsetText; // what the IF field shows once "Offset VFO" is unchecked
        bool hasNote;
    };

    // The fields as Save read them.
    struct Fields {
        QString typedName;
        double typedStart = 0; // the start frequency as typed, not rounded
        std::int32_t start = 0;
        std::int32_t end = 0;
        std::int32_t correction = 0;
        std::int32_t offset = 0;
    };

    BandDialog(const Kind& kind, int band, BandTable& table, BandDialogHost& host,
               SystemServices& services, QWidget* parent);

    // Shows a stored record: the name with its trailing spaces, numbers in plain decimal.
    void fill(const BandConfig& band);
    // What Save does once the record is written and the band's menu entries show it present.
    virtual void afterSave(const Fields& fields);

    BandDialogHost& host() const { return m_host; }

private:
    void showOffsetRow(bool shown);
    void offsetClicked(bool checked);
    void save();
    // The field's number in whole hertz, or nothing after telling the user it does not fit.
    std::optional<std::int32_t> readHertz(QLineEdit* field, const QString& name);

    const Kind m_kind;
    const int m_dialogBand;
    BandTable& m_table;
    BandDialogHost& m_host;
    SystemServices& m_services;

    QLineEdit* m_text1;
    QLineEdit* m_text2;
    QLineEdit* m_text3;
    QLineEdit* m_text4;
    QCheckBox* m_offsetCheck;
    QLabel* m_plusMinusLabel2;
    QLineEdit* m_text5;
    QLabel* m_hzLabel4;
    QLabel* m_noteLabel = nullptr;
};

// Band > New > n: an empty record for an absent band. Save writes it and shows the band present;
// the panel is not touched.
class ConfApp final : public BandDialog {
    Q_OBJECT
public:
    ConfApp(int band, BandTable& table, BandDialogHost& host, SystemServices& services,
            QWidget* parent = nullptr);
};

// Band > Edit > n: the band read afresh from its file. Save writes it and makes it the active band
// from the fields as typed, sending its start frequency.
class EditApp final : public BandDialog {
    Q_OBJECT
public:
    EditApp(int band, BandTable& table, BandDialogHost& host, SystemServices& services,
            QWidget* parent = nullptr);

protected:
    void afterSave(const Fields& fields) override;
};

} // namespace orvane
