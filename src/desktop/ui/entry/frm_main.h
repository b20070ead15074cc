#pragma once
// The entry form: the birth data as the user types and picks it, and the checks that
// run before a chart is computed from it.

#include <array>
#include <optional>
#include <string>

#include <QMainWindow>

#include "model/birth_entries.h"
#include "model/language.h"
#include "desktop/ui/chart/chart_style.h"
#include "desktop/ui/widgets/vendor_page.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedLayout;

namespace grahavani {

class AtlasZoneChoice;
class MessageSink;
struct AtlasPlace;

// The two promotional labels that lie on top of each other.
enum class BrandLabel { CoBrand, FullBrand };

class frmMain final : public QMainWindow {
    Q_OBJECT
public:
    frmMain(MessageSink& messages, QWidget* parent = nullptr);

    // The empty-field tests, the list values, then the calendar tests; the first
    // failure is shown and its field takes the focus.
    bool ValidateInput();
    // True when the check found no problem; otherwise shows it and moves the focus.
    bool PassesCheck(const std::optional<EntryProblem>& problem);
    // False, with the focus on City, when the user would rather not calculate with the
    // coordinates of an atlas place whose name was typed over.
    bool ConfirmAtlasCoordinates();
    BirthEntries Entries() const;
    void BringBrandToFront(BrandLabel label);
    // Puts the entries into the fields, as opening a chart file does; the time zone
    // and daylight saving stay as they are.
    void SetEntries(const BirthEntries& entries);
    // After SetEntries: the zone, tick and atlas zone an opened chart file stated, or, with
    // `statesZone` false, the line that says the file did not say them.
    void TakeFileZone(bool statesZone, const BirthEntries& entries, const std::string& atlasTimeZone);
    // The IANA zone of the atlas place the zone came from; empty for a zone picked by hand.
    std::string AtlasTimeZone() const;
    void PressCalculate();

signals:
    void calculateRequested(ChartStyle layout);
    // File → Open: a chart file into the form, as the main window's Open does.
    void openRequested();
    // File → Kundali Matching.
    void matchingRequested();
    // View → Language.
    void languageChosen(Language language);
    void exitRequested();
    void vendorPageRequested(VendorPage page);
    void aboutRequested();
    // Command1: the place is checked and searched for by whoever listens.
    void coordinateSearchRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildControls();
    void FillLists();
    QWidget* FieldWidget(EntryField field) const;
    // Fills the place's fields from the atlas and lets its clock history pick the zone.
    void EnterPlace(const AtlasPlace& place);
    void ConnectAtlas();

    MessageSink& messages_;

    QPushButton* Command1;
    QLineEdit* txtName;
    QComboBox* cboDate;
    QComboBox* cboMonth;
    QComboBox* cboYear;
    QComboBox* cboHour;
    QComboBox* cboMinute;
    QLineEdit* txtCountry;
    QLineEdit* txtState;
    QLineEdit* txtCity;
    QLineEdit* txtLatDeg;
    QLineEdit* txtLatMin;
    QLineEdit* txtLonDeg;
    QLineEdit* txtLonMin;
    std::array<QRadioButton*, 2> optLat{};   // 0 North, 1 South
    std::array<QRadioButton*, 2> optLong{};  // 0 East, 1 West
    QCheckBox* chkDST;
    QComboBox* cboTimeZone;
    AtlasZoneChoice* atlasZone_;
    QPushButton* cmdCalculate3;
    QPushButton* cmdCalculate2;
    QPushButton* cmdCalculate;
    QAction* mnuOpen;
    QAction* mnuCalculate;
    QAction* mnuMatching;
    QAction* mnuExit;
    QStackedLayout* brands_;
    QLabel* lblCobrand;
    QLabel* lblFullBrand;
};

}  // namespace grahavani
