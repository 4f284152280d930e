#pragma once

#include <QColor>
#include <QFont>

class TrpFont;

// The sample font: the face, size, style and colour the practised characters are printed in.
namespace stroval {

struct SampleFont {
  QFont font;
  QColor color;
  // Equal when they print alike: face, size, style and colour.
  bool operator==(const SampleFont& other) const;
};

// The size in points, also of a font given in pixels (at 96 pixels per inch).
double PointsOf(const QFont& font);

// The sample font a sheet starts with once the window is active: the stroke-order Kai face at 60
// points in the sample box's grey.
SampleFont DefaultSampleFont();

// Sets `target` to `font`: face, size in points, style and colour. Qt fonts carry no character
// set, so the report font takes the default one (text stays Unicode).
void AssignReportFont(TrpFont& target, const SampleFont& font);

}  // namespace stroval
