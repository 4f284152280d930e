#include "report/objects/class_info.h"

#include <QtGlobal>

#include <algorithm>
#include <atomic>

namespace {

// Code units of the three views QAnyStringView may hold, as numbers.
char32_t unitOf(QChar c) { return c.unicode(); }
char32_t unitOf(QLatin1Char c) { return c.unicode(); }
char32_t unitOf(char c) { return static_cast<unsigned char>(c); }

// Property names are ASCII identifiers, so folding to lower case by ASCII is enough (and far
// cheaper than Unicode's case mapping); any other unit sorts after every ASCII key.
char32_t foldAscii(char32_t u) { return u >= U'A' && u <= U'Z' ? u + (U'a' - U'A') : u; }

// Whether the class name `a` (ASCII) equals `b` regardless of case. Class tests by name run for
// every placed band and recorded object, so ASCII names are compared here directly; a name with
// other units goes through Unicode case folding, under which some of them equal ASCII letters.
bool sameName(const char* a, QAnyStringView b) {
  enum { Differ, Same, NotAscii };
  const int result = b.visit([a](auto view) {
    const char* c = a;
    for (qsizetype i = 0; i < view.size(); ++i, ++c) {
      const char32_t u = unitOf(view[i]);
      if (u >= 0x80) return NotAscii;
      if (*c == 0 || foldAscii(u) != foldAscii(static_cast<unsigned char>(*c))) return Differ;
    }
    return *c == 0 ? Same : Differ;
  });
  if (result != NotAscii) return result == Same;
  return QAnyStringView::compare(QLatin1String(a), b, Qt::CaseInsensitive) == 0;
}

// Three-way comparison of `name`, folded, with a lower-case ASCII key; no copy of either.
int compareFolded(QAnyStringView name, const QByteArray& key) {
  return name.visit([&](auto view) {
    const qsizetype n = std::min<qsizetype>(view.size(), key.size());
    for (qsizetype i = 0; i < n; ++i) {
      const char32_t a = foldAscii(unitOf(view[i]));
      const char32_t b = static_cast<unsigned char>(key[i]);
      if (a != b) return a < b ? -1 : 1;
    }
    return view.size() == key.size() ? 0 : (view.size() < key.size() ? -1 : 1);
  });
}

// FNV-1a over the folded units: the same for any case and any of the three views.
size_t hashFolded(QAnyStringView name) {
  return name.visit([](auto view) {
    size_t h = 14695981039346656037ull;
    for (qsizetype i = 0; i < view.size(); ++i) {
      h ^= foldAscii(unitOf(view[i]));
      h *= 1099511628211ull;
    }
    return h;
  });
}

QByteArray lowerKey(const char* name) {
  QByteArray key(name);
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
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

std::uint32_t nextSerial() {
  static std::atomic<std::uint32_t> last{0};
  return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

}  // namespace

TrpClassInfo::TrpClassInfo(const char* className, const TrpClassInfo* parent, TrpFactory factory,
                           std::initializer_list<TrpPropertyDescriptor> properties,
                           std::initializer_list<TrpDiffEntry> diff)
    : FClassName(className),
      FParent(parent),
      FFactory(factory),
      FSerial(nextSerial()),
      FNameHash(hashFolded(QLatin1StringView(className))) {
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
  FPublishedIndex = BuildIndex(FPublished);
  FAllIndex = BuildIndex(FAll);
  // FAll and FDiff are final now, so pointers into them stay valid.
  FDiffRecord = std::make_unique<TrpDiffRecord>(FDiff, *this);
}

TrpClassInfo::NameIndex TrpClassInfo::BuildIndex(const std::vector<TrpPropertyDescriptor>& list) {
  NameIndex index;
  index.reserve(list.size());
  for (size_t i = 0; i < list.size(); ++i) {
    QByteArray key = lowerKey(list[i].Name);
    index.push_back({hashFolded(QLatin1StringView(key)), std::move(key), qsizetype(i)});
  }
  std::sort(index.begin(), index.end(),
            [](const NameEntry& a, const NameEntry& b) { return a.Hash < b.Hash; });
  return index;
}

size_t TrpClassInfo::NameHash(QAnyStringView name) { return hashFolded(name); }

qsizetype TrpClassInfo::Lookup(const NameIndex& index, QAnyStringView name, size_t hash) {
  auto it = std::lower_bound(index.begin(), index.end(), hash,
                             [](const NameEntry& entry, size_t h) { return entry.Hash < h; });
  for (; it != index.end() && it->Hash == hash; ++it)
    if (compareFolded(name, it->Key) == 0) return it->Position;
  return -1;
}

const TrpPropertyDescriptor* TrpClassInfo::FindProperty(QAnyStringView name) const {
  const qsizetype i = Lookup(FPublishedIndex, name, hashFolded(name));
  return i < 0 ? nullptr : &FPublished[static_cast<size_t>(i)];
}

const TrpPropertyDescriptor* TrpClassInfo::FindAnyProperty(QAnyStringView name) const {
  return FindAnyProperty(name, hashFolded(name));
}

const TrpPropertyDescriptor* TrpClassInfo::FindAnyProperty(QAnyStringView name, size_t hash) const {
  const qsizetype i = Lookup(FAllIndex, name, hash);
  return i < 0 ? nullptr : &FAll[static_cast<size_t>(i)];
}

bool TrpClassInfo::InheritsFrom(QAnyStringView className) const {
  // Class tests by name run for every placed band and recorded object: an ASCII name is hashed
  // once and compared only with the classes of the same hash.
  const bool ascii = className.visit([](auto view) {
    for (qsizetype i = 0; i < view.size(); ++i)
      if (unitOf(view[i]) >= 0x80) return false;
    return true;
  });
  if (!ascii) {
    for (const TrpClassInfo* c = this; c; c = c->FParent)
      if (sameName(c->FClassName, className)) return true;
    return false;
  }
  const size_t hash = hashFolded(className);
  for (const TrpClassInfo* c = this; c; c = c->FParent)
    if (c->FNameHash == hash && sameName(c->FClassName, className)) return true;
  return false;
}

TrpClassName::TrpClassName(const char* name) : Name(name), Hash(hashFolded(QLatin1StringView(name))) {}

bool TrpClassInfo::InheritsFrom(const TrpClassName& name) const {
  for (const TrpClassInfo* c = this; c; c = c->FParent)
    if (c->FNameHash == name.Hash && sameName(c->FClassName, QLatin1StringView(name.Name))) return true;
  return false;
}

bool TrpClassInfo::InheritsFrom(const TrpClassInfo& other) const {
  for (const TrpClassInfo* c = this; c; c = c->FParent)
    if (c == &other) return true;
  return false;
}
