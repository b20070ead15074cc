#pragma once
// The main window in which a computed chart is looked at: menus, toolbar, the three
// amber strips and the chart display between them.

#include <array>

#include <QMainWindow>

#include "desktop/ui/chart_style.h"
#include "desktop/ui/vendor_page.h"

class QAction;
class QLabel;
class QPushButton;
class QToolBar;

namespace grahavani {

class frmDisplay;
class SelfSizingLabel;

class MDI final : public QMainWindow {
    Q_OBJECT
public:
    explicit MDI(QWidget* parent = nullptr);

    frmDisplay& Display() { return *display_; }
    // The button that shows a style, as the calculation presses it.
    QPushButton* StyleButton(ChartStyle style) const;

    void ApplyChartStyle(ChartStyle style);
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
    void printRequested();
    void saveAsJpgRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildToolbar();
    QWidget* BuildHeadingStrip();
    QWidget* BuildStyleStrip();
    QWidget* BuildBottomStrip();
    void ApplyResizeRule();

    frmDisplay* display_;
    QToolBar* TB;
    QLabel* lblHeading;
    SelfSizingLabel* lblStyleCaption;
    QPushButton* cmdNorth;
    QPushButton* cmdSouth;
    QPushButton* cmdEast;
    QPushButton* cmdInterpration;
    QPushButton* cmdSaveAsJPG;
    QPushButton* cmdBack;
    QPushButton* cmdExit;
    QAction* mnuNew;
    QAction* mnuOpen;
    QAction* mnuSave;
    QAction* mnuSaveAs;
    QAction* mnuExport;
    QAction* mnuPrint;
    QAction* mnuToolBar;
    QAction* mnuOnline;
    std::array<QAction*, 3> styleItems_{};  // mnuNorth, mnuSouth, mnuEast
    bool closingForBack_ = false;
};

}  // namespace grahavani
