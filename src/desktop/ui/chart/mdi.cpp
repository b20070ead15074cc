#include "desktop/ui/chart/mdi.h"
#include "desktop/ui/widgets/fitted_font.h"
#include "desktop/ui/language/desktop_translator.h"
#include "desktop/ui/language/keep_translated.h"
#include "desktop/ui/language/language_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

#include "desktop/ui/chart/chart_colours.h"
#include "desktop/ui/chart/chart_settings.h"
#include "render/fonts.h"
#include "desktop/ui/chart/frm_display.h"
#include "desktop/ui/chart/settings_dialog.h"
#include "desktop/ui/widgets/help_menu.h"
#include "desktop/ui/widgets/self_sizing_label.h"
#include "desktop/ui/chart/strip_layout.h"
#include "desktop/ui/chart/toolbar_icons.h"
#include "desktop/ui/entry/field_list.h"
#include "render/twips.h"
#include "vargas/varga.h"

namespace grahavani {

namespace {

QWidget* MakeStrip(QWidget* parent, const QString& name, int heightTwips) {
    auto* strip = new QWidget(parent);
    strip->setObjectName(name);
    strip->setFixedHeight(TwipsToPixels(heightTwips));
    SetChartColours(*strip, ChartGround, ChartText);
    strip->setAutoFillBackground(true);
    return strip;
}

// The caption is an English source, shown in the reader's language now and at every change.
QPushButton* MakeStripButton(QWidget* strip, const QString& name, const char* caption,
                             const QFont& font, int topTwips, float widthTwips) {
    auto* button = new QPushButton(strip);
    button->setObjectName(name);
    button->setFont(font);
    button->setGeometry(TwipsRect(0, topTwips, widthTwips, 400));
    KeepTranslated(*button, [button, caption, pointSize = font.pointSizeF()] {
        const QString text = MDI::tr(caption);
        FitFontToWidth(*button, text, pointSize, 12);  // within the button's bevel
        button->setText(text);
    });
    return button;
}

constexpr std::size_t NavamsaVarga = 5;
static_assert(VargaDivisions[NavamsaVarga] == 9);

// As the chooser lists a varga and the caption names it.
QString VargaWords(std::size_t varga) { return QString::fromStdString(VargaTitle(varga, DesktopLanguage())); }

void MoveLeft(QWidget* widget, float leftTwips) {
    widget->move(TwipsToPixels(leftTwips), widget->y());
}

}  // namespace

MDI::MDI(QSettings& settings, QWidget* parent) : QMainWindow(parent), settings_(settings) {
    setObjectName("MDI");
    KeepTranslated(*this, [this] { setWindowTitle(tr("Grahavani 2.05")); });
    setContextMenuPolicy(Qt::NoContextMenu);  // the toolbar is shown or hidden from View only

    auto* client = new QWidget(this);
    auto* stack = new QVBoxLayout(client);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    auto* displayArea = new QScrollArea(client);
    displayArea->setObjectName("MDIClient");
    displayArea->setFrameShape(QFrame::NoFrame);
    displayArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    displayArea->setBackgroundRole(QPalette::Base);
    display_ = new frmDisplay(displayArea);
    displayArea->setWidget(display_);

    stack->addWidget(BuildHeadingStrip());
    stack->addWidget(BuildStyleStrip());
    stack->addWidget(displayArea, 1);
    stack->addWidget(BuildBottomStrip());
    setCentralWidget(client);

    BuildMenus();
    BuildToolbar();
    mnuToolBar->setChecked(true);
}

QWidget* MDI::BuildHeadingStrip() {
    QWidget* picTop = MakeStrip(this, "picTop", 1155);
    lblHeading = new QLabel(picTop);
    KeepTranslated(*lblHeading, [this] { lblHeading->setText(tr("Grahavani")); });
    lblHeading->setObjectName("lblHeading");
    lblHeading->setFont(VerdanaFont(18, true));
    lblHeading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblHeading->setGeometry(TwipsRect(0, 0, HeadingWidth, 435));
    lblStyleCaption = new SelfSizingLabel(picTop, "lblStyleCaption", {0, 360},
                                          VerdanaFont(14.25, true), Qt::AlignHCenter);
    lblStyleCaption->SetText(tr("Indian Style"));
    lblEphemeris = new SelfSizingLabel(picTop, "lblEphemeris", {0, 780}, VerdanaFont(8.25, true),
                                       Qt::AlignHCenter);
    return picTop;
}

QWidget* MDI::BuildStyleStrip() {
    QWidget* Picture2 = MakeStrip(this, "Picture2", 960);
    const QFont bold = VerdanaFont(8.25, true);
    cmdNorth = MakeStripButton(Picture2, "cmdNorth", QT_TR_NOOP("North Indian Style"), bold, 30,
                               StyleButtonWidth);
    cmdSouth = MakeStripButton(Picture2, "cmdSouth", QT_TR_NOOP("South Indian Style"), bold, 30,
                               StyleButtonWidth);
    cmdEast = MakeStripButton(Picture2, "cmdEast", QT_TR_NOOP("East Indian Style"), bold, 0, StyleButtonWidth);
    // Made after the style buttons, so that it follows them in the tab order.
    cboVarga = new FieldList(Picture2, "cboVarga", QString());
    cboVarga->setFont(bold);
    cboVarga->setGeometry(TwipsRect(0, 30, VargaChooserWidth, 400));
    for (std::size_t varga = 0; varga < VargaDivisions.size(); ++varga) cboVarga->addItem(QString());
    KeepTranslated(*cboVarga, [this] {
        cboVarga->setAccessibleName(tr("Divisional chart"));
        for (std::size_t varga = 0; varga < VargaDivisions.size(); ++varga) {
            cboVarga->setItemText(static_cast<int>(varga), VargaWords(varga));
        }
    });
    connect(cboVarga, &QComboBox::currentIndexChanged, this, &MDI::ShowVarga);
    cmdInterpration = MakeStripButton(Picture2, "cmdInterpration", QT_TR_NOOP("Show Interpretation"), bold,
                                      480, InterpretationWidth);
    connect(cmdNorth, &QPushButton::clicked, this, [this] { ApplyChartStyle(ChartStyle::North); });
    connect(cmdSouth, &QPushButton::clicked, this, [this] { ApplyChartStyle(ChartStyle::South); });
    connect(cmdEast, &QPushButton::clicked, this, [this] { ApplyChartStyle(ChartStyle::East); });
    connect(cmdInterpration, &QPushButton::clicked, this,
            [this] { display_->BringInterpretationToFront(); });
    return Picture2;
}

QWidget* MDI::BuildBottomStrip() {
    QWidget* Picture1 = MakeStrip(this, "Picture1", 700);
    cmdSaveAsJPG = MakeStripButton(Picture1, "cmdSaveAsJPG", QT_TR_NOOP("Save As &JPG"), VerdanaFont(8.25),
                                   120, SaveAsJpgWidth);
    cmdBack = MakeStripButton(Picture1, "cmdBack", QT_TR_NOOP("&Back"), SansSerifFont(), 120, BackWidth);
    cmdExit = MakeStripButton(Picture1, "cmdExit", QT_TR_NOOP("E&xit"), VerdanaFont(8.25), 120, ExitWidth);
    connect(cmdSaveAsJPG, &QPushButton::clicked, this, &MDI::saveAsJpgRequested);
    connect(cmdBack, &QPushButton::clicked, this, &MDI::backRequested);
    connect(cmdExit, &QPushButton::clicked, this, &MDI::exitRequested);
    return Picture1;
}

void MDI::BuildMenus() {
    QMenu* mnuFile = Submenu(menuBar(), "mnuFile", QT_TR_NOOP("&File"));
    mnuNew = Item(mnuFile, "mnuNew", QT_TR_NOOP("&New"));
    mnuOpen = Item(mnuFile, "mnuOpen", QT_TR_NOOP("&Open"));
    QMenu* mnuSaveAsText = Submenu(mnuFile, "mnuSaveAsText", QT_TR_NOOP("Save As &Text File"));
    mnuSave = Item(mnuSaveAsText, "mnuSave", QT_TR_NOOP("&Save"));
    mnuSaveAs = Item(mnuSaveAsText, "mnuSaveAs", QT_TR_NOOP("Save &As"));
    mnuFile->addSeparator();
    mnuExport = Item(mnuFile, "mnuExport", QT_TR_NOOP("&Export Chart As Text"));
    mnuExportPdf = Item(mnuFile, "mnuExportPdf", QT_TR_NOOP("Export &PDF..."));
    mnuFile->addSeparator();
    mnuMatching = Item(mnuFile, "mnuMatching", QT_TR_NOOP("Kundali &Matching..."));
    mnuFile->addSeparator();
    mnuPrint = Item(mnuFile, "mnuPrint", QT_TR_NOOP("&Print"));
    mnuFile->addSeparator();
    QAction* mnuBack = Item(mnuFile, "mnuBack", QT_TR_NOOP("&Back"));
    mnuFile->addSeparator();
    QAction* mnuExit = Item(mnuFile, "mnuExit", QT_TR_NOOP("E&xit"));

    QMenu* mnuView = Submenu(menuBar(), "mnuView", QT_TR_NOOP("&View"));
    mnuToolBar = Item(mnuView, "mnuToolBar", QT_TR_NOOP("&Toolbar"));
    mnuToolBar->setCheckable(true);
    mnuView->addSeparator();
    QMenu* mnuChartStyle = Submenu(mnuView, "mnuChartStyle", QT_TR_NOOP("&Chart Style"));
    styleItems_ = {Item(mnuChartStyle, "mnuNorth", QT_TR_NOOP("&North Indian Style")),
                   Item(mnuChartStyle, "mnuSouth", QT_TR_NOOP("&South Indian Style")),
                   Item(mnuChartStyle, "mnuEast", QT_TR_NOOP("&East Indian Style"))};
    for (std::size_t index = 0; index < styleItems_.size(); ++index) {
        styleItems_[index]->setCheckable(true);
        connect(styleItems_[index], &QAction::triggered, this,
                [this, index] { ApplyChartStyle(static_cast<ChartStyle>(index)); });
    }

    BuildChartChoices(mnuView);
    mnuView->addSeparator();
    auto* mnuLanguage = new LanguageMenu(mnuView);
    mnuView->addMenu(mnuLanguage);
    connect(mnuLanguage, &LanguageMenu::languageChosen, this, &MDI::languageChosen);

    mnuOnline = AddHelpMenu(
        menuBar(), [this](VendorPage page) { emit vendorPageRequested(page); },
        [this] { emit aboutRequested(); });

    const std::pair<QAction*, void (MDI::*)()> fileCommands[] = {
        {mnuNew, &MDI::newRequested},       {mnuOpen, &MDI::openRequested},
        {mnuSave, &MDI::saveRequested},     {mnuSaveAs, &MDI::saveAsRequested},
        {mnuExport, &MDI::exportRequested}, {mnuExportPdf, &MDI::exportPdfRequested},
        {mnuMatching, &MDI::matchingRequested}, {mnuPrint, &MDI::printRequested}};
    for (const auto& [command, request] : fileCommands) {
        connect(command, &QAction::triggered, this, request);
    }
    // Save As has no standard key on every platform, export none anywhere.
    const std::pair<QAction*, QKeySequence> shortcuts[] = {
        {mnuNew, QKeySequence::New},
        {mnuOpen, QKeySequence::Open},
        {mnuSave, QKeySequence::Save},
        {mnuSaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {mnuExport, QKeySequence(Qt::CTRL | Qt::Key_E)},
        {mnuPrint, QKeySequence::Print}};
    for (const auto& [command, keys] : shortcuts) command->setShortcut(keys);
    connect(mnuBack, &QAction::triggered, this, &MDI::backRequested);
    connect(mnuExit, &QAction::triggered, this, &MDI::exitRequested);
    connect(mnuToolBar, &QAction::triggered, this, [this](bool shown) { TB->setVisible(shown); });
}

void MDI::BuildChartChoices(QMenu* mnuView) {
    const auto checkable = [this](QMenu* menu, const QString& name, const char* caption) {
        QAction* action = Item(menu, name, caption);
        action->setCheckable(true);
        return action;
    };
    mnuView->addSeparator();
    QMenu* mnuEphemeris = Submenu(mnuView, "mnuEphemeris", QT_TR_NOOP("E&phemeris"));
    engineItems_ = {checkable(mnuEphemeris, "mnuClassic", QT_TR_NOOP("&Classic")),
                    checkable(mnuEphemeris, "mnuPrecise", QT_TR_NOOP("&Precise"))};
    auto* engines = new QActionGroup(this);
    for (std::size_t index = 0; index < engineItems_.size(); ++index) {
        engines->addAction(engineItems_[index]);
        connect(engineItems_[index], &QAction::triggered, this,
                [this, index] {
                    WriteEngine(settings_, static_cast<Engine>(index));
                    emit chartSettingsChanged();
                });
    }
    mnuEphemeris->addSeparator();
    mnuTrueNode = checkable(mnuEphemeris, "mnuTrueNode", QT_TR_NOOP("&True Node"));
    connect(mnuTrueNode, &QAction::triggered, this, [this](bool trueNode) {
        WriteLunarNode(settings_, trueNode ? LunarNode::True : LunarNode::Mean);
        emit chartSettingsChanged();
    });

    mnuNavamsa = checkable(mnuView, "mnuNavamsa", QT_TR_NOOP("&Navamsa (D9)"));
    connect(mnuNavamsa, &QAction::triggered, this, &MDI::ShowNavamsa);
    mnuLagnaAtTop = checkable(mnuView, "mnuLagnaAtTop", QT_TR_NOOP("&Lagna at Top (North Indian)"));
    connect(mnuLagnaAtTop, &QAction::triggered, this, &MDI::ShowLagnaAtTop);

    QMenu* mnuDashaYear = Submenu(mnuView, "mnuDashaYear", QT_TR_NOOP("&Dasha Year"));
    auto* years = new QActionGroup(this);
    const char* names[] = {"mnuYear36525", "mnuYear3652425", "mnuYear360"};
    const char* captions[] = {QT_TR_NOOP("365.2&5 days"), QT_TR_NOOP("365.2&425 days"), QT_TR_NOOP("36&0 days")};
    for (std::size_t index = 0; index < dashaYearItems_.size(); ++index) {
        dashaYearItems_[index] = checkable(mnuDashaYear, names[index], captions[index]);
        years->addAction(dashaYearItems_[index]);
        connect(dashaYearItems_[index], &QAction::triggered, this, [this, index] {
            WriteDashaYear(settings_, static_cast<DashaYear>(index));
            emit chartSettingsChanged();
        });
    }
    mnuView->addSeparator();
    QAction* mnuSettings = Item(mnuView, "mnuSettings", QT_TR_NOOP("&Settings…"));
    connect(mnuSettings, &QAction::triggered, this, &MDI::OpenSettings);
    ShowChartSettings();
}

QAction* MDI::Item(QMenu* menu, const QString& name, const char* caption) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(name);
    KeepTranslated(*this, [action, caption] { action->setText(tr(caption)); });
    return action;
}

QMenu* MDI::Submenu(QWidget* parentMenu, const QString& name, const char* caption) {
    auto* menu = new QMenu(parentMenu);
    menu->setObjectName(name);
    parentMenu->addAction(menu->menuAction());
    KeepTranslated(*this, [menu, caption] { menu->setTitle(tr(caption)); });
    return menu;
}

void MDI::OpenSettings() {
    auto* dialog = new SettingsDialog(settings_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &SettingsDialog::applied, this, [this] {
        ShowChartSettings();
        emit chartSettingsChanged();
    });
    dialog->open();
}

void MDI::ShowChartSettings() {
    const ChartOptions options = ReadChartOptions(settings_);
    engineItems_[static_cast<std::size_t>(options.engine)]->setChecked(true);
    mnuTrueNode->setChecked(options.node == LunarNode::True);
    dashaYearItems_[static_cast<std::size_t>(ReadDashaYear(settings_))]->setChecked(true);
    mnuLagnaAtTop->setChecked(ReadLagnaAtTop(settings_));
    display_->ShowLagnaAtTop(mnuLagnaAtTop->isChecked());
}

void MDI::ShowNavamsa(bool shown) { ChooseVarga(shown ? NavamsaVarga : 0); }

void MDI::ChooseVarga(std::size_t varga) {
    if (varga < VargaDivisions.size()) cboVarga->setCurrentIndex(static_cast<int>(varga));
}

void MDI::ShowVarga(int varga) {
    const auto chosen = static_cast<std::size_t>(varga);
    mnuNavamsa->setChecked(chosen == NavamsaVarga);
    display_->ShowVarga(chosen);
    ApplyChartStyle(style_);
}

void MDI::ShowLagnaAtTop(bool atTop) {
    WriteLagnaAtTop(settings_, atTop);
    display_->ShowLagnaAtTop(atTop);
    ApplyChartStyle(style_);
}

void MDI::ShowEphemeris(const QString& caption) {
    lblEphemeris->SetText(caption);
    display_->ShowEphemeris(caption);
    ApplyResizeRule();
}

void MDI::BuildToolbar() {
    TB = addToolBar(QString());
    TB->setObjectName("TB");
    KeepTranslated(*TB, [this] {
        TB->setWindowTitle(tr("Toolbar"));
        // Named as well: a screen reader is not told when a toolbar's title changes.
        TB->setAccessibleName(TB->windowTitle());
    });
    TB->setMovable(false);
    TB->setFloatable(false);
    TB->setIconSize(QSize(16, 15));
    TB->setFixedHeight(TwipsToPixels(420));
    //: Toolbar buttons' texts and tips: commands, as short as they can be.
    const std::pair<QString, const char*> buttons[] = {
        {"New", QT_TR_NOOP("New")},     {"Open", QT_TR_NOOP("Open")}, {"Save", QT_TR_NOOP("Save")},
        {"Print", QT_TR_NOOP("Print")}, {"Help", QT_TR_NOOP("Help")}};
    for (const auto& [name, caption] : buttons) {
        const QString key = name;  // a lambda captures no structured binding before C++20
        QAction* button = TB->addAction(ToolbarIcon(key), QString());
        button->setObjectName("TB" + key);
        KeepTranslated(*this, [button, caption = caption] {
            button->setText(tr(caption));
            button->setToolTip(tr(caption));
        });
        connect(button, &QAction::triggered, this, [this, key] { ToolbarButtonClicked(key); });
    }
}

QPushButton* MDI::StyleButton(ChartStyle style) const {
    switch (style) {
    case ChartStyle::North: return cmdNorth;
    case ChartStyle::South: return cmdSouth;
    case ChartStyle::East: return cmdEast;
    }
    return cmdSouth;
}

bool MDI::LagnaAtTop() const { return mnuLagnaAtTop->isChecked(); }

void MDI::ApplyChartStyle(ChartStyle style) {
    display_->BringChartToFront();
    for (std::size_t index = 0; index < styleItems_.size(); ++index) {
        styleItems_[index]->setChecked(index == static_cast<std::size_t>(style));
    }
    style_ = style;
    ShowStyleCaption();
    display_->ShowDrawing(style);
}

void MDI::ShowStyleCaption() {
    QString caption = ChartStyleName(style_);
    if (const int varga = cboVarga->currentIndex(); varga > 0) {
        caption += QStringLiteral(" · ") + VargaWords(static_cast<std::size_t>(varga));
    }
    lblStyleCaption->SetText(caption);
    display_->ShowCaption(caption);
    // The caption's width changed: centre it again.
    ApplyResizeRule();
}

void MDI::ToolbarButtonClicked(const QString& key) {
    const std::pair<const char*, QAction*> commands[] = {
        {"New", mnuNew}, {"Open", mnuOpen}, {"Save", mnuSave},
        {"Print", mnuPrint}, {"Help", mnuOnline}};
    for (const auto& [commandKey, command] : commands) {
        if (key == QLatin1String(commandKey)) {
            command->trigger();
            return;
        }
    }
}

void MDI::CloseForBack() {
    closingForBack_ = true;
    close();
}

void MDI::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    ApplyResizeRule();
}

void MDI::ApplyResizeRule() {
    const auto windowWidth = static_cast<float>(PixelsToTwips(frameGeometry().width()));
    const auto captionWidth = static_cast<float>(PixelsToTwips(lblStyleCaption->width()));
    const StripLefts lefts = ComputeStripLefts(windowWidth, captionWidth);
    MoveLeft(cmdExit, lefts.exit);
    MoveLeft(cmdBack, lefts.back);
    MoveLeft(cmdSaveAsJPG, lefts.saveAsJpg);
    MoveLeft(lblHeading, lefts.heading);
    MoveLeft(lblStyleCaption, lefts.styleCaption);
    // The engine's line stays centred under the caption.
    lblEphemeris->move(lblStyleCaption->x() + (lblStyleCaption->width() - lblEphemeris->width()) / 2,
                       lblEphemeris->y());
    MoveLeft(cmdSouth, lefts.south);
    MoveLeft(cmdNorth, lefts.north);
    MoveLeft(cmdInterpration, lefts.interpretation);
    MoveLeft(cmdEast, lefts.east);
    MoveLeft(cboVarga, lefts.varga);
}

void MDI::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!closingForBack_) emit exitRequested();
}

}  // namespace grahavani
