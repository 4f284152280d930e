#include "report/model/class_info.h"

#include <QtGlobal>

#include <algorithm>

namespace {

bool sameName(const char* a, QAnyStringView b) {
  return QAnyStringView::compare(QLatin1String(a), b, Qt::CaseInsensitive) == 0;
}

// The key of the name indexes: property names are ASCII identifiers, folded to lower case
// without Unicode's full case mapping, which made each lookup slow.
QString nameKey(QAnyStringView name) {
  QString key = name.toString();
  for (QChar& c : key)
    if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + (u'a' - u'A'));
  return key;
}

// Index of the property `name` in `list`, or -1.
qsizetype indexOf(const std::vector<TrpPropertyDescriptor>& list, QAnyStringView name) {
  const auto it = std::find_if(list.begin(), list.end(),
                               [&](const TrpPropertyDescriptor& d) { return sameName(d.Name, name); });
  return it == list.end() ? -1 : it - list.begin();
}

// Puts `d` in place of the property of the same name, or appends it.
void define(std::vector<TrpPropertyDescriptor>& list, const TrpPropertyDescriptor& d) {
  const qsizetype i = indexOf(list, QLatin1String(d.Name));
  if (i >= 0)
    list[static_cast<size_t>(i)] = d;
  else
    list.push_back(d);
}

// The ancestor's property `entry` names, with the entry's own default and stored test applied.
TrpPropertyDescriptor resolveInherited(const std::vector<TrpPropertyDescriptor>& known,
                                       const TrpPropertyDescriptor& entry, const char* className) {
  const qsizetype i = indexOf(known, QLatin1String(entry.Name));
  if (i < 0)
    qFatal("%s publishes %s, which no ancestor declares", className, entry.Name);
  TrpPropertyDescriptor d = known[static_cast<size_t>(i)];
  if (entry.OverridesDefault) d.Default = entry.Default;
  if (entry.OverridesStored) d.Stored = entry.Stored;
  d.Published = true;
  return d;
}

}  // namespace

TrpClassInfo::TrpClassInfo(const char* className, const TrpClassInfo* parent, TrpFactory factory,
                           std::initializer_list<TrpPropertyDescriptor> properties,
                           std::initializer_list<TrpDiffEntry> diff)
    : FClassName(className), FParent(parent), FFactory(factory) {
  if (parent) {
    FPublished = parent->FPublished;
    FAll = parent->FAll;
    FDiff = parent->FDiff;
  }
  for (const TrpPropertyDescriptor& entry : properties) {
    const TrpPropertyDescriptor d =
        entry.Inherit ? resolveInherited(FAll, entry, className) : entry;
    define(FAll, d);
    if (d.Published) define(FPublished, d);
  }
  FDiff.insert(FDiff.end(), diff.begin(), diff.end());
  for (qsizetype i = 0; i < static_cast<qsizetype>(FPublished.size()); ++i)
    FPublishedIndex.insert(nameKey(QLatin1String(FPublished[static_cast<size_t>(i)].Name)), i);
  for (qsizetype i = 0; i < static_cast<qsizetype>(FAll.size()); ++i)
    FAllIndex.insert(nameKey(QLatin1String(FAll[static_cast<size_t>(i)].Name)), i);
}

const TrpPropertyDescriptor* TrpClassInfo::FindProperty(QAnyStringView name) const {
  const qsizetype i = FPublishedIndex.value(nameKey(name), -1);
  return i < 0 ? nullptr : &FPublished[static_cast<size_t>(i)];
}

const TrpPropertyDescriptor* TrpClassInfo::FindAnyProperty(QAnyStringView name) const {
  const qsizetype i = FAllIndex.value(nameKey(name), -1);
  return i < 0 ? nullptr : &FAll[static_cast<size_t>(i)];
}

bool TrpClassInfo::InheritsFrom(QAnyStringView className) const {
  for (const TrpClassInfo* c = this; c; c = c->FParent)
    if (sameName(c->FClassName, className)) return true;
  return false;
}

bool TrpClassInfo::InheritsFrom(const TrpClassInfo& other) const {
  for (const TrpClassInfo* c = this; c; c = c->FParent)
    if (c == &other) return true;
  return false;
}
