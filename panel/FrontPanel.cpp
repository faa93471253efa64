#include "FrontPanel.h"

#include "BandMenus.h"
#include "ChoiceMenu.h"
#include "DisplayControl.h"
#include "DisplayRegister.h"
#include "KeyboardUnit.h"
#include "KeypadUnit.h"
#include "MemoryUnit.h"
#include "PanelFace.h"
#include "PanelLayout.h"
#include "PowerUnit.h"
#include "RemoteTuning.h"
#include "ScanUnit.h"
#include "StartupShutdown.h"
#include "SweepUnit.h"
#include "SynthConfigMenus.h"
#include "bands/AboutBox.h"
#include "bands/BandConfig.h"
#include "bands/HelpForm.h"
#include "bands/SettingsKeys.h"
#include "bands/SettingsStore.h"
#include "panel/remote/RemoteControl.h"
#include "panel/toolkit/PushKey.h"
#include "panel/toolkit/SystemServices.h"
#include "panel/toolkit/Latin1.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>

#include <algorithm>
#include <limits>

namespace orvane {

namespace {

constexpr const char* kKeyLegends[14] = {"1", "2", "3", "4",     "5",  "6",  "7",
                                         "8", "9", "0", "ENTER", "UP", "DN", "CLR"};

constexpr const char* kKeyStyle = R"(
QPushButton {
    color: #e8eaec; font-family: "DejaVu Sans"; font-weight: bold; font-size: 11px;
    border: 1px solid #0b0c0d; border-radius: 4px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #60656c, stop:1 #2b2e32);
}
QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6c727a, stop:1 #33363b); }
QPushButton:pressed, QPushButton:checked {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #25272a, stop:1 #40444a);
}
QPushButton:checked { color: #ffb640; }
QPushButton:disabled { color: #80858b; }
QPushButton:focus { border: 1px solid #e09a2c; }
QPushButton#PwrButton { color: #ff7a66; }
QPushButton#PwrButton:disabled { color: #80858b; }
)";

// A text area over the display: borderless, pale green, bold dark green 12-point type.
QLabel* textArea(QWidget* parent, const char* name, const QRect& place, const QString& text,
                 bool defaultInk = false)
{
    auto* box = new QLabel(text, parent);
    box->setObjectName(name);
    box->setGeometry(place);
    QFont font;
    font.setFamilies({"MS Sans Serif", "DejaVu Sans", "Sans Serif"});
    font.setPointSize(12);
    font.setBold(true);
    box->setFont(font);
    box->setStyleSheet(QStringLiteral("background: %1; color: %2;")
                           .arg(kDisplayGreen.name(), defaultInk ? "black" : kDisplayInk.name()));
    box->hide();
    return box;
}

// The boxes are sized for the designed face; a wider substitute steps down until the widest
// text fits, rather than losing its last character.
void fitWidestText(QLabel* box, const QString& widest)
{
    QFont font = box->font();
    while (font.pointSize() > 6 && QFontMetrics(font).horizontalAdvance(widest) > box->width())
        font.setPointSize(font.pointSize() - 1);
    box->setFont(font);
}

QPixmap commaPicture(const QSize& size)
{
    QPixmap picture(size);
    picture.fill(kDisplayGreen);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x40, 0x80, 0x00));
    const qreal w = size.width();
    const qreal h = size.height();
    p.drawEllipse(QRectF(w * 0.15, 0, w * 0.7, w * 0.7));
    const QPointF tail[] = {{w * 0.5, w * 0.5}, {w * 0.85, w * 0.45}, {w * 0.2, h}};
    p.drawPolygon(tail, 3);
    return picture;
}

} // namespace

FrontPanel::FrontPanel(const Environment& environment, QWidget* parent)
    : QMainWindow(parent), bands(environment.bandFolder), link(environment.port, config),
      clock(environment.clock), system(environment.system), settings(environment.settings)
{
    setObjectName("Form1");
    setWindowTitle("Orvane - Elbrin");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setStyleSheet(kKeyStyle);

    buildFace();
    buildMenus();

    displayRegister = std::make_unique<DisplayRegister>(*this);
    power = std::make_unique<PowerUnit>(*this);
    keypad = std::make_unique<KeypadUnit>(*this);
    memory = std::make_unique<MemoryUnit>(*this);
    scan = std::make_unique<ScanUnit>(*this);
    sweep = std::make_unique<SweepUnit>(*this);
    bandMenus = std::make_unique<BandMenus>(*this, *mnuApplication);
    synthMenus = std::make_unique<SynthConfigMenus>(*this, *mnuProgram, settings, config, [this] {
        displayRegister->calcVfoFreq();
        displayRegister->setDecPoint();
        displayRegister->doTheMath();
    });
    dwellMenu = std::make_unique<ChoiceMenu>(*mnuProgram, "mnuScanDwell", "&Memory Scan Dwell Time",
                                             ScanUnit::dwellChoices(), settings,
                                             settings_keys::kDwellSetting, 1000,
                                             [this](int ms) { state.dwellTime = ms; });
    QMenu* sweepMenu = mnuProgram->addMenu("&Sweep");
    sweepMenu->setObjectName("mnuSweep");
    mnuSweepRange = sweepMenu->addAction("&Range");
    mnuSweepRange->setObjectName("mnuSweepRange");
    sweepStepMenu = std::make_unique<ChoiceMenu>(*sweepMenu, "mnuSweepStep", "&Step",
                                                 SweepUnit::stepChoices(), settings,
                                                 settings_keys::kSweepStep, 1,
                                                 [this](int hz) { sweep->setStepSize(hz); });
    sweepRateMenu = std::make_unique<ChoiceMenu>(*sweepMenu, "mnuSweepRate", "R&ate",
                                                 SweepUnit::rateChoices(), settings,
                                                 settings_keys::kSweepTime, 1,
                                                 [this](int ms) { sweep->setRate(ms); });

    remoteTuning = std::make_unique<RemoteTuning>(*this);
    remote = new RemoteControl(*this, *mnuProgram, settings, *remoteTuning, clock);

    mnuHelp = menuBar()->addMenu("&Help");
    mnuHelp->setObjectName("mnuHelp");
    mnuDDSHelp = mnuHelp->addAction("&Orvane Help");
    mnuDDSHelp->setObjectName("mnuDDSHelp");
    mnuAbout = mnuHelp->addAction("&About Orvane");
    mnuAbout->setObjectName("mnuAbout");

    lifecycle = std::make_unique<StartupShutdown>(*this);
    keyboard = new KeyboardUnit(*this);
    connectKeys();
    setTabOrder();

    statusBar()->setSizeGripEnabled(false);
    m_noticeLine = new QLabel(this);
    m_noticeLine->setObjectName("NoticeLine");
    statusBar()->addWidget(m_noticeLine, 1);
    setFixedSize(layout::kWindow.width(),
                 layout::kWindow.height() + menuBar()->sizeHint().height() +
                     statusBar()->sizeHint().height());
}

FrontPanel::~FrontPanel() = default;

void FrontPanel::buildFace()
{
    auto* face = new PanelFace(this);
    face->setFixedSize(layout::kWindow);
    setCentralWidget(face);

    glintar1 = std::make_unique<DisplayControl>(face, layout::kDisplay);

    for (int i = 0; i < 2; ++i) {
        auto* comma = new QLabel(face);
        comma->setObjectName(QStringLiteral("CommaBox%1").arg(i));
        comma->setGeometry(i == 0 ? layout::kThousandsComma : layout::kMillionsComma);
        comma->setPixmap(commaPicture(comma->size()));
        comma->hide();
        commaBox[static_cast<std::size_t>(i)] = comma;
    }
    standByBox = textArea(face, "StandByBox", layout::kStandByBox, "Standby");
    sweepBox = textArea(face, "SweepBox", layout::kSweepBox, "Step 1Hz");
    stepBox = textArea(face, "StepBox", layout::kStepBox, " Step 10 Hz");
    stepBox->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    overUnderFlowBox = textArea(face, "OverUnderFlowBox", layout::kOverUnderFlowBox, " ", true);
    overUnderFlowBox->setAlignment(Qt::AlignCenter);
    memoryBox = textArea(face, "MemoryBox", layout::kMemoryBox, " ");
    fitWidestText(memoryBox, "Mem 020");
    offsetBox = textArea(face, "OffsetBox", layout::kOffsetBox, " ");
    for (QLabel* area : {standByBox, sweepBox, stepBox, overUnderFlowBox, memoryBox, offsetBox})
        area->setAccessibleName(area->objectName());

    for (auto [box, name, place] : {std::tuple{&text1, "Text1", layout::kTuningWordBox},
                                    std::tuple{&text2, "Text2", layout::kBinaryWordBox}}) {
        *box = new QLineEdit(face);
        (*box)->setObjectName(name);
        (*box)->setGeometry(place);
        (*box)->setReadOnly(true);
        (*box)->setFont(QFont("DejaVu Sans Mono", 9));
        (*box)->hide();
    }
    text1->setAlignment(Qt::AlignRight);
    text1->setAccessibleName("Tuning word");
    text2->setAccessibleName("Serial load word");

    // Last of the display parts, so that it covers them while the panel is off.
    greyDisplayBox = new QLabel(face);
    greyDisplayBox->setObjectName("GreyDisplayBox");
    greyDisplayBox->setGeometry(layout::kGreyDisplayBox);
    greyDisplayBox->setStyleSheet(
        "background: qlineargradient(x1:0, y1:0, x2:0.3, y2:1, stop:0 #2f3a33, stop:0.45 #1d2420,"
        " stop:1 #121613);");
    greyDisplayBox->setAccessibleName("Display, switched off");

    auto key = [face](PushKey* k, const char* name, const QRect& place) {
        k->setParent(face);
        k->setObjectName(name);
        k->setGeometry(place);
        k->setText(k->accessibleName());
        return k;
    };
    for (int i = 0; i < 14; ++i)
        keyPad[static_cast<std::size_t>(i)] =
            key(new PushKey(kKeyLegends[i]), qPrintable(QStringLiteral("KeyPad%1").arg(i)),
                layout::kKeyPad[i]);
    pwrButton = key(new PushKey("PWR"), "PwrButton", layout::kPwrButton);
    stepButton = key(new PushKey("STEP"), "StepButton", layout::kStepButton);
    mwButton = key(new PushKey("V>M"), "MWButton", layout::kMWButton);

    auto latch = [face](const char* legend, const char* name, const QRect& place) {
        auto* k = new LatchKey(legend, face);
        k->setObjectName(name);
        k->setGeometry(place);
        k->setText(legend);
        return k;
    };
    standbyButton = latch("STBY", "StandbyButton", layout::kStandbyButton);
    scanButton = latch("SCAN\nMEM", "ScanButton", layout::kScanButton);
    scanButton->setAccessibleName("SCAN MEM");
    sweepButton = latch("SWP", "SweepButton", layout::kSweepButton);
    memoryButton = latch("M>V", "MemoryButton", layout::kMemoryButton);

    setToolTipEverywhere(pwrButton, "Click to Turn Orvane On/Off");
    setToolTipEverywhere(standbyButton, "Toggles between Active and Standby");
    setToolTipEverywhere(scanButton, "Click to Scan Memory Cells");
    setToolTipEverywhere(sweepButton, "Click to Sweep Frequency");
    setToolTipEverywhere(memoryButton, "Click to Enable/Disable Memory Selection");
    setToolTipEverywhere(mwButton, "Click to Begin Transfer to Memory");
    setToolTipEverywhere(stepButton, "Left Click to Increase Step, Right Click to Decrease Step");
}

void FrontPanel::buildMenus()
{
    mnuApplication = menuBar()->addMenu("&Band");
    mnuApplication->setObjectName("mnuApplication");

    mnuView = menuBar()->addMenu("&View");
    mnuView->setObjectName("mnuView");
    auto checkable = [](QMenu* menu, const char* name, const char* caption) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(name);
        item->setCheckable(true);
        return item;
    };
    mnuViewTuneWord = checkable(mnuView, "mnuViewTuneWord", "&Tuning Word");
    mnuViewBinary = checkable(mnuView, "mnuViewBinary", "&Binary Word");
    mnuViewOffset = checkable(mnuView, "mnuViewOffset", "&Frequency Offset");
    mnuViewOffset->setEnabled(false);

    mnuProgram = menuBar()->addMenu("&Program");
    mnuProgram->setObjectName("mnuProgram");
    mnupgmautohide = checkable(mnuProgram, "mnupgmautohide", "AutoHide");
}

void FrontPanel::setTabOrder()
{
    // Left column, keypad by rows, then the memory column: the order the face reads in.
    std::vector<QWidget*> order = {pwrButton, standbyButton, scanButton, sweepButton};
    for (int index : {0, 1, 2, 11, 3, 4, 5, 12, 6, 7, 8, 13, 9, 10})
        order.push_back(keyPad[static_cast<std::size_t>(index)]);
    order.insert(order.end(), {stepButton, memoryButton, mwButton});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void FrontPanel::connectKeys()
{
    for (int i = 0; i < 14; ++i) {
        PushKey* k = keyPad[static_cast<std::size_t>(i)];
        connect(k, &QAbstractButton::clicked, this, [this, i] { keypad->click(i); });
        connect(k, &PushKey::keyDown, this, [this, i](MouseButton b) { keypad->mouseDown(i, b); });
        connect(k, &PushKey::keyUp, this, [this, i](MouseButton) { keypad->mouseUp(i); });
        connect(k, &PushKey::hovered, this, [this, i] { keypad->hover(i); });
    }
    connect(stepButton, &PushKey::keyDown, this, [this](MouseButton b) { keypad->stepDown(b); });
    connect(pwrButton, &QAbstractButton::clicked, this, [this] { power->pwrClick(); });
    connect(standbyButton, &QAbstractButton::clicked, this,
            [this](bool pressed) { power->standbyClick(pressed); });
    connect(memoryButton, &QAbstractButton::clicked, this,
            [this](bool pressed) { memory->memoryClick(pressed); });
    connect(mwButton, &QAbstractButton::clicked, this, [this] { memory->mwClick(); });
    connect(scanButton, &QAbstractButton::clicked, this,
            [this](bool pressed) { scan->scanClick(pressed); });
    connect(sweepButton, &QAbstractButton::clicked, this,
            [this](bool pressed) { sweep->sweepClick(pressed); });
    connect(mnuSweepRange, &QAction::triggered, this, [this] { sweep->showRange(); });
    connect(mnupgmautohide, &QAction::triggered, this, [this] { power->autoHideMenuClick(); });
    connect(mnuViewOffset, &QAction::triggered, this, [this] { displayRegister->toggleOffsetView(); });
    connect(mnuDDSHelp, &QAction::triggered, this, [this] { HelpForm::showManual(this); });
    connect(mnuAbout, &QAction::triggered, this, [this] { showAbout(this); });
    connect(mnuViewTuneWord, &QAction::toggled, text1, &QWidget::setVisible);
    connect(mnuViewBinary, &QAction::toggled, text2, &QWidget::setVisible);
}

double FrontPanel::displayValue() const { return glintar1->value(); }

void FrontPanel::setDisplayValue(double hertz) { glintar1->setValue(hertz); }

std::int32_t FrontPanel::displayHertz() const
{
    // The display holds at most nine digits; anything beyond 32 bits is clamped, not undefined.
    const double limit = std::numeric_limits<std::int32_t>::max();
    return toHertz(std::clamp(displayValue(), -limit - 1, limit)).value_or(0);
}

void FrontPanel::setEnabled(std::initializer_list<QWidget*> controls, bool enabled)
{
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

void FrontPanel::setEnabled(const std::vector<QWidget*>& controls, bool enabled)
{
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

std::vector<QWidget*> FrontPanel::keypadKeys() const { return {keyPad.begin(), keyPad.end()}; }

std::vector<QWidget*> FrontPanel::digitKeys() const
{
    return {keyPad.begin(), keyPad.begin() + 10};
}

void FrontPanel::bringToFront(QWidget* textArea) { textArea->raise(); }

void FrontPanel::showNotice(const QString& text)
{
    m_noticeLine->setText(text);
}

void FrontPanel::setCaptionFromBandName(const std::string& name)
{
    setWindowTitle(fromLatin1(name));
}

void FrontPanel::closeEvent(QCloseEvent* event)
{
    if (!m_closing) {
        m_closing = true;
        lifecycle->shutDown();
    }
    event->accept();
}

void FrontPanel::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        power->windowStateChanged();
}

} // namespace orvane
