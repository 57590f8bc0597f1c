#pragma once
// "Arabic Transparent", the font every window and printout asks for, mapped to an installed
// Arabic font.

#include <QFont>

namespace velmora::platform {

inline constexpr char16_t kArabicFontFamily[] = u"Arabic Transparent";

// Registers the substitutes of "Arabic Transparent"; call once before any widget exists.
void installFontSubstitutions();

// The installed family "Arabic Transparent" resolves to.
QString resolvedArabicFamily();

// 12-point "Arabic Transparent", the only font of printouts.
QFont printFont();

// The font of the windows.
QFont windowFont();

} // namespace velmora::platform
