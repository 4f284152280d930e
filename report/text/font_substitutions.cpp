#include "report/text/font_substitutions.h"

#include <QFont>
#include <QStringList>

namespace stroval {

namespace {

constexpr const char* kKai[] = {"AR PL UKai TW", "TW-Kai", "AR PL UKai HK", nullptr};
constexpr const char* kMing[] = {"AR PL UMing TW", "AR PL UMing HK", nullptr};
constexpr const char* kSans[] = {"DejaVu Sans", "Liberation Sans", nullptr};
constexpr const char* kArial[] = {"Liberation Sans", "DejaVu Sans", nullptr};
constexpr const char* kTimes[] = {"Liberation Serif", "DejaVu Serif", nullptr};

constexpr FontSubstitution kSubstitutions[] = {
    {"標楷體", kKai},
    {"華康標楷筆順體", kKai},
    {"新細明體", kMing},
    {"細明體", kMing},
    {"Tahoma", kSans},
    {"Arial", kArial},
    {"Times New Roman", kTimes},
};

QStringList ToList(const char* const* names) {
  QStringList list;
  for (; *names != nullptr; ++names) list << QString::fromUtf8(*names);
  return list;
}

}  // namespace

std::span<const FontSubstitution> FontSubstitutions() { return kSubstitutions; }

void RegisterFontSubstitutions() {
  for (const FontSubstitution& s : kSubstitutions) {
    const QString family = QString::fromUtf8(s.family);
    // Replace rather than append, so a second registration leaves the same list.
    QFont::removeSubstitutions(family);
    QFont::insertSubstitutions(family, ToList(s.substitutes));
  }
}

}  // namespace stroval
