#pragma once
// The zone the atlas finds for the entry form's place and time: it picks the zone row and the
// daylight-saving tick (or adds one extra row), says what it found on a line under the zone row,
// lets the user pick the earlier or later of a repeated hour, suggests a zone for typed
// coordinates from the nearest atlas place, and says when the City box no longer names the
// place whose coordinates the fields hold.

#include <functional>
#include <optional>
#include <string>

#include <QWidget>

#include "atlas/atlas_data.h"
#include "atlas/zone_row_choice.h"
#include "model/birth_entries.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace grahavani {

class MessageSink;

class AtlasZoneChoice final : public QWidget {
    Q_OBJECT
public:
    AtlasZoneChoice(QWidget* parent, QComboBox& zoneList, QCheckBox& daylightSaving, MessageSink& messages);

    // The place whose clock history the zone follows from now on, read at the entries' time.
    void Follow(const AtlasPlace& place, const BirthEntries& entries);
    // Reads the followed place's clock again, as after a change of date or time.
    void Refresh(const BirthEntries& entries);
    // Back to a zone picked by hand: the line clears, the rows stay.
    void Forget();
    // The City box changed. Once it no longer names the place chosen, the zone stops following
    // that place and the line says whose coordinates the fields still hold.
    void CityEdited(const QString& city, const BirthEntries& entries);
    // False when the user, asked once after the city was typed over, would rather not calculate
    // with the chosen place's coordinates.
    bool ConfirmCoordinates(const QString& city);
    // The nearest atlas place to the typed coordinates, within the typed country.
    void Suggest(const BirthEntries& entries);
    // The extra row's numbers and the exact offset of a row the atlas chose.
    void AddZoneNumbers(BirthEntries& entries) const;
    // The zone a chart file stated: its row (the extra row added as the atlas adds it), tick and
    // offset, the atlas place's IANA zone when it named one, and a line that says so.
    void TakeFileZone(const BirthEntries& entries, const std::string& atlasTimeZone);
    // A chart file that did not say its zone: the line says the form's zone is used.
    void SayFileHasNoZone();
    // The IANA zone of the place the zone came from, or empty for a zone picked by hand.
    std::string AtlasTimeZone() const;

signals:
    void suggestRequested();
    // The earlier or later of a repeated hour was picked.
    void refreshRequested();

private:
    void StopFollowing();
    void ShowExtraRow(const ExtraZoneRow& row);
    // The line under the zone row, composed again when the language changes; none is empty.
    void Say(std::function<QString()> line);
    void ShowLine();

    QComboBox& zoneList_;
    QCheckBox& daylightSaving_;
    MessageSink& messages_;
    QLabel* lblAtlasZone;
    QGroupBox* fraRepeatedHour;
    QRadioButton* optEarlier;
    QRadioButton* optLater;
    QPushButton* cmdSuggestZone;
    const AtlasPlace* place_ = nullptr;
    bool suggested_ = false;  // the place is the nearest one, not the one chosen
    // The place chosen whose coordinates the fields hold, until they are typed over.
    const AtlasPlace* chosen_ = nullptr;
    bool askAboutCoordinates_ = false;  // the city was typed over and the user not asked yet
    std::optional<ExtraZoneRow> extraRow_;
    std::function<QString()> line_;
    std::optional<ZoneRowChoice> choice_;
    std::string fileTimeZone_;  // the atlas zone an opened chart file named
};

}  // namespace grahavani
