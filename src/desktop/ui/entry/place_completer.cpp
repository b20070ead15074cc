#include "desktop/ui/entry/place_completer.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QLocale>
#include <QStandardItemModel>

#include "atlas/place_search.h"

namespace grahavani {
namespace {

constexpr std::size_t kMatchLimit = 20;
// The box takes the place's name alone while the popup shows the whole row.
constexpr int kNameRole = Qt::UserRole + 1;
constexpr int kPlaceRole = Qt::UserRole + 2;  // the row in places_

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString RowText(const AtlasPlace& place) {
    return PlaceTitle(place) + QString::fromUtf8(" — ") + QLocale(QLocale::English).toString(place.Population);
}

}  // namespace

QString PlaceTitle(const AtlasPlace& place) {
    QStringList parts{Text(place.Name)};
    if (!place.State.empty()) parts << Text(place.State);
    parts << Text(place.Country);
    return parts.join(", ");
}

PlaceCompleter::PlaceCompleter(QLineEdit* cityBox)
    : QCompleter(cityBox), matches_(new QStandardItemModel(this)) {
    setObjectName("cmpCity");
    setModel(matches_);
    setCompletionRole(kNameRole);
    // The atlas search has matched already, accents and word starts included.
    setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    setMaxVisibleItems(10);
    popup()->setObjectName("lstCityMatches");
    popup()->setAccessibleName(tr("Matching places"));
    cityBox->setCompleter(this);

    connect(cityBox, &QLineEdit::textEdited, this, &PlaceCompleter::ShowMatches);
    connect(this, qOverload<const QModelIndex&>(&QCompleter::activated), this, [this](const QModelIndex& index) {
        const auto row = static_cast<std::size_t>(index.data(kPlaceRole).toInt());
        if (row < places_.size()) emit placeChosen(*places_[row]);
    });
}

void PlaceCompleter::ShowMatches(const QString& typed) {
    const QByteArray query = typed.trimmed().toUtf8();
    places_ = query.isEmpty() ? std::vector<const AtlasPlace*>{}
                              : FindPlaces(std::string_view(query.constData(), static_cast<std::size_t>(query.size())),
                                           kMatchLimit)
                                    .Places;
    matches_->clear();
    for (const AtlasPlace* place : places_) {
        auto* item = new QStandardItem(RowText(*place));
        item->setData(Text(place->Name), kNameRole);
        item->setData(matches_->rowCount(), kPlaceRole);
        item->setEditable(false);
        matches_->appendRow(item);
    }
    if (places_.empty()) popup()->hide();
}

}  // namespace grahavani
