#pragma once
// Fonts and whole-pixel character advances by face, pixel size and style. Every measurement of the
// text layout machine goes through here: the fonts are set up once (no hinting, no kerning, so Qt
// never adjusts a glyph's advance) and each character is measured once per font.
#include <QFont>
#include <QString>

#include "report/text/char_glyphs.h"

namespace TrpFontCache {

// The font `family` at `pixelSize` device pixels (the character height) with TrpTagStyle bits.
QFont Font(const QString& family, int pixelSize, int style);

// Advance of the character at `text[index]` in whole pixels (rounded, halves to even). The low
// half of a surrogate pair has no advance of its own: the pair's advance is on its high half.
int Advance(const QString& family, int pixelSize, int style, const QString& text, int index);

// The glyphs the character at `text[index]` (with its low half, for a surrogate pair) is drawn
// with on its own. The reference stays valid for the life of the program.
const TrpCharGlyphs& Glyphs(const QString& family, int pixelSize, int style, const QString& text, int index);

// Distance from the top of the character cell to the baseline, in pixels.
qreal Ascent(const QString& family, int pixelSize, int style);

}  // namespace TrpFontCache
