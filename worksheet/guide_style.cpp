#include "worksheet/guide_style.h"

namespace stroval {

namespace {

const QLineF kVerticalMiddle(0.5, 0, 0.5, 1);
const QLineF kHorizontalMiddle(0, 0.5, 1, 0.5);
const QLineF kFalling(0, 0, 1, 1);  // top left to bottom right
const QLineF kRising(0, 1, 1, 0);   // bottom left to top right
constexpr double kThird = 1.0 / 3, kTwoThirds = 2.0 / 3;

}  // namespace

const std::vector<GuideStyleName>& GuideStyleNames() {
  static const std::vector<GuideStyleName> names{
      {GuideStyle::None, "none", "無格線"},
      {GuideStyle::Cross, "tian", "田字格"},
      {GuideStyle::CrossAndDiagonals, "mi", "米字格"},
      {GuideStyle::NineSquares, "jiugong", "九宮格"},
  };
  return names;
}

QString GuideStyleKey(GuideStyle style) {
  for (const GuideStyleName& name : GuideStyleNames())
    if (name.style == style) return QString::fromLatin1(name.key);
  return {};
}

QString GuideStyleCaption(GuideStyle style) {
  for (const GuideStyleName& name : GuideStyleNames())
    if (name.style == style) return QString::fromUtf8(name.caption);
  return {};
}

std::optional<GuideStyle> GuideStyleNamed(const QString& text) {
  for (const GuideStyleName& name : GuideStyleNames())
    if (text == QLatin1String(name.key) || text == QString::fromUtf8(name.caption)) return name.style;
  return std::nullopt;
}

std::vector<QLineF> GuideLines(GuideStyle style) {
  switch (style) {
    case GuideStyle::None: return {};
    case GuideStyle::Cross: return {kVerticalMiddle, kHorizontalMiddle};
    case GuideStyle::CrossAndDiagonals:
      return {kVerticalMiddle, kHorizontalMiddle, kFalling, kRising};
    case GuideStyle::NineSquares:
      return {QLineF(kThird, 0, kThird, 1), QLineF(kTwoThirds, 0, kTwoThirds, 1),
              QLineF(0, kThird, 1, kThird), QLineF(0, kTwoThirds, 1, kTwoThirds)};
  }
  return {};
}

}  // namespace stroval
