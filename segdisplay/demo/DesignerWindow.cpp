#include "segdisplay/demo/DesignerWindow.h"

#include "segdisplay/ControlRegistry.h"
#include "segdisplay/Glintar.h"
#include "segdisplay/PropertyBag.h"
#include "segdisplay/pages/PropertyPages.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QSaveFile>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

using glintar::Glintar;
using glintar::PropertyBag;

// The host's own keys for the display's size, in twips (15 to a pixel), as a form keeps them.
constexpr int kTwipsPerPixel = 15;
const QString kExtentX = QStringLiteral("_extentx");
const QString kExtentY = QStringLiteral("_extenty");
constexpr QSize kMinimumDisplay(48, 24);
const QString kFormFilter = QStringLiteral("Glintar form (*.glintar);;All files (*)");

} // namespace

DesignerWindow::DesignerWindow(QWidget* parent) : QMainWindow(parent)
{
    auto* canvas = new QWidget(this);
    canvas->setBackgroundRole(QPalette::Dark);
    canvas->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(canvas);
    layout->setContentsMargins(24, 24, 24, 24);
    setCentralWidget(canvas);
    newDisplay();

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&New"), QKeySequence::New, this, &DesignerWindow::newDisplay);
    file->addAction(tr("&Open..."), QKeySequence::Open, this, &DesignerWindow::openFile);
    file->addAction(tr("&Save"), QKeySequence::Save, this, &DesignerWindow::saveFile);
    file->addAction(tr("Save &As..."), QKeySequence::SaveAs, this, &DesignerWindow::saveFileAs);
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);

    QMenu* design = menuBar()->addMenu(tr("&Display"));
    design->addAction(tr("&Properties..."), QKeySequence(Qt::Key_F4), this,
                      [this] { showProperties(QStringLiteral("pageGeneral")); });
    design->addAction(tr("Style &Library..."), QKeySequence(Qt::CTRL | Qt::Key_L), this,
                      [this] { showProperties(QStringLiteral("pageLibrary")); });
    m_run = design->addAction(tr("&Run"));
    m_run->setCheckable(true);
    m_run->setShortcut(QKeySequence(Qt::Key_F5));
    connect(m_run, &QAction::toggled, this, &DesignerWindow::setRunMode);
    design->addSeparator();
    design->addAction(tr("&About Glintar..."), this, [this] { m_display->showAbout(); });

    statusBar()->showMessage(tr("Design mode: F4 opens the property pages, F5 runs the timers."));
    resize(520, 260);
    updateTitle();
}

void DesignerWindow::newDisplay()
{
    // A newly placed control, filling the canvas until a form gives it a size.
    delete m_display;
    m_display = qobject_cast<Glintar*>(
        glintar::ControlRegistry::create(QStringLiteral("VarnokGlintar.Glintar"), centralWidget()));
    // In the designer the display is in design mode: its timers stay still until Run.
    m_display->setRunMode(m_run && m_run->isChecked());
    m_display->setMinimumSize(kMinimumDisplay);
    centralWidget()->layout()->addWidget(m_display);
    m_path.clear();
    updateTitle();
}

bool DesignerWindow::open(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::critical(this, tr("Open"),
                              tr("Can not open %1: %2").arg(path, file.errorString()));
        return false;
    }
    QString error;
    const auto bag = PropertyBag::fromText(QString::fromUtf8(file.readAll()), &error);
    if (!bag) {
        QMessageBox::critical(this, tr("Open"),
                              tr("%1 is not a Glintar form: %2").arg(path, error));
        return false;
    }
    newDisplay();
    m_display->readProperties(*bag);
    if (bag->contains(kExtentX) && bag->contains(kExtentY))
        m_display->setFixedSize(bag->read(kExtentX, 0).toInt() / kTwipsPerPixel,
                                bag->read(kExtentY, 0).toInt() / kTwipsPerPixel);
    m_path = path;
    updateTitle();
    return true;
}

bool DesignerWindow::save(const QString& path)
{
    PropertyBag bag;
    m_display->writeProperties(bag);
    bag.insert(kExtentX, m_display->width() * kTwipsPerPixel);
    bag.insert(kExtentY, m_display->height() * kTwipsPerPixel);
    // Written aside and renamed over the old form: a failed save leaves the old one whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bag.toText().toUtf8()) < 0 ||
        !file.commit()) {
        QMessageBox::critical(this, tr("Save"),
                              tr("Can not save %1: %2").arg(path, file.errorString()));
        return false;
    }
    m_path = path;
    updateTitle();
    return true;
}

void DesignerWindow::openFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open form"), m_path, kFormFilter);
    if (!path.isEmpty())
        open(path);
}

void DesignerWindow::saveFile()
{
    if (m_path.isEmpty())
        saveFileAs();
    else
        save(m_path);
}

void DesignerWindow::saveFileAs()
{
    QFileDialog dialog(this, tr("Save form"), m_path, kFormFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("glintar"));
    if (dialog.exec() == QDialog::Accepted)
        save(dialog.selectedFiles().constFirst());
}

void DesignerWindow::showProperties(const QString& page)
{
    glintar::PropertyPages pages(m_display, {}, this);
    pages.showPage(page);
    pages.exec();
}

bool DesignerWindow::savePageScreenshots(const QString& folder)
{
    glintar::PropertyPages pages(m_display, {}, this);
    pages.show();
    bool saved = true;
    for (int i = 0; i < pages.tabs()->count(); ++i) {
        pages.tabs()->setCurrentIndex(i);
        const QString name = pages.tabs()->widget(i)->objectName();
        saved = pages.grab().save(QDir(folder).filePath(QStringLiteral("page-%1.png").arg(name))) &&
                saved;
    }
    return saved;
}

void DesignerWindow::setRunMode(bool run)
{
    m_display->setRunMode(run);
    statusBar()->showMessage(run ? tr("Run mode: the blink and clock timers tick.")
                                 : tr("Design mode: the timers are still."));
}

void DesignerWindow::updateTitle()
{
    setWindowTitle(tr("%1 - Glintar designer")
                       .arg(m_path.isEmpty() ? tr("Untitled") : QFileInfo(m_path).fileName()));
}
