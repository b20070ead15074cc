#include "engines/precise/ephemeris_failure.h"

#include "translation/filled.h"
#include "translation/translated.h"

namespace grahavani {

EphemerisFailure::EphemerisFailure(std::string_view pattern, std::vector<std::string> values)
    : std::runtime_error(Filled(pattern, values)), pattern_(pattern), values_(std::move(values)) {}

std::string EphemerisFailure::MessageIn(Language language) const {
    return Filled(Translated(language, "engines/precise/ephemeris_failure.h EphemerisFailure", pattern_), values_);
}

}  // namespace grahavani
