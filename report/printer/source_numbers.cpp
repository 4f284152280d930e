#include "report/printer/source_numbers.h"

#include <array>

namespace {

struct KnownSource {
  const char* Keyword;
  int Number;
};

constexpr std::array<KnownSource, 9> kKnownSources{{
    {"top", 1},
    {"bottom", 2},
    {"middle", 3},
    {"manual", 4},
    {"envelope", 5},
    {"auto", 7},
    {"large-capacity", 11},
    {"main", 14},  // the main cassette
    {"alternate", 15},
}};

constexpr int kFirstUserSource = 256;

int KnownNumber(const QString& keyword) {
  for (const KnownSource& known : kKnownSources)
    if (keyword == QLatin1String(known.Keyword)) return known.Number;
  return -1;
}

}  // namespace

QList<TrpSourceNumber> rpNumberSources(const QStringList& keywords) {
  QList<TrpSourceNumber> numbered;
  int next = kFirstUserSource;
  QStringList seen;
  for (const QString& keyword : keywords) {
    if (seen.contains(keyword)) continue;
    seen.append(keyword);
    int number = KnownNumber(keyword);
    if (number < 0) number = next++;
    numbered.append({keyword, number});
  }
  return numbered;
}
