#pragma once
// The glyphs a character is drawn with when drawn on its own: Qt shapes it in the font, or in a
// fallback font where the font lacks it, and may give it more than one glyph. The text machine
// places characters one by one, so a character's glyphs are the same wherever it stands and can
// be worked out once per font.
#include <QFont>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>

#include <vector>

struct TrpCharGlyphs {
  // The glyphs of one font, at positions from the character's origin on the baseline.
  struct Piece {
    QRawFont Font;
    QList<quint32> Glyphs;
    QList<QPointF> Positions;
  };
  std::vector<Piece> Pieces;
};

// The glyphs of `character` (one character, or a surrogate pair) drawn alone in `font`.
TrpCharGlyphs rpShapeCharacter(const QFont& font, const QString& character);
