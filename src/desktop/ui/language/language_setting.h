#pragma once
// View/Language: the language the reader chose from the View menu. It wins over the
// environment at later starts.

#include <string>

#include "model/language.h"

class QSettings;

namespace grahavani {

// As stored: "en", "hi" or "ta", or whatever else was written there by hand; empty when unset.
std::string ReadLanguageSetting(const QSettings& settings);
void WriteLanguageSetting(QSettings& settings, Language language);

}  // namespace grahavani
