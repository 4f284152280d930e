#include "report/text/syllable_breaks.h"

namespace {

const QString kVowels = QString::fromUtf16(u"АЕЁИОУЫЭЮЯ");
const QString kConsonants = QString::fromUtf16(u"БВГДЖЗЙКЛМНПРСТФХЦЧШЩЬЪ");
const QString kSigns = QString::fromUtf16(u"ЬЪ");
constexpr char16_t kShortI = u'Й';

bool isVowel(QChar c) { return kVowels.contains(c); }
bool isConsonant(QChar c) { return kConsonants.contains(c); }
bool isSign(QChar c) { return kSigns.contains(c); }

bool hasVowel(QStringView part) {
  for (QChar c : part)
    if (isVowel(c)) return true;
  return false;
}

// A doubled consonant followed by a vowel stays with the next syllable ("АН-НА" is not cut "А-ННА").
bool doubledConsonantFollows(const QString& w, int k) {
  return k < w.size() - 2 && isConsonant(w[k]) && w[k] == w[k + 1] && isVowel(w[k + 2]);
}

bool isCandidate(const QString& w, int k) {
  const QChar current = w[k - 1];
  const QChar next = w[k];
  if (isConsonant(current)) return !isVowel(next) && !isSign(next);
  if (isVowel(current)) return next != kShortI && !doubledConsonantFollows(w, k);
  return false;
}

}  // namespace

QList<int> BreakRussianWord(const QString& word) {
  QList<int> breaks;
  if (word.size() <= 3) return breaks;
  const QStringView w(word);
  for (int k = 1; k < word.size(); ++k) {
    if (!isCandidate(word, k)) continue;
    const QStringView left = w.left(k);
    const QStringView right = w.mid(k);
    if (left.size() >= 2 && right.size() >= 2 && hasVowel(left) && hasVowel(right)) breaks << k;
  }
  return breaks;
}
