#pragma once
// The embedded catalogue of the core's short texts, generated at build time from
// translations/core/*.json and ordered by context, then English, byte by byte.

#include <array>
#include <span>
#include <string_view>

namespace grahavani {

struct CatalogueEntry {
    std::string_view Context;  // "<file> <table or function>", as the catalogue names it
    std::string_view English;
    std::array<std::string_view, 2> Translations;  // Hindi, Tamil
};

std::span<const CatalogueEntry> CoreCatalogueEntries();

}  // namespace grahavani
