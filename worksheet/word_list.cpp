#include "worksheet/word_list.h"

#include <QFile>

#include "worksheet/word_layout.h"

namespace stroval {

WordList ReadWordList(const QByteArray& utf8) {
  WordList list;
  QString text = QString::fromUtf8(utf8);
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);  // a byte-order mark some editors write
  const QStringList lines = text.split(u'\n');
  for (int i = 0; i < lines.size(); ++i) {
    const QString word = lines.at(i).trimmed();
    if (word.isEmpty()) continue;
    if (word.size() > kMaxWordLength) {
      list.error = QStringLiteral("line %1: \"%2\" is longer than %3 characters")
                       .arg(i + 1)
                       .arg(word)
                       .arg(kMaxWordLength);
      return list;
    }
    list.words << word;
  }
  if (list.words.isEmpty()) list.error = QStringLiteral("the list holds no word");
  return list;
}

WordList ReadWordListFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return {{}, file.errorString()};
  return ReadWordList(file.readAll());
}

}  // namespace stroval
