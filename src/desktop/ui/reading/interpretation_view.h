#pragma once
// The interpretation frame's tabs: the planets-in-signs reading, the profiles of the birth
// nakshatra, the lagna and the rashi, each profile with its picture, the planet table, the
// dasha and panchang, then the ashtakavarga and the shadbala.

#include <string>

#include <QTabWidget>

#include "model/chart_result.h"

class QLabel;
class QTextEdit;

namespace grahavani {

class AshtakavargaTab;
class DashaPanchangTab;
class PlanetsTab;
class ProfileTab;
class ShadbalaTab;

class InterpretationView final : public QTabWidget {
    Q_OBJECT
public:
    explicit InterpretationView(QWidget* parent);

    // Each of these replaces what its tab showed; a name with no profile leaves it as it was.
    void FillPlanetsInSigns(const ChartResult& chart);
    void ShowNakshatraProfile(std::string nakshatra);
    void ShowLagnaProfile(std::string lagnaSign);
    void ShowRashiProfile(std::string moonRashi);
    PlanetsTab& Planets() { return *planetsTab_; }
    DashaPanchangTab& DashaPanchang() { return *dashaPanchangTab_; }
    AshtakavargaTab& AshtakavargaPage() { return *ashtakavargaTab_; }
    ShadbalaTab& ShadbalaPage() { return *shadbalaTab_; }
    // Where the reader is: the nakshatra tab's page, counted from 1, and how far down the
    // reading, so that the texts written again in another language leave them there.
    struct ReadingPlace {
        int nakshatraPage = 1;
        double readingFraction = 0;  // 0 at the reading's top, 1 at its end
    };
    ReadingPlace Place() const;
    void ReturnTo(const ReadingPlace& place);
    // So that the reading is seen from its first line.
    void ScrollHouseDescriptionToStart();

private slots:
    void TS_Click();
    void LagnaTS_Click();
    void RashiTS_Click();

private:
    QWidget* BuildReadingTab();
    // The tabs' captions and the profiles' layouts in the language shown.
    void Retitle();

    QTextEdit* RTBHouseDesc;
    QLabel* readingHeading_;
    ProfileTab* nakshatraTab_;
    ProfileTab* lagnaTab_;
    ProfileTab* rashiTab_;
    PlanetsTab* planetsTab_;
    DashaPanchangTab* dashaPanchangTab_;
    AshtakavargaTab* ashtakavargaTab_;
    ShadbalaTab* shadbalaTab_;
};

}  // namespace grahavani
