#pragma once
// The main window in which a computed chart is looked at: menus, toolbar, the three
// amber strips and the chart display between them. Its View menu keeps the chart choices
// in the settings.

#include <array>

#include <QMainWindow>

#include "desktop/ui/chart/chart_style.h"
#include "model/language.h"
#include "desktop/ui/widgets/vendor_page.h"

class QAction;
class QSettings;
class QLabel;
class QMenu;
class QPushButton;
class QToolBar;

namespace grahavani {

class FieldList;
class frmDisplay;
class SelfSizingLabel;

class MDI final : public QMainWindow {
    Q_OBJECT
public:
    explicit MDI(QSettings& settings, QWidget* parent = nullptr);

    frmDisplay& Display() { return *display_; }
    // The button that shows a style, as the calculation presses it.
    QPushButton* StyleButton(ChartStyle style) const;

    void ApplyChartStyle(ChartStyle style);
    // The style and the varga shown, above the drawing and on it, in the language shown.
    void ShowStyleCaption();
    ChartStyle Style() const { return style_; }
    // Whether View → Lagna at Top is checked.
    bool LagnaAtTop() const;
    // Shows the divisional chart of VargaDivisions at this index, as the chooser and the
    // navamsa item do; 0 is the birth chart (D1).
    void ChooseVarga(std::size_t varga);
    // Checks the View menu's chart choices as the settings hold them.
    void ShowChartSettings();
    // The engine that made the chart, under the style caption and on the chart.
    void ShowEphemeris(const QString& caption);
    // Runs the command of the toolbar button with this key; other keys do nothing.
    void ToolbarButtonClicked(const QString& key);
    // Closes the window, with the display inside it, without ending the program.
    void CloseForBack();

signals:
    void backRequested();
    void exitRequested();
    void vendorPageRequested(VendorPage page);
    void aboutRequested();
    // The file and output commands, which outlive this window.
    void newRequested();
    void openRequested();
    void saveRequested();
    void saveAsRequested();
    void exportRequested();
    void exportPdfRequested();
    void matchingRequested();
    void printRequested();
    void saveAsJpgRequested();
    // A View menu choice or a setting the chart is computed or shown by was changed and
    // stored: the chart on screen should be computed again.
    void chartSettingsChanged();
    // View → Language.
    void languageChosen(Language language);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    // A menu item or submenu whose English caption is shown in the reader's language.
    QAction* Item(QMenu* menu, const QString& name, const char* caption);
    QMenu* Submenu(QWidget* parentMenu, const QString& name, const char* caption);
    void BuildChartChoices(QMenu* mnuView);
    // The settings dialog over this window; what it applies recomputes the chart on screen.
    void OpenSettings();
    void ShowNavamsa(bool shown);
    void ShowVarga(int varga);
    void ShowLagnaAtTop(bool atTop);
    void BuildToolbar();
    QWidget* BuildHeadingStrip();
    QWidget* BuildStyleStrip();
    QWidget* BuildBottomStrip();
    void ApplyResizeRule();

    QSettings& settings_;
    frmDisplay* display_;
    QToolBar* TB;
    QLabel* lblHeading;
    SelfSizingLabel* lblStyleCaption;
    SelfSizingLabel* lblEphemeris;
    QPushButton* cmdNorth;
    QPushButton* cmdSouth;
    QPushButton* cmdEast;
    FieldList* cboVarga;
    QPushButton* cmdInterpration;
    QPushButton* cmdSaveAsJPG;
    QPushButton* cmdBack;
    QPushButton* cmdExit;
    QAction* mnuNew;
    QAction* mnuOpen;
    QAction* mnuSave;
    QAction* mnuSaveAs;
    QAction* mnuExport;
    QAction* mnuExportPdf;
    QAction* mnuMatching;
    QAction* mnuPrint;
    QAction* mnuToolBar;
    QAction* mnuOnline;
    std::array<QAction*, 3> styleItems_{};  // mnuNorth, mnuSouth, mnuEast
    std::array<QAction*, 2> engineItems_{};  // mnuClassic, mnuPrecise: in Engine order
    QAction* mnuTrueNode;
    QAction* mnuNavamsa;
    QAction* mnuLagnaAtTop;
    std::array<QAction*, 3> dashaYearItems_{};  // in DashaYear order
    ChartStyle style_ = ChartStyle::South;
    bool closingForBack_ = false;
};

}  // namespace grahavani
