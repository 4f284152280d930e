#include "report/store/preview_dictionary.h"

void TrpDictionary::Add(const QString& name, const QString& sourceName, TrpComponent* object) {
  const auto found = FIndex.constFind(name);
  if (found != FIndex.cend()) {
    FEntries[*found] = {name, sourceName, object};
    return;
  }
  FIndex.insert(name, FEntries.size());
  FEntries.append({name, sourceName, object});
}

QString TrpDictionary::AddUnique(const QString& base, const QString& sourceName, TrpComponent* object) {
  const QString name = UniqueName(base);
  Add(name, sourceName, object);
  return name;
}

QString TrpDictionary::UniqueName(const QString& base) const {
  int number = 10000;
  while (number > 1 && !FIndex.contains(base + QString::number(number))) number /= 2;
  while (FIndex.contains(base + QString::number(number))) ++number;
  return base + QString::number(number);
}

TrpComponent* TrpDictionary::GetObject(const QString& name) const {
  if (const int* recent = FRecent.Find(name)) return FEntries[*recent].Object;
  const auto found = FIndex.constFind(name);
  if (found == FIndex.cend()) return nullptr;
  FRecent.Keep(name, *found);
  return FEntries[*found].Object;
}

QString TrpDictionary::GetSourceName(const QString& name) const {
  const auto found = FIndex.constFind(name);
  return found == FIndex.cend() ? QString() : FEntries[*found].SourceName;
}

void TrpDictionary::Clear() {
  FEntries.clear();
  FIndex.clear();
  FRecent.Clear();
}
