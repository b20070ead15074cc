#include "desktop/ui/entry/frm_main.h"
#include "translation/chart_names_in.h"
#include "desktop/ui/language/desktop_translator.h"
#include "desktop/ui/language/keep_translated.h"
#include "desktop/ui/language/language_menu.h"

#include <algorithm>

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>

#include "atlas/place_entries.h"
#include "model/name_tables.h"
#include "model/reference_tables.h"
#include "desktop/ui/entry/atlas_zone_choice.h"
#include "desktop/ui/entry/field_list.h"
#include "render/fonts.h"
#include "desktop/ui/widgets/help_menu.h"
#include "desktop/ui/widgets/link_label.h"
#include "desktop/ui/widgets/message_sink.h"
#include "desktop/ui/entry/place_completer.h"

namespace grahavani {

namespace {

// "-32768" and a blank on either side.
constexpr int CoordinateMaxLength = 8;

// The texts below are English sources, set in the reader's language now and at every change.
QString FormText(const char* source) { return frmMain::tr(source); }

QLineEdit* MakeTextBox(QWidget* parent, const QString& name, const char* accessibleName) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    KeepTranslated(*box, [box, accessibleName] { box->setAccessibleName(FormText(accessibleName)); });
    return box;
}

QLineEdit* MakeCoordinateBox(QWidget* parent, const QString& name, const char* accessibleName) {
    QLineEdit* box = MakeTextBox(parent, name, accessibleName);
    box->setMaxLength(CoordinateMaxLength);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance("-327680") + 12);
    return box;
}

void AddNumbers(QComboBox* list, int first, int last) {
    for (int value = first; value <= last; ++value) list->addItem(QString::number(value));
}

template <typename Widget>
Widget* MakeWithText(QWidget* parent, const QString& name, const char* caption) {
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    KeepTranslated(*widget, [widget, caption] { widget->setText(FormText(caption)); });
    return widget;
}

FieldList* MakeList(QWidget* parent, const QString& name, const char* accessibleName,
                    TypedKeys keys = TypedKeys::FindPrefix) {
    auto* list = new FieldList(parent, name, QString(), keys);
    KeepTranslated(*list, [list, accessibleName] { list->setAccessibleName(FormText(accessibleName)); });
    return list;
}

}  // namespace

frmMain::frmMain(MessageSink& messages, QWidget* parent)
    : QMainWindow(parent), messages_(messages) {
    setObjectName("frmMain");
    BuildMenus();
    BuildControls();
    FillLists();
    KeepTranslated(*this, [this] { setWindowTitle(tr("Grahavani 2.05")); });
}

void frmMain::BuildMenus() {
    const auto item = [this](QMenu* menu, const QString& name, const char* caption) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(name);
        KeepTranslated(*this, [action, caption] { action->setText(FormText(caption)); });
        return action;
    };
    QMenu* mnuFile = menuBar()->addMenu(QString());
    mnuFile->setObjectName("mnuFile");
    mnuOpen = item(mnuFile, "mnuOpen", QT_TR_NOOP("&Open"));
    mnuOpen->setShortcut(QKeySequence::Open);
    mnuCalculate = item(mnuFile, "mnuCalculate", QT_TR_NOOP("Get My Janam &Kundali"));
    mnuMatching = item(mnuFile, "mnuMatching", QT_TR_NOOP("Kundali &Matching..."));
    mnuFile->addSeparator()->setObjectName("mnuFileSep");
    mnuExit = item(mnuFile, "mnuExit", QT_TR_NOOP("&Exit"));

    QMenu* mnuView = menuBar()->addMenu(QString());
    mnuView->setObjectName("mnuView");
    auto* mnuLanguage = new LanguageMenu(mnuView);
    mnuView->addMenu(mnuLanguage);
    connect(mnuLanguage, &LanguageMenu::languageChosen, this, &frmMain::languageChosen);
    KeepTranslated(*this, [mnuFile, mnuView] {
        mnuFile->setTitle(tr("&File"));
        mnuView->setTitle(tr("&View"));
    });

    AddHelpMenu(
        menuBar(), [this](VendorPage page) { emit vendorPageRequested(page); },
        [this] { emit aboutRequested(); });

    connect(mnuOpen, &QAction::triggered, this, &frmMain::openRequested);
    connect(mnuCalculate, &QAction::triggered, this,
            [this] { emit calculateRequested(ChartStyle::South); });
    connect(mnuMatching, &QAction::triggered, this, &frmMain::matchingRequested);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
}

void frmMain::BuildControls() {
    auto* form = new QWidget(this);
    form->setFont(VerdanaFont(8.25));  // every label and button of the form
    setCentralWidget(form);
    auto* grid = new QGridLayout(form);

    std::array<QLabel*, 11> lblLabel{};
    const auto label = [&](int index, const char* caption) {
        lblLabel[index] = MakeWithText<QLabel>(form, QStringLiteral("lblLabel(%1)").arg(index), caption);
        return lblLabel[index];
    };

    // Created in tab order: name, date, time, place, coordinates, zone, buttons.
    txtName = MakeTextBox(form, "txtName", QT_TR_NOOP("Name"));
    // The year list keeps Qt's prefix search: "1", "9", "4" finds 1940 as it is typed.
    cboDate = MakeList(form, "cboDate", QT_TR_NOOP("Date of Birth: Day"), TypedKeys::PickNumber);
    cboMonth = MakeList(form, "cboMonth", QT_TR_NOOP("Date of Birth: Month"));
    cboYear = MakeList(form, "cboYear", QT_TR_NOOP("Date of Birth: Year"));
    cboHour = MakeList(form, "cboHour", QT_TR_NOOP("Time of Birth: Hour"), TypedKeys::PickNumber);
    cboMinute = MakeList(form, "cboMinute", QT_TR_NOOP("Time of Birth: Minute"), TypedKeys::PickNumber);
    txtCountry = MakeTextBox(form, "txtCountry", QT_TR_NOOP("Country"));
    //: The state or province of the birth place.
    txtState = MakeTextBox(form, "txtState", QT_TR_NOOP("State"));
    txtCity = MakeTextBox(form, "txtCity", QT_TR_NOOP("City"));
    Command1 = MakeWithText<QPushButton>(form, "Command1", QT_TR_NOOP("Click here to find Latitude && Longitude"));
    txtLatDeg = MakeCoordinateBox(form, "txtLatDeg", QT_TR_NOOP("Latitude: Degrees"));
    txtLatMin = MakeCoordinateBox(form, "txtLatMin", QT_TR_NOOP("Latitude: Minutes"));
    auto* fraLat = new QGroupBox(form);
    fraLat->setObjectName("fraLat");
    //: North and South of the equator: the latitude's direction, in a narrow box.
    optLat = {MakeWithText<QRadioButton>(fraLat, "optLat(0)", QT_TR_NOOP("North")),
              MakeWithText<QRadioButton>(fraLat, "optLat(1)", QT_TR_NOOP("South"))};
    txtLonDeg = MakeCoordinateBox(form, "txtLonDeg", QT_TR_NOOP("Longitude: Degrees"));
    txtLonMin = MakeCoordinateBox(form, "txtLonMin", QT_TR_NOOP("Longitude: Minutes"));
    auto* fraLong = new QGroupBox(form);
    fraLong->setObjectName("fraLong");
    //: East and West of Greenwich: the longitude's direction, in a narrow box.
    optLong = {MakeWithText<QRadioButton>(fraLong, "optLong(0)", QT_TR_NOOP("East")),
               MakeWithText<QRadioButton>(fraLong, "optLong(1)", QT_TR_NOOP("West"))};
    cboTimeZone = MakeList(form, "cboTimeZone", QT_TR_NOOP("Time Zone"));
    chkDST = MakeWithText<QCheckBox>(form, "chkDST", QT_TR_NOOP("Daylight Saving Time"));
    atlasZone_ = new AtlasZoneChoice(form, *cboTimeZone, *chkDST, messages_);
    cmdCalculate3 = MakeWithText<QPushButton>(form, "cmdCalculate3", QT_TR_NOOP("Get My Janam Kundali (&East Indian Style)"));
    cmdCalculate2 = MakeWithText<QPushButton>(form, "cmdCalculate2", QT_TR_NOOP("Get My Janam Kundali (&North Indian Style)"));
    cmdCalculate = MakeWithText<QPushButton>(form, "cmdCalculate", QT_TR_NOOP("Get My Janam Kundali (&South Indian Style)"));

    for (QGroupBox* frame : {fraLat, fraLong}) {
        auto* pair = new QHBoxLayout(frame);
        const auto options = frame->findChildren<QRadioButton*>();
        for (QRadioButton* option : options) pair->addWidget(option);
    }
    optLat[0]->setChecked(true);
    optLong[0]->setChecked(true);
    KeepTranslated(*form, [fraLat, fraLong] {
        fraLat->setAccessibleName(tr("Latitude direction"));
        fraLong->setAccessibleName(tr("Longitude direction"));
    });

    grid->addWidget(Command1, 0, 1, 1, 4);
    grid->addWidget(label(2, QT_TR_NOOP("Name")), 1, 0);
    grid->addWidget(txtName, 1, 1, 1, 4);
    grid->addWidget(label(1, QT_TR_NOOP("Date of Birth")), 2, 0);
    grid->addWidget(cboDate, 2, 1);
    grid->addWidget(cboMonth, 2, 2);
    grid->addWidget(cboYear, 2, 3);
    grid->addWidget(label(0, QT_TR_NOOP("Time of Birth")), 3, 0);
    grid->addWidget(cboHour, 3, 1);
    grid->addWidget(cboMinute, 3, 2);
    //: Hours and minutes of the lists before it, in a narrow column.
    auto* Label16 = MakeWithText<QLabel>(form, "Label16", QT_TR_NOOP("HH/MM"));
    grid->addWidget(Label16, 3, 3);
    grid->addWidget(label(6, QT_TR_NOOP("Country")), 4, 0);
    grid->addWidget(txtCountry, 4, 1, 1, 4);
    grid->addWidget(label(3, QT_TR_NOOP("State")), 5, 0);
    grid->addWidget(txtState, 5, 1, 1, 4);
    grid->addWidget(label(4, QT_TR_NOOP("City")), 6, 0);
    grid->addWidget(txtCity, 6, 1, 1, 4);
    grid->addWidget(label(7, QT_TR_NOOP("Latitude")), 7, 0);
    grid->addWidget(txtLatDeg, 7, 1);
    grid->addWidget(txtLatMin, 7, 2);
    //: Degrees and minutes of the boxes before it, in a narrow column.
    const char* degreesMinutes = QT_TR_NOOP("DEG/MIN");
    grid->addWidget(label(5, degreesMinutes), 7, 3);
    grid->addWidget(fraLat, 7, 4);
    grid->addWidget(label(8, QT_TR_NOOP("Longitude")), 8, 0);
    grid->addWidget(txtLonDeg, 8, 1);
    grid->addWidget(txtLonMin, 8, 2);
    grid->addWidget(label(9, degreesMinutes), 8, 3);
    grid->addWidget(fraLong, 8, 4);
    grid->addWidget(label(10, QT_TR_NOOP("Time Zone")), 9, 0);
    grid->addWidget(cboTimeZone, 9, 1, 1, 3);
    grid->addWidget(chkDST, 9, 4);
    grid->addWidget(atlasZone_, 10, 1, 1, 4);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdCalculate3, cmdCalculate2, cmdCalculate}) {
        buttons->addWidget(button);
    }
    grid->addLayout(buttons, 11, 0, 1, 5);

    // Only the promotional label in front is seen.
    auto* fraFullBrand = new QWidget(form);
    fraFullBrand->setObjectName("fraFullBrand");
    brands_ = new QStackedLayout(fraFullBrand);
    lblCobrand = MakeLinkLabel(fraFullBrand, "lblCobrand", QString(),
                               [this] { emit vendorPageRequested(VendorPage::CoBrand); });
    lblFullBrand = MakeLinkLabel(fraFullBrand, "lblFullBrand", QString(),
                                 [this] { emit vendorPageRequested(VendorPage::FullyBranded); });
    QLabel* Label1 = MakeLinkLabel(form, "Label1", QString(), [this] { emit vendorPageRequested(VendorPage::HomePage); });
    KeepTranslated(*form, [this, Label1] {
        SetLinkText(*lblCobrand, tr("Get this software branded for your own website. Click here for more details."));
        SetLinkText(*lblFullBrand,
                    tr("Home Business Opportunity. Start your own Internet business and make money online. "
                       "Get this software fully branded for your website. Click here for more details."));
        SetLinkText(*Label1, tr("Visit the Grahavani web site"));
    });
    brands_->addWidget(lblCobrand);
    brands_->addWidget(lblFullBrand);
    grid->addWidget(fraFullBrand, 12, 0, 1, 5);
    grid->addWidget(Label1, 13, 0, 1, 5);
    grid->setColumnStretch(4, 1);

    const std::pair<QLabel*, QWidget*> buddies[] = {
        {lblLabel[2], txtName},   {lblLabel[1], cboDate},   {lblLabel[0], cboHour},
        {lblLabel[6], txtCountry}, {lblLabel[3], txtState}, {lblLabel[4], txtCity},
        {lblLabel[7], txtLatDeg}, {lblLabel[5], txtLatMin}, {lblLabel[8], txtLonDeg},
        {lblLabel[9], txtLonMin}, {lblLabel[10], cboTimeZone}, {Label16, cboHour}};
    for (const auto& [caption, field] : buddies) caption->setBuddy(field);

    connect(Command1, &QPushButton::clicked, this, &frmMain::coordinateSearchRequested);
    connect(cmdCalculate, &QPushButton::clicked, this,
            [this] { emit calculateRequested(ChartStyle::South); });
    connect(cmdCalculate2, &QPushButton::clicked, this,
            [this] { emit calculateRequested(ChartStyle::North); });
    connect(cmdCalculate3, &QPushButton::clicked, this,
            [this] { emit calculateRequested(ChartStyle::East); });
    ConnectAtlas();
}

void frmMain::ConnectAtlas() {
    auto* completer = new PlaceCompleter(txtCity);
    connect(completer, &PlaceCompleter::placeChosen, this, &frmMain::EnterPlace);
    const auto refresh = [this] { atlasZone_->Refresh(Entries()); };
    for (QComboBox* list : {cboDate, cboMonth, cboYear, cboHour, cboMinute}) {
        connect(list, &QComboBox::currentIndexChanged, atlasZone_, refresh);
    }
    connect(atlasZone_, &AtlasZoneChoice::refreshRequested, atlasZone_, refresh);
    connect(atlasZone_, &AtlasZoneChoice::suggestRequested, atlasZone_, [this] { atlasZone_->Suggest(Entries()); });
    // A coordinate changed after the choice, by hand or a screen reader, is no longer the
    // atlas's, nor is the zone of a city typed over; EnterPlace follows the place only once its
    // fields are in.
    connect(txtCity, &QLineEdit::textChanged, atlasZone_,
            [this](const QString& city) { atlasZone_->CityEdited(city, Entries()); });
    for (QLineEdit* box : {txtLatDeg, txtLatMin, txtLonDeg, txtLonMin}) {
        connect(box, &QLineEdit::textChanged, atlasZone_, &AtlasZoneChoice::Forget);
    }
    for (QRadioButton* option : {optLat[0], optLat[1], optLong[0], optLong[1]}) {
        connect(option, &QRadioButton::toggled, atlasZone_, &AtlasZoneChoice::Forget);
    }
}

void frmMain::EnterPlace(const AtlasPlace& place) {
    BirthEntries entries = Entries();
    EnterAtlasPlace(place, entries);
    SetEntries(entries);
    atlasZone_->Follow(place, Entries());
}

void frmMain::FillLists() {
    AddNumbers(cboDate, 1, 31);
    AddNumbers(cboYear, 1900, 2050);
    AddNumbers(cboHour, 0, 24);
    AddNumbers(cboMinute, 0, 59);
    InitReferenceTables();
    for (std::size_t row = 0; row < MonthNames.size(); ++row) cboMonth->addItem(QString());
    for (std::size_t row = 0; row < TimeZoneList.size(); ++row) cboTimeZone->addItem(QString());
    // The lists show the language's words; the entries take each row's English text, so a
    // change of language keeps the rows chosen.
    KeepTranslated(*this, [this] {
        const Language language = DesktopLanguage();
        const auto item = [](std::string_view text) {
            return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        };
        for (std::size_t row = 0; row < MonthNames.size(); ++row) {
            cboMonth->setItemText(static_cast<int>(row), item(MonthNameIn(MonthNames[row], language)));
        }
        for (std::size_t row = 0; row < TimeZoneList.size(); ++row) {
            cboTimeZone->setItemText(static_cast<int>(row), item(ZoneRowTextIn(TimeZoneList[row].displayText, language)));
        }
    });
}

BirthEntries frmMain::Entries() const {
    const auto text = [](const QString& value) { return value.toStdString(); };
    BirthEntries entries;
    entries.Name = text(txtName->text());
    entries.Day = text(cboDate->currentText());
    // By row, so the month the chart gets is the English one whatever language the list shows.
    const int month = cboMonth->currentIndex();
    entries.Month = month < 0 ? std::string() : std::string(MonthNames[static_cast<std::size_t>(month)]);
    entries.Year = text(cboYear->currentText());
    entries.Hour = text(cboHour->currentText());
    entries.Minute = text(cboMinute->currentText());
    entries.LatitudeDegrees = text(txtLatDeg->text());
    entries.LatitudeMinutes = text(txtLatMin->text());
    entries.IsSouth = optLat[1]->isChecked();
    entries.LongitudeDegrees = text(txtLonDeg->text());
    entries.LongitudeMinutes = text(txtLonMin->text());
    entries.IsEast = optLong[0]->isChecked();
    entries.City = text(txtCity->text());
    entries.State = text(txtState->text());
    entries.Country = text(txtCountry->text());
    entries.TimeZoneRow = static_cast<std::size_t>(std::max(0, cboTimeZone->currentIndex()));
    entries.DaylightSaving = chkDST->isChecked();
    atlasZone_->AddZoneNumbers(entries);
    return entries;
}

void frmMain::BringBrandToFront(BrandLabel label) {
    brands_->setCurrentWidget(label == BrandLabel::CoBrand ? lblCobrand : lblFullBrand);
}

void frmMain::SetEntries(const BirthEntries& e) {
    const auto text = [](const std::string& value) { return QString::fromStdString(value); };
    // A value the list does not offer leaves it blank, so the checks name the list
    // instead of the chart being computed from the entry it held before.
    const auto pick = [&](QComboBox* list, const std::string& value) {
        list->setCurrentIndex(list->findText(text(value)));
    };
    // Cutting a value to fit its box could make another number of it: leave it out.
    const auto type = [&](QLineEdit* box, const std::string& value) {
        const QString typed = text(value);
        box->setText(typed.size() <= box->maxLength() ? typed : QString());
    };
    type(txtName, e.Name);
    pick(cboDate, e.Day);
    const auto month = std::find(MonthNames.begin(), MonthNames.end(), e.Month);
    cboMonth->setCurrentIndex(month == MonthNames.end() ? -1 : static_cast<int>(month - MonthNames.begin()));
    pick(cboYear, e.Year);
    pick(cboHour, e.Hour);
    pick(cboMinute, e.Minute);
    type(txtLatDeg, e.LatitudeDegrees);
    type(txtLatMin, e.LatitudeMinutes);
    optLat[e.IsSouth ? 1 : 0]->setChecked(true);
    type(txtLonDeg, e.LongitudeDegrees);
    type(txtLonMin, e.LongitudeMinutes);
    optLong[e.IsEast ? 0 : 1]->setChecked(true);
    type(txtCity, e.City);
    type(txtState, e.State);
    type(txtCountry, e.Country);
    atlasZone_->Forget();
}

void frmMain::TakeFileZone(bool statesZone, const BirthEntries& entries, const std::string& atlasTimeZone) {
    if (statesZone) {
        atlasZone_->TakeFileZone(entries, atlasTimeZone);
    } else {
        atlasZone_->SayFileHasNoZone();
    }
}

std::string frmMain::AtlasTimeZone() const { return atlasZone_->AtlasTimeZone(); }

void frmMain::PressCalculate() { cmdCalculate->click(); }

bool frmMain::ValidateInput() {
    const BirthEntries entries = Entries();
    // A list left blank by an opened file is caught before the calendar is read.
    return PassesCheck(CheckRequiredFields(entries)) && PassesCheck(CheckListValues(entries)) &&
           PassesCheck(CheckDate(entries));
}

bool frmMain::ConfirmAtlasCoordinates() {
    if (atlasZone_->ConfirmCoordinates(txtCity->text())) return true;
    txtCity->setFocus();
    return false;
}

bool frmMain::PassesCheck(const std::optional<EntryProblem>& problem) {
    if (!problem) return true;
    messages_.ShowInformation(this, QString::fromStdString(BirthEntryMessageIn(problem->message, DesktopLanguage())));
    if (problem->focus) {
        if (QWidget* field = FieldWidget(*problem->focus)) field->setFocus();
    }
    return false;
}

QWidget* frmMain::FieldWidget(EntryField field) const {
    switch (field) {
    case EntryField::Name: return txtName;
    case EntryField::Day: return cboDate;
    case EntryField::Month: return cboMonth;
    case EntryField::Year: return cboYear;
    case EntryField::Hour: return cboHour;
    case EntryField::Minute: return cboMinute;
    case EntryField::LatitudeDegrees: return txtLatDeg;
    case EntryField::LatitudeMinutes: return txtLatMin;
    case EntryField::LongitudeDegrees: return txtLonDeg;
    case EntryField::LongitudeMinutes: return txtLonMin;
    case EntryField::City: return txtCity;
    case EntryField::State: return txtState;
    case EntryField::Country: return txtCountry;
    case EntryField::TimeZone: return cboTimeZone;
    }
    return nullptr;
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    emit exitRequested();
}

}  // namespace grahavani
