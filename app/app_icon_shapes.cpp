#include "app/app_icon_shapes.h"

namespace stroval {

namespace {

constexpr const char* kPaper = "#fffdf6";
constexpr const char* kPaperEdge = "#7a6a55";
constexpr const char* kCell = "#c83c32";      // the practice cell's outline, as on the sheet
constexpr const char* kGuide = "#eea59e";     // the pale red of the guide lines
constexpr const char* kInk = "#1f1f24";

constexpr AppIconShape kShapes[] = {
    // The sheet, with its shadow.
    {nullptr, 30, 22, 208, 226, 22, "#cfc8b8", nullptr, 0, false},
    {nullptr, 22, 12, 208, 226, 22, kPaper, kPaperEdge, 6, false},
    // The cell and its guide lines, a cross as the 田字格 style draws it.
    {"M 126 48 L 126 200", 0, 0, 0, 0, 0, nullptr, kGuide, 5, true},
    {"M 50 124 L 202 124", 0, 0, 0, 0, 0, nullptr, kGuide, 5, true},
    {nullptr, 50, 48, 152, 152, 4, nullptr, kCell, 7, false},
    // 大: the horizontal, the left-falling and the right-falling stroke.
    {"M 76 104 Q 126 96 178 98", 0, 0, 0, 0, 0, nullptr, kInk, 15, false},
    {"M 128 62 Q 128 138 72 180", 0, 0, 0, 0, 0, nullptr, kInk, 15, false},
    {"M 134 124 Q 154 160 186 178", 0, 0, 0, 0, 0, nullptr, kInk, 15, false},
};

}  // namespace

std::span<const AppIconShape> AppIconShapes() { return kShapes; }

}  // namespace stroval
