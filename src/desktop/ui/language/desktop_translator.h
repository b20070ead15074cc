#pragma once
// The desktop's texts in the reader's language: our own and the Qt texts the program shows,
// both from the one catalogue built into the program for each language.

#include "model/language.h"

namespace grahavani {

// Replaces the desktop's translator with the one for `language` (English needs none). Windows
// built afterwards read in that language. False when the catalogue could not be loaded or holds
// no translated text yet: the texts stay in English.
bool InstallDesktopTranslator(Language language);

// The language of the translator installed last, English before any: the one the windows hand
// to the core for the texts it writes (header lines, positions, sign boxes, readings).
Language DesktopLanguage();

}  // namespace grahavani
