#pragma once

// What the seven property pages share: the control they edit, the loading flag that keeps
// filling from writing back, and the kinds of fields they are built from. Every change a user
// makes goes straight to the control through its own setter, so the control's acceptance rules
// apply at once.

#include "segdisplay/OleColor.h"
#include "segdisplay/glintar_export.h"
#include "segdisplay/pages/PageEnvironment.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QValidator;

namespace glintar {

class Glintar;

class GLINTAR_EXPORT PropertyPage : public QWidget {
    Q_OBJECT

public:
    PropertyPage(const PageEnvironment& environment, QWidget* parent);
    ~PropertyPage() override;

    // The tab's caption.
    virtual QString caption() const = 0;

    Glintar* control() const { return m_control; }
    // Shows the page for `control` and fills its fields from it.
    void setControl(Glintar* control);
    // Fills the fields again from the control, writing nothing back.
    void reload();

    bool isChanged() const { return m_changed; }
    void clearChanged() { m_changed = false; }

Q_SIGNALS:
    // A field was changed by the user and written to the control.
    void changed();

protected:
    virtual void fill(Glintar& control) = 0;

    bool isLoading() const { return m_loading; }
    // Runs `write` on the control for a change the user made; nothing while the page fills.
    void edit(const std::function<void(Glintar&)>& write);

    CommonDialog& commonDialog() { return *m_commonDialog; }
    Messages& messages() { return *m_environment.messages; }
    const PageEnvironment& environment() const { return m_environment; }

    // The kinds of fields. Each is added to `form` with a label, named as the control it stands
    // for, and calls `write` when the user changes it.

    // A scroll bar from min to max with a label beside it showing its value.
    QScrollBar* addScroll(QFormLayout& form, const char* name, const QString& label, int min,
                          int max, std::function<void(Glintar&, int)> write);
    // A list of choices; write gets the chosen index.
    QComboBox* addChoice(QFormLayout& form, const char* name, const QString& label,
                         const QStringList& items, std::function<void(Glintar&, int)> write);
    QCheckBox* addCheck(QFormLayout& form, const char* name, const QString& label,
                        std::function<void(Glintar&, bool)> write);
    // A button showing a colour; clicking it opens the colour chooser at that colour and, when
    // the user confirms, shows the choice and writes it.
    QPushButton* addColour(QFormLayout& form, const char* name, const QString& label,
                           std::function<void(Glintar&, OleColor)> write);
    // A text box holding a number; write runs when the validator accepts the text, so a
    // half-typed "-" or an empty box leaves the property as it is.
    QLineEdit* addNumber(QFormLayout& form, const char* name, const QString& label,
                         QValidator* validator, std::function<void(Glintar&, double)> write);
    // A fraction: a text box and a scroll bar standing for hundredths. Moving the bar puts its
    // value / 100 into the box ("0.00"); the property is set from the box's number.
    struct Fraction {
        QLineEdit* text;
        QScrollBar* scroll;
    };
    Fraction addFraction(QFormLayout& form, const char* textName, const char* scrollName,
                         const QString& label, int min, int max, int pageStep,
                         std::function<void(Glintar&, double)> write);

    static void setColourFace(QPushButton* button, OleColor colour);
    static OleColor colourFace(const QPushButton* button);
    static void setFraction(const Fraction& field, double value);
    // The text's numeric value in the C locale, or nothing.
    static std::optional<double> numberIn(const QString& text);

private:
    PageEnvironment m_environment;
    std::unique_ptr<CommonDialog> m_commonDialog;
    QPointer<Glintar> m_control;
    bool m_loading = false;
    bool m_changed = false;
};

} // namespace glintar
