#pragma once
// The shapes of the program's icon (app_icon.h), on a square of 256 units, drawn in this order.
#include <span>

namespace stroval {

struct AppIconShape {
  // A rounded rectangle when `path` is null, else the path: SVG path data of absolute moves,
  // lines and quadratic curves only ("M x y L x y Q cx cy x y").
  const char* path;
  double x, y, width, height, radius;  // the rounded rectangle
  const char* fill;                    // "#rrggbb", or null for none
  const char* stroke;                  // "#rrggbb", or null for none
  double strokeWidth;
  bool dashed;  // the guide lines; drawn solid where a dash would be under two pixels
};

std::span<const AppIconShape> AppIconShapes();

}  // namespace stroval
