#pragma once
// Where a Cyrillic word may be hyphenated: between syllables, by the vowel/consonant rule the text
// layout machine uses when WordBreak is on.
#include <QList>
#include <QString>

// Positions k (1-based) after which `word` (upper case) may be broken, in increasing order. Words
// of 3 characters or fewer, and words in other scripts, have none.
QList<int> BreakRussianWord(const QString& word);
