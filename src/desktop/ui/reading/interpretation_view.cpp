#include "desktop/ui/reading/interpretation_view.h"

#include <QBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QTabBar>
#include <QTextEdit>

#include "interpretation/interpretation_view_texts.h"
#include "interpretation/nakshatra_profile_table.h"
#include "interpretation/planets_in_signs.h"
#include "interpretation/sign_profile_table.h"
#include "desktop/ui/reading/ashtakavarga_tab.h"
#include "desktop/ui/reading/dasha_panchang_tab.h"
#include "desktop/ui/reading/display_text.h"
#include "desktop/ui/reading/planets_tab.h"
#include "render/fonts.h"
#include "render/profile_pictures.h"
#include "desktop/ui/reading/profile_tab.h"
#include "desktop/ui/reading/shadbala_tab.h"
#include "desktop/ui/reading/text_runs.h"
#include "desktop/ui/language/desktop_translator.h"
#include "desktop/ui/language/keep_translated.h"
#include "desktop/ui/language/tab_bar_arrows.h"
#include "translation/chart_names_in.h"

namespace grahavani {

namespace {

// The captions of a view's table in the desktop's language.
template <std::size_t Count>
std::vector<std::string_view> CaptionsIn(ViewTexts table, const std::array<std::string_view, Count>& english) {
    std::vector<std::string_view> captions;
    for (const std::string_view caption : english) captions.push_back(ViewTextIn(table, caption, DesktopLanguage()));
    return captions;
}

ProfileTabLayout NakshatraTabLayout() {
    const Language language = DesktopLanguage();
    ProfileTabLayout layout{"lblNakshatraResult",
                            ViewTextIn(ViewTexts::DesignCaptions, NakshatraResultDesignCaption, language),
                            "picNakshatra", InterpretationView::tr("Nakshatra picture"), "TS",
                            CaptionsIn(ViewTexts::NakshatraPageCaptions, NakshatraPageCaptions), {}};
    for (const NakshatraField& field : NakshatraFields) {
        layout.fields.push_back({field.page, ViewTextIn(ViewTexts::NakshatraFieldCaptions, field.caption, language),
                                 ViewTextIn(ViewTexts::NakshatraFieldHelp, field.helpText, language), field.textBox,
                                 {}, field.column, IsNakshatraProseColumn(field.column)});
    }
    return layout;
}

enum class SignTab { Lagna, Rashi };

ProfileTabLayout SignTabLayout(SignTab tab) {
    const bool lagna = tab == SignTab::Lagna;
    const Language language = DesktopLanguage();
    ProfileTabLayout layout{lagna ? "lblVedicName" : "lblRashiVedicName",
                            ViewTextIn(ViewTexts::DesignCaptions, VedicNameDesignCaption, language),
                            lagna ? "picRashi" : "picRashiRashi",
                            lagna ? InterpretationView::tr("Lagna picture") : InterpretationView::tr("Rashi picture"),
                            lagna ? "LagnaTS" : "RashiTS", CaptionsIn(ViewTexts::SignPageCaptions, SignPageCaptions),
                            {}};
    // Page 7 of the lagna tab renames its captions, in field order, for the sign; the rashi
    // tab keeps them.
    std::size_t luckyLabel = 0;
    for (const SignField& field : SignFields) {
        const SignColumnControls& controls =
            SignProfileControls.at(static_cast<std::size_t>(field.column));
        const bool renamed = lagna && field.page == SignLuckyPage && luckyLabel < LagnaLuckyLabels.size();
        layout.fields.push_back(
            {field.page, ViewTextIn(ViewTexts::SignFieldCaptions, field.caption, language),
             ViewTextIn(ViewTexts::SignFieldHelp, field.helpText, language),
             lagna ? controls.lagnaTab : controls.rashiTab,
             renamed ? LagnaLuckyLabels[luckyLabel++].label : std::string_view(), field.column,
             IsSignProseColumn(field.column)});
    }
    return layout;
}

// The parts of a sign profile that the lagna and the rashi tab show alike.
void ShowSignProfile(ProfileTab& tab, const SignProfile& profile, ImageList pictures) {
    const Language language = DesktopLanguage();
    tab.SetTitle(DisplayText(SignProfileColumn(profile, 0, language)));
    tab.FillColumns([&profile, language](int column) { return SignProfileColumn(profile, column, language); });
    tab.SetTabCaption(SignLuckyPage, DisplayText(LuckyPageCaption(profile.sanskritName, language)));
    tab.SetPicture(PicturePath(pictures, profile.englishName));
}

}  // namespace

InterpretationView::InterpretationView(QWidget* parent) : QTabWidget(parent) {
    setObjectName("SSTab1");
    setFont(VerdanaFont(8.25));
    nakshatraTab_ = new ProfileTab(this, NakshatraTabLayout());
    lagnaTab_ = new ProfileTab(this, SignTabLayout(SignTab::Lagna));
    rashiTab_ = new ProfileTab(this, SignTabLayout(SignTab::Rashi));
    for (QWidget* tab : {BuildReadingTab(), static_cast<QWidget*>(nakshatraTab_), static_cast<QWidget*>(lagnaTab_),
                         static_cast<QWidget*>(rashiTab_)}) {
        addTab(tab, QString());
    }
    planetsTab_ = new PlanetsTab(this);
    addTab(planetsTab_, QString());
    dashaPanchangTab_ = new DashaPanchangTab(this);
    addTab(dashaPanchangTab_, QString());
    ashtakavargaTab_ = new AshtakavargaTab(this);
    addTab(ashtakavargaTab_, QString());
    shadbalaTab_ = new ShadbalaTab(this);
    addTab(shadbalaTab_, QString());
    KeepTranslated(*this, [this] { Retitle(); });
    KeepTabBarArrowsTranslated(*tabBar());
    // Selecting a tab from code has the same effect as clicking it.
    connect(&nakshatraTab_->TabStrip(), &QTabBar::currentChanged, this, &InterpretationView::TS_Click);
    connect(&lagnaTab_->TabStrip(), &QTabBar::currentChanged, this,
            &InterpretationView::LagnaTS_Click);
    connect(&rashiTab_->TabStrip(), &QTabBar::currentChanged, this,
            &InterpretationView::RashiTS_Click);
}

QWidget* InterpretationView::BuildReadingTab() {
    auto* tab = new QWidget(this);
    auto* column = new QVBoxLayout(tab);
    readingHeading_ = new QLabel(tab);
    readingHeading_->setTextFormat(Qt::PlainText);
    readingHeading_->setFont(VerdanaFont(14, true));
    RTBHouseDesc = new QTextEdit(tab);
    RTBHouseDesc->setObjectName("RTBHouseDesc");
    RTBHouseDesc->setReadOnly(true);
    RTBHouseDesc->setFont(VerdanaFont(9));
    RTBHouseDesc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RTBHouseDesc->setTabChangesFocus(true);
    readingHeading_->setBuddy(RTBHouseDesc);
    column->addWidget(readingHeading_);
    column->addWidget(RTBHouseDesc, 1);
    return tab;
}

void InterpretationView::Retitle() {
    const Language language = DesktopLanguage();
    for (std::size_t tab = 0; tab < InterpretationTabCaptions.size(); ++tab) {
        setTabText(static_cast<int>(tab),
                   DisplayText(ViewTextIn(ViewTexts::TabCaptions, InterpretationTabCaptions[tab], language)));
    }
    setTabText(indexOf(planetsTab_), tr("Planets"));
    setTabText(indexOf(dashaPanchangTab_), tr("Dasha and Panchang"));
    setTabText(indexOf(ashtakavargaTab_), tr("Ashtakavarga"));
    setTabText(indexOf(shadbalaTab_), tr("Shadbala"));
    const QString heading = DisplayText(ViewTextIn(ViewTexts::PlanetsInSignsHeading, PlanetsInSignsHeading, language));
    readingHeading_->setText(heading);
    RTBHouseDesc->setAccessibleName(heading);
    nakshatraTab_->Retitle(NakshatraTabLayout());
    lagnaTab_->Retitle(SignTabLayout(SignTab::Lagna));
    rashiTab_->Retitle(SignTabLayout(SignTab::Rashi));
}

InterpretationView::ReadingPlace InterpretationView::Place() const {
    const QScrollBar* bar = RTBHouseDesc->verticalScrollBar();
    return {nakshatraTab_->TabStrip().currentIndex() + 1,
            bar->maximum() > 0 ? static_cast<double>(bar->value()) / bar->maximum() : 0.0};
}

void InterpretationView::ReturnTo(const ReadingPlace& place) {
    nakshatraTab_->SelectTab(place.nakshatraPage);
    // The cursor back at the start first, so that showing the reading does not scroll to it.
    ScrollHouseDescriptionToStart();
    QScrollBar* bar = RTBHouseDesc->verticalScrollBar();
    bar->setValue(static_cast<int>(place.readingFraction * bar->maximum() + 0.5));
}

void InterpretationView::FillPlanetsInSigns(const ChartResult& chart) {
    ReplaceWithRuns(*RTBHouseDesc, PlanetsInSignsReading(chart.PositionTexts, DesktopLanguage()));
}

void InterpretationView::ShowNakshatraProfile(std::string nakshatra) {
    const NakshatraProfile* profile = NakshatraProfileFor(nakshatra);
    if (!profile) return;
    nakshatraTab_->SelectTab(1);
    const Language language = DesktopLanguage();
    nakshatraTab_->SetTabCaption(1, DisplayText(NakshatraFirstPageCaption(nakshatra, language)));
    nakshatraTab_->SetTitle(DisplayText(NakshatraNameIn(nakshatra, language)));
    nakshatraTab_->FillColumns(
        [profile, language](int column) { return NakshatraProfileColumn(*profile, column, language); });
    // The picture letters the name in the reader's script; English keeps the drawn one.
    nakshatraTab_->SetPicture(PicturePath(ImageList::Nakshatra, nakshatra),
                              language == Language::English ? QString()
                                                            : DisplayText(NakshatraNameIn(nakshatra, language)));
}

void InterpretationView::ShowLagnaProfile(std::string lagnaSign) {
    const SignProfile* profile = LagnaProfileFor(lagnaSign);
    if (!profile) return;
    ShowSignProfile(*lagnaTab_, *profile, ImageList::Lagna);
    for (const LagnaLuckyLabel& label : LagnaLuckyLabels) {
        lagnaTab_->SetFieldCaption(
            label.label, DisplayText(ViewTextIn(ViewTexts::LagnaLuckyPrefixes, label.captionPrefix, DesktopLanguage())) +
                             DisplayText(SignProfileColumn(*profile, 0, DesktopLanguage())));
    }
}

void InterpretationView::ShowRashiProfile(std::string moonRashi) {
    const SignProfile* profile = RashiProfileFor(moonRashi);
    if (!profile) return;
    ShowSignProfile(*rashiTab_, *profile, ImageList::Rashi);
}

void InterpretationView::ScrollHouseDescriptionToStart() {
    QTextCursor cursor = RTBHouseDesc->textCursor();
    cursor.movePosition(QTextCursor::Start);
    RTBHouseDesc->setTextCursor(cursor);
    RTBHouseDesc->verticalScrollBar()->setValue(0);
}

void InterpretationView::TS_Click() {
    nakshatraTab_->BringPageToFront(nakshatraTab_->TabStrip().currentIndex() + 1);
}

void InterpretationView::LagnaTS_Click() {
    lagnaTab_->BringPageToFront(lagnaTab_->TabStrip().currentIndex() + 1);
}

void InterpretationView::RashiTS_Click() {
    rashiTab_->BringPageToFront(rashiTab_->TabStrip().currentIndex() + 1);
}

}  // namespace grahavani
