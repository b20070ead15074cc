#pragma once
// Command1 of the entry form: a web search for the coordinates of the birthplace.

#include <optional>
#include <string>

#include "model/birth_entries.h"

namespace grahavani {

class frmMain;
class UrlOpener;

// City, state and country must each hold something, in that order.
std::optional<EntryProblem> CheckSearchPlace(const BirthEntries& entries);
// The place as typed, then " Latitude Longitude".
std::string CoordinateQuery(const BirthEntries& entries);

void SearchCoordinates(frmMain& form, UrlOpener& opener);

}  // namespace grahavani
