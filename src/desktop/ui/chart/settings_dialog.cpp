#include "desktop/ui/chart/settings_dialog.h"
#include "timing/timing_names_in.h"
#include "desktop/ui/language/desktop_translator.h"

#include <cmath>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "desktop/ui/chart/chart_choice_words.h"
#include "desktop/ui/chart/chart_settings.h"

namespace grahavani {

namespace {

// The box's entries and its name for the screen reader; the entry at `chosen` shown.
QComboBox* MakeChoice(QWidget* parent, const QString& name, const QString& accessibleName,
                      const QStringList& entries, int chosen) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->addItems(entries);
    box->setCurrentIndex(chosen);
    return box;
}

template <typename Choice>
int IndexOf(Choice choice) {
    return static_cast<int>(choice);
}

}  // namespace

SettingsDialog::SettingsDialog(QSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName("dlgSettings");
    setWindowTitle(tr("Settings"));
    const ChartOptions options = ReadChartOptions(settings);
    const DashaChoice dasha = ReadDashaChoice(settings);
    classicEngine_ = options.engine == Engine::Classic;

    QStringList ayanamsas;
    for (std::size_t index = 0; index < AyanamsaNames.size(); ++index) {
        ayanamsas << AyanamsaChoiceWords(static_cast<Ayanamsa>(index));
    }
    cboAyanamsa = MakeChoice(this, "cboAyanamsa", tr("Ayanamsa"), ayanamsas, IndexOf(options.ayanamsa));
    txtAyanamsaValue = new QLineEdit(QString::number(options.ayanamsaValue, 'g', 17), this);
    txtAyanamsaValue->setObjectName("txtAyanamsaValue");
    txtAyanamsaValue->setAccessibleName(tr("Own ayanamsa in decimal degrees"));
    lblAyanamsaDms = new QLabel(this);
    lblAyanamsaDms->setObjectName("lblAyanamsaDms");
    // The field keeps room for a precise value while the reading beside it says what to fix.
    txtAyanamsaValue->setMinimumWidth(txtAyanamsaValue->fontMetrics().horizontalAdvance("23.4567890123"));
    lblAyanamsaDms->setWordWrap(true);
    lblClassicAyanamsa =
        new QLabel(tr("The classic engine has its own ayanamsa; choose the precise engine under "
                      "View → Ephemeris to choose another."),
                   this);
    lblClassicAyanamsa->setObjectName("lblClassicAyanamsa");
    lblClassicAyanamsa->setWordWrap(true);
    lblClassicAyanamsa->setVisible(classicEngine_);

    QStringList sunriseRules;
    for (std::size_t index = 0; index < SunriseRuleNames.size(); ++index) {
        sunriseRules << SunriseRuleWords(static_cast<SunriseRule>(index));
    }
    cboSunriseRule = MakeChoice(this, "cboSunriseRule", tr("Sunrise"), sunriseRules,
                                IndexOf(ReadSunriseRule(settings)));
    cboLunarNode = MakeChoice(this, "cboLunarNode", tr("Lunar node"), {tr("Mean node"), tr("True node")},
                              IndexOf(options.node));
    QStringList systems;
    const Language language = DesktopLanguage();
    const auto timingName = [language](TimingNames names, std::string_view english) {
        const std::string_view name = TimingNameIn(names, english, language);
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    };
    for (const std::string_view name : DashaSystemNames) systems << timingName(TimingNames::DashaSystems, name);
    cboDashaSystem = MakeChoice(this, "cboDashaSystem", tr("Dasha system"), systems, IndexOf(dasha.System));
    QStringList levels;
    for (std::size_t level = 0; level < DashaLevelNames.size(); ++level) {
        levels << QStringLiteral("%1 (%2)")
                      .arg(timingName(TimingNames::DashaLevels, DashaLevelNames[level]))
                      .arg(level + 1);
    }
    cboDashaDepth = MakeChoice(this, "cboDashaDepth", tr("Dasha depth"), levels, dasha.Depth - 1);
    QStringList years;
    for (const DashaYear year : {DashaYear::Julian, DashaYear::Gregorian, DashaYear::Savana}) {
        years << DashaYearCaption(year);
    }
    cboDashaYear = MakeChoice(this, "cboDashaYear", tr("Dasha year"), years, IndexOf(ReadDashaYear(settings)));

    cboPaper = MakeChoice(this, "cboPaper", tr("Paper"), {tr("A4"), tr("Letter")},
                          IndexOf(ReadPaper(settings)));

    buttons_ = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Cancel, this);
    buttons_->setObjectName("buttons");

    auto* form = new QFormLayout;
    const auto row = [this, form](const QString& caption, QWidget* buddy, QLayout* field = nullptr) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(buddy);
        if (field) {
            form->addRow(label, field);
        } else {
            form->addRow(label, buddy);
        }
    };
    row(tr("&Ayanamsa:"), cboAyanamsa);
    auto* ownValue = new QHBoxLayout;
    ownValue->addWidget(txtAyanamsaValue);
    ownValue->addWidget(lblAyanamsaDms, 1);
    row(tr("&Own value (degrees):"), txtAyanamsaValue, ownValue);
    form->addRow(lblClassicAyanamsa);
    row(tr("&Sunrise:"), cboSunriseRule);
    row(tr("Lunar &node:"), cboLunarNode);
    row(tr("Dasha s&ystem:"), cboDashaSystem);
    row(tr("Dasha &depth:"), cboDashaDepth);
    row(tr("Dasha &year:"), cboDashaYear);
    row(tr("PDF pape&r:"), cboPaper);
    auto* page = new QVBoxLayout(this);
    page->addLayout(form);
    page->addWidget(buttons_);

    cboAyanamsa->setEnabled(!classicEngine_);
    connect(cboAyanamsa, &QComboBox::currentIndexChanged, this, &SettingsDialog::ShowOwnValue);
    connect(txtAyanamsaValue, &QLineEdit::textChanged, this, &SettingsDialog::ShowOwnValue);
    connect(buttons_, &QDialogButtonBox::accepted, this, [this] {
        Apply();
        accept();
    });
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons_->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &SettingsDialog::Apply);
    ShowOwnValue();
}

std::optional<double> SettingsDialog::OwnValue() const {
    bool isNumber = false;
    const double value = QLocale::c().toDouble(txtAyanamsaValue->text().trimmed(), &isNumber);
    if (!isNumber || !std::isfinite(value) || value < LeastOwnAyanamsa || value > GreatestOwnAyanamsa) {
        return std::nullopt;
    }
    return value;
}

void SettingsDialog::ShowOwnValue() {
    const bool ownChosen = cboAyanamsa->currentIndex() == IndexOf(Ayanamsa::OwnValue);
    txtAyanamsaValue->setEnabled(ownChosen && !classicEngine_);
    const std::optional<double> value = OwnValue();
    const QString reading = value ? QStringLiteral("= ") + DegreesMinutesSeconds(*value)
                                  : tr("Enter decimal degrees from 0 to 60, such as 23.5");
    lblAyanamsaDms->setText(reading);
    txtAyanamsaValue->setAccessibleDescription(reading);
    // An own value the engine cannot take is never stored.
    const bool storable = value || !ownChosen || classicEngine_;
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(storable);
    buttons_->button(QDialogButtonBox::Apply)->setEnabled(storable);
}

void SettingsDialog::Apply() {
    const ChartOptions stored = ReadChartOptions(settings_);
    if (!classicEngine_) {
        WriteAyanamsa(settings_, static_cast<Ayanamsa>(cboAyanamsa->currentIndex()),
                      OwnValue().value_or(stored.ayanamsaValue));
    }
    WriteSunriseRule(settings_, static_cast<SunriseRule>(cboSunriseRule->currentIndex()));
    WriteLunarNode(settings_, static_cast<LunarNode>(cboLunarNode->currentIndex()));
    WriteDashaChoice(settings_, {static_cast<DashaSystem>(cboDashaSystem->currentIndex()),
                                 cboDashaDepth->currentIndex() + 1});
    WriteDashaYear(settings_, static_cast<DashaYear>(cboDashaYear->currentIndex()));
    WritePaper(settings_, static_cast<Paper>(cboPaper->currentIndex()));
    emit applied();
}

}  // namespace grahavani
