#pragma once
// The chart choices in the words the desktop shows them in: the settings dialog's lists, the
// engine's caption and the panchang's sunrise.

#include <QString>

#include "model/chart_options.h"

namespace grahavani {

// "Lahiri (Chitrapaksha)", "Krishnamurti (KP)", …, "Own value": as the dialog lists them.
QString AyanamsaChoiceWords(Ayanamsa ayanamsa);
// "Lahiri", "Krishnamurti", …: as the caption names a predefined ayanamsa.
QString AyanamsaShortWords(Ayanamsa ayanamsa);
// "Upper limb, with refraction", …
QString SunriseRuleWords(SunriseRule rule);
// "23° 30′ 00″": degrees, minutes and seconds, rounded to the nearest second.
QString DegreesMinutesSeconds(double degrees);

}  // namespace grahavani
