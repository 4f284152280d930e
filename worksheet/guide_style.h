#pragma once

#include <QLineF>
#include <QString>
#include <optional>
#include <vector>

// The guide lines of the practice cells: none (the plain cell), a cross (田字格), a cross with both
// diagonals (米字格), or a three by three grid (九宮格). They help a child place the strokes.
namespace stroval {

enum class GuideStyle { None, Cross, CrossAndDiagonals, NineSquares };

struct GuideStyleName {
  GuideStyle style;
  const char* key;      // in files and on the command line
  const char* caption;  // as the window offers it
};

// Every style, in the order the window lists them; the first is the default.
const std::vector<GuideStyleName>& GuideStyleNames();

QString GuideStyleKey(GuideStyle style);
QString GuideStyleCaption(GuideStyle style);
// The style named by its key or its caption; nothing for any other text.
std::optional<GuideStyle> GuideStyleNamed(const QString& name);

// The dashed lines of a style inside the unit square (0,0)-(1,1), y downwards. Every style but
// None also has the cell's square outline, drawn solid around them.
std::vector<QLineF> GuideLines(GuideStyle style);
inline bool HasOutline(GuideStyle style) { return style != GuideStyle::None; }

}  // namespace stroval
