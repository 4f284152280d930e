#pragma once

#include <QStringList>

// A list of practice words: a UTF-8 text file with one word a line. Blank lines are passed over
// and the spaces around a word dropped; a longer word than a sheet holds is refused with its line
// number, since cutting it would print a different word.
namespace stroval {

struct WordList {
  QStringList words;
  QString error;  // empty when the list was read whole
};

WordList ReadWordList(const QByteArray& utf8);
WordList ReadWordListFile(const QString& fileName);

}  // namespace stroval
