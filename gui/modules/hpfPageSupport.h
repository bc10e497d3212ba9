// What the pages of the HPF screens share: the HPF module client as the module centre
// holds it, and the free-text numbers of the wizard's pages.
#pragma once

#include <QString>

class HpfModul;

// The module centre's HPF client (slot 3 of the registry), or null when there is no centre
// or start-up detection did not find the module.
HpfModul* hpfClient();

// A number as the pages show it: general format, six significant digits, decimal point,
// trailing zeros dropped (32.0 gives "32", 0.25 gives "0.25").
QString hpfNumberText(double value);

// A typed number read back with '.' as decimal separator. Text that is not a number counts
// as 0, and so does "nan" or "inf": no NaN or infinity reaches the module or the file.
float hpfTextToFloat(const QString& text);
// A typed base-10 integer; text that is not one counts as 0.
int hpfTextToInt(const QString& text);
// A typed base-10 unsigned 32-bit integer; a minus sign, letters or a value beyond 32 bits
// count as 0.
unsigned hpfTextToUInt(const QString& text);
