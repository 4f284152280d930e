#pragma once
// Platform paper-source numbers for the spooler's "media-source" keywords. Well-known sources
// keep their fixed numbers (7 is the automatic source); every other source of a printer gets a
// number from 256 up, in the order the printer lists them.
#include <QList>
#include <QString>
#include <QStringList>

struct TrpSourceNumber {
  QString Keyword;
  int Number;
};

// Numbers for `keywords`, one per keyword, in the same order and without duplicates.
QList<TrpSourceNumber> rpNumberSources(const QStringList& keywords);
