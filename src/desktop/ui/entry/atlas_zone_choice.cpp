#include "desktop/ui/entry/atlas_zone_choice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "atlas/clock_texts.h"
#include "atlas/local_clock.h"
#include "atlas/place_entries.h"
#include "atlas/place_search.h"
#include "model/reference_tables.h"
#include "desktop/ui/entry/place_completer.h"
#include "desktop/ui/language/desktop_translator.h"
#include "desktop/ui/language/keep_translated.h"
#include "desktop/ui/widgets/message_sink.h"

namespace grahavani {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

AtlasZoneChoice::AtlasZoneChoice(QWidget* parent, QComboBox& zoneList, QCheckBox& daylightSaving,
                                 MessageSink& messages)
    : QWidget(parent), zoneList_(zoneList), daylightSaving_(daylightSaving), messages_(messages) {
    setObjectName("fraAtlasZone");
    lblAtlasZone = new QLabel(this);
    lblAtlasZone->setObjectName("lblAtlasZone");
    lblAtlasZone->setWordWrap(true);
    lblAtlasZone->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    lblAtlasZone->setFocusPolicy(Qt::TabFocus);  // so a screen reader's user can reach what it says
    fraRepeatedHour = new QGroupBox(this);
    fraRepeatedHour->setObjectName("fraRepeatedHour");
    optEarlier = new QRadioButton(fraRepeatedHour);
    optEarlier->setObjectName("optEarlier");
    optLater = new QRadioButton(fraRepeatedHour);
    optLater->setObjectName("optLater");
    optEarlier->setChecked(true);
    auto* pair = new QHBoxLayout(fraRepeatedHour);
    pair->addWidget(optEarlier);
    pair->addWidget(optLater);
    fraRepeatedHour->hide();
    cmdSuggestZone = new QPushButton(this);
    cmdSuggestZone->setObjectName("cmdSuggestZone");
    KeepTranslated(*this, [this] {
        lblAtlasZone->setAccessibleName(tr("Time zone found"));
        //: The hour a clock shows twice when daylight saving time ends.
        fraRepeatedHour->setTitle(tr("Repeated hour"));
        fraRepeatedHour->setAccessibleName(tr("Repeated hour"));
        //: The first of the repeated hour's two passes.
        optEarlier->setText(tr("Earlier"));
        //: The second of the repeated hour's two passes.
        optLater->setText(tr("Later"));
        cmdSuggestZone->setText(tr("Suggest zone"));
        cmdSuggestZone->setAccessibleName(tr("Suggest zone"));
        if (line_) ShowLine();
    });

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(lblAtlasZone, 1);
    row->addWidget(fraRepeatedHour);
    row->addWidget(cmdSuggestZone, 0, Qt::AlignRight);

    connect(cmdSuggestZone, &QPushButton::clicked, this, &AtlasZoneChoice::suggestRequested);
    // The entries' time is the form's: it calls Refresh with them.
    connect(optLater, &QRadioButton::toggled, this, &AtlasZoneChoice::refreshRequested);
}

void AtlasZoneChoice::Follow(const AtlasPlace& place, const BirthEntries& entries) {
    place_ = &place;
    chosen_ = &place;
    askAboutCoordinates_ = false;
    suggested_ = false;
    optEarlier->setChecked(true);
    Refresh(entries);
}

void AtlasZoneChoice::Refresh(const BirthEntries& entries) {
    if (!place_) return;
    const auto local = EnteredLocalTime(entries);
    if (!local) {
        fraRepeatedHour->hide();
        return Say({});
    }
    const auto reading = ReadLocalClock(place_->TimeZone, *local, optLater->isChecked() ? 1 : 0);
    fraRepeatedHour->setVisible(reading.Kind == LocalTimeKind::Repeated);
    if (!reading.Clock) return Say([message = Text(reading.Message)] { return message; });

    const ZoneClock& clock = *reading.Clock;
    const auto current = static_cast<std::size_t>(std::max(0, zoneList_.currentIndex()));
    choice_ = ChooseZoneRow(clock, current, ExtraZoneRowName(place_->Name, place_->TimeZone, *local, clock));
    if (choice_->ExtraZone) ShowExtraRow(*choice_->ExtraZone);
    zoneList_.setCurrentIndex(static_cast<int>(choice_->Row));
    daylightSaving_.setChecked(choice_->DaylightSaving);

    Say([timeZone = std::string(place_->TimeZone), local = *local, clock,
         nearest = suggested_ ? Text(place_->Name) : QString(), message = Text(reading.Message)] {
        const QString zoneLine = Text(ZoneLineText(timeZone, local, clock, DesktopLanguage()));
        QString line = nearest.isEmpty() ? zoneLine : tr("Nearest atlas place %1: %2").arg(nearest, zoneLine);
        if (!message.isEmpty()) line += "\n" + message;
        return line;
    });
}

void AtlasZoneChoice::Forget() {
    StopFollowing();
    chosen_ = nullptr;
    askAboutCoordinates_ = false;
    Say({});
}

void AtlasZoneChoice::CityEdited(const QString& city, const BirthEntries& entries) {
    if (!chosen_) return Forget();
    if (city == Text(chosen_->Name)) return Follow(*chosen_, entries);
    StopFollowing();
    askAboutCoordinates_ = true;
    Say([place = PlaceTitle(*chosen_)] {
        return tr("Coordinates are those of %1: choose a place from the list or type the coordinates").arg(place);
    });
}

bool AtlasZoneChoice::ConfirmCoordinates(const QString& city) {
    if (!askAboutCoordinates_) return true;
    askAboutCoordinates_ = false;
    return messages_.AskYesNo(window(), tr("The City box says \"%1\", but the latitude and longitude are "
                                           "those of %2, chosen from the atlas.\n\nCalculate the chart with them?")
                                            .arg(city, PlaceTitle(*chosen_)));
}

void AtlasZoneChoice::StopFollowing() {
    place_ = nullptr;
    fileTimeZone_.clear();
    choice_.reset();  // a row picked by hand from now on carries no atlas offset
    fraRepeatedHour->hide();
}

void AtlasZoneChoice::Suggest(const BirthEntries& entries) {
    const auto coordinates = EnteredCoordinates(entries);
    if (!coordinates) {
        messages_.ShowInformation(window(),
                                  tr("Please enter the latitude and longitude as whole numbers to suggest a zone."));
        return;
    }
    const AtlasPlace* nearest = NearestPlace(entries.Country, coordinates->Latitude, coordinates->Longitude);
    if (!nearest) {
        messages_.ShowInformation(window(), tr("The atlas has no place in \"%1\" to suggest a zone from.")
                                                .arg(QString::fromStdString(entries.Country)));
        return;
    }
    place_ = nearest;
    chosen_ = nullptr;  // the coordinates are taken as they stand
    askAboutCoordinates_ = false;
    suggested_ = true;
    optEarlier->setChecked(true);
    Refresh(entries);
}

void AtlasZoneChoice::AddZoneNumbers(BirthEntries& entries) const {
    entries.ExtraZone = extraRow_;
    if (choice_ && entries.TimeZoneRow == choice_->Row) entries.ZoneOffsetSeconds = choice_->RowOffsetSeconds;
}

void AtlasZoneChoice::TakeFileZone(const BirthEntries& entries, const std::string& atlasTimeZone) {
    Forget();
    if (entries.ExtraZone) ShowExtraRow(*entries.ExtraZone);
    const std::int32_t offset = entries.ExtraZone ? entries.ExtraZone->OffsetSeconds
                                                  : entries.ZoneOffsetSeconds.value_or(ZoneRowOffsetSeconds(entries.TimeZoneRow));
    choice_ = ZoneRowChoice{entries.TimeZoneRow, entries.DaylightSaving, entries.ExtraZone, offset};
    zoneList_.setCurrentIndex(static_cast<int>(entries.TimeZoneRow));
    daylightSaving_.setChecked(entries.DaylightSaving);
    fileTimeZone_ = atlasTimeZone;
    // The row's text read when the line is written, so it is in the language the list shows.
    Say([this, row = zoneList_.currentIndex(), atlasZone = Text(atlasTimeZone)] {
        QString line = tr("The chart file's zone: %1").arg(zoneList_.itemText(row));
        if (!atlasZone.isEmpty()) line += " (" + atlasZone + ")";
        return line;
    });
}

void AtlasZoneChoice::SayFileHasNoZone() {
    Forget();
    Say([] { return tr("The chart file does not say its time zone: the form's zone is used."); });
}

std::string AtlasZoneChoice::AtlasTimeZone() const {
    return place_ ? std::string(place_->TimeZone) : fileTimeZone_;
}

void AtlasZoneChoice::ShowExtraRow(const ExtraZoneRow& row) {
    extraRow_ = row;
    const QString text = QString::fromStdString(row.Text);
    if (zoneList_.count() > static_cast<int>(TimeZoneCount)) {
        zoneList_.setItemText(static_cast<int>(TimeZoneCount), text);
    } else {
        zoneList_.addItem(text);
    }
}

void AtlasZoneChoice::Say(std::function<QString()> line) {
    line_ = std::move(line);
    ShowLine();
}

void AtlasZoneChoice::ShowLine() {
    const QString text = line_ ? line_() : QString();
    lblAtlasZone->setText(text);
    // A screen reader gives a label's name; what it says is its description.
    lblAtlasZone->setAccessibleDescription(text);
    lblAtlasZone->setVisible(!text.isEmpty());
}

}  // namespace grahavani
