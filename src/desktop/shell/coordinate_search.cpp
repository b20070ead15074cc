#include "desktop/shell/coordinate_search.h"

#include <QCoreApplication>

#include "desktop/shell/url_opener.h"
#include "desktop/shell/web_search.h"
#include "desktop/ui/entry/frm_main.h"

namespace grahavani {

std::optional<EntryProblem> CheckSearchPlace(const BirthEntries& entries) {
    const struct {
        const std::string& text;
        const char* message;
        EntryField field;
    } checks[] = {
        {entries.City, QT_TRANSLATE_NOOP("CoordinateSearch", "Please Enter City"), EntryField::City},
        {entries.State, QT_TRANSLATE_NOOP("CoordinateSearch", "Please Enter State"), EntryField::State},
        {entries.Country, QT_TRANSLATE_NOOP("CoordinateSearch", "Please Enter Country"), EntryField::Country},
    };
    for (const auto& check : checks) {
        if (check.text.empty()) {
            return EntryProblem{QCoreApplication::translate("CoordinateSearch", check.message).toStdString(),
                                check.field};
        }
    }
    return std::nullopt;
}

std::string CoordinateQuery(const BirthEntries& entries) {
    return entries.City + ' ' + entries.State + ' ' + entries.Country + " Latitude Longitude";
}

void SearchCoordinates(frmMain& form, UrlOpener& opener) {
    const BirthEntries entries = form.Entries();
    if (!form.PassesCheck(CheckSearchPlace(entries))) return;
    opener.Open(WebSearchAddress(QString::fromStdString(CoordinateQuery(entries))));
}

}  // namespace grahavani
