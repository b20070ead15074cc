#pragma once
// The City box's list of matching atlas places as the user types, "City, State, Country —
// population", most populous first; Qt's popup gives the keyboard navigation.

#include <vector>

#include <QCompleter>

#include "atlas/atlas_data.h"

class QLineEdit;
class QStandardItemModel;

namespace grahavani {

// "Chennai, Tamil Nadu, India": the place as the atlas names it, the state left out where it has none.
QString PlaceTitle(const AtlasPlace& place);

class PlaceCompleter final : public QCompleter {
    Q_OBJECT
public:
    explicit PlaceCompleter(QLineEdit* cityBox);

signals:
    void placeChosen(const grahavani::AtlasPlace& place);

private:
    void ShowMatches(const QString& typed);

    QStandardItemModel* matches_;
    std::vector<const AtlasPlace*> places_;  // in the popup's row order
};

}  // namespace grahavani
