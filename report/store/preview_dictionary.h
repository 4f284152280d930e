#pragma once
// TrpDictionary: the aliases of the prepared pages. Every object copied onto a source page gets a
// short alias ("b1", "m12") under which its records appear on prepared pages; the alias names the
// source object ("Page0.Memo2") and the copy the records are read against.
#include <QHash>
#include <QList>
#include <QString>

#include "report/objects/shared_text_cache.h"

class TrpComponent;

class TrpDictionary {
 public:
  struct Entry {
    QString Alias;
    QString SourceName;
    TrpComponent* Object = nullptr;
  };

  void Add(const QString& name, const QString& sourceName, TrpComponent* object);
  // Adds under `base` followed by a free number and returns that alias (see UniqueName).
  QString AddUnique(const QString& base, const QString& sourceName, TrpComponent* object);
  // The source object / source name of alias `name`; none or empty when absent.
  TrpComponent* GetObject(const QString& name) const;
  QString GetSourceName(const QString& name) const;
  bool Contains(const QString& name) const { return FIndex.contains(name); }
  // The entries in the order they were added (the order of the "dictionary" element).
  const QList<Entry>& Entries() const { return FEntries; }
  int Count() const { return FEntries.size(); }
  void Clear();

  // `base` followed by a number: halving from 10000 down to the first number in use (or to 1),
  // then counting up from there to the first free one. Cheap on a large dictionary, since the
  // numbers of one base are handed out in sequence.
  QString UniqueName(const QString& base) const;

 private:
  QList<Entry> FEntries;
  QHash<QString, int> FIndex;  // alias -> position in FEntries
  // Every object written asks for its alias, mostly with the alias string itself.
  mutable TrpSharedTextCache<int> FRecent;
};
