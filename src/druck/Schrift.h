// The statement's font, in the window and in the print: its columns line up only when every
// character advances the same.
#pragma once

#include <QFont>

namespace salvaro {

// "Courier New" where it (or a font metric-compatible with it) is there, otherwise the first of
// the common fixed-pitch families that is, otherwise the system's fixed-pitch font; each judged
// by its advance widths, not by what the font database says of it.
QFont FestbreitenSchrift(qreal punkt);

// Whether "i", "W" and "0" advance the same in the font.
bool GleicheZeichenbreite(const QFont& schrift);

}  // namespace salvaro
