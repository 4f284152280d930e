// The string list of the script classes TStrings and TStringList.
#include "script_engine/modules/string_list.h"

#include <algorithm>

#include "script_engine/front/script_error.h"

void TscStringList::checkIndex(int index, int count) const {
  if (index < 0 || index >= count)
    throw ScriptError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

int TscStringList::compare(const QString& a, const QString& b) {
  return QString::compare(a, b, Qt::CaseInsensitive);
}

const QString& TscStringList::Strings(int index) const {
  checkIndex(index, Count());
  return FItems[std::size_t(index)].text;
}

void TscStringList::SetStrings(int index, const QString& s) {
  checkIndex(index, Count());
  if (FSorted) {  // the line moves to its sorted place
    const ScriptValue object = FItems[std::size_t(index)].object;
    Delete(index);
    Add(s, object);
    return;
  }
  FItems[std::size_t(index)].text = s;
}

const ScriptValue& TscStringList::Objects(int index) const {
  checkIndex(index, Count());
  return FItems[std::size_t(index)].object;
}

void TscStringList::SetObjects(int index, const ScriptValue& object) {
  checkIndex(index, Count());
  FItems[std::size_t(index)].object = object;
}

int TscStringList::Add(const QString& s, const ScriptValue& object) {
  if (!FSorted) {
    FItems.push_back({s, object});
    return Count() - 1;
  }
  int index = 0;
  if (findSorted(s, index)) {
    if (FDuplicates == TscDuplicates::dupIgnore) return index;
    if (FDuplicates == TscDuplicates::dupError)
      throw ScriptError(QStringLiteral("String list does not allow duplicates"));
  }
  FItems.insert(FItems.begin() + index, Item{s, object});
  return index;
}

void TscStringList::Insert(int index, const QString& s, const ScriptValue& object) {
  if (FSorted) throw ScriptError(QStringLiteral("Operation not allowed on sorted list"));
  checkIndex(index, Count() + 1);
  FItems.insert(FItems.begin() + index, Item{s, object});
}

void TscStringList::Delete(int index) {
  checkIndex(index, Count());
  FItems.erase(FItems.begin() + index);
}

void TscStringList::Move(int from, int to) {
  if (from == to) return;
  checkIndex(from, Count());
  checkIndex(to, Count());
  Item item = FItems[std::size_t(from)];
  FItems.erase(FItems.begin() + from);
  FItems.insert(FItems.begin() + to, std::move(item));
}

int TscStringList::IndexOf(const QString& s) const {
  int index = 0;
  return Find(s, index) ? index : -1;
}

int TscStringList::IndexOfName(const QString& name) const {
  for (int i = 0; i < Count(); ++i)
    if (compare(Names(i), name) == 0 && FItems[std::size_t(i)].text.contains(QLatin1Char('=')))
      return i;
  return -1;
}

int TscStringList::IndexOfObject(const ScriptValue& object) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[std::size_t(i)].object == object) return i;
  return -1;
}

bool TscStringList::findSorted(const QString& s, int& index) const {
  int low = 0, high = Count() - 1;
  bool found = false;
  while (low <= high) {
    const int mid = low + (high - low) / 2;
    const int c = compare(FItems[std::size_t(mid)].text, s);
    if (c < 0) {
      low = mid + 1;
    } else {
      high = mid - 1;
      if (c == 0) found = true;  // keep looking left: the first of equal lines
    }
  }
  index = low;
  return found;
}

bool TscStringList::Find(const QString& s, int& index) const {
  if (FSorted) return findSorted(s, index);
  for (int i = 0; i < Count(); ++i)
    if (compare(FItems[std::size_t(i)].text, s) == 0) {
      index = i;
      return true;
    }
  index = Count();
  return false;
}

void TscStringList::SetSorted(bool sorted) {
  if (sorted && !FSorted) Sort();
  FSorted = sorted;
}

void TscStringList::Sort() {
  std::stable_sort(FItems.begin(), FItems.end(),
                   [](const Item& a, const Item& b) { return compare(a.text, b.text) < 0; });
}

QString TscStringList::Names(int index) const {
  const QString& line = Strings(index);
  const int eq = line.indexOf(QLatin1Char('='));
  return eq < 0 ? QString() : line.left(eq);
}

QString TscStringList::Values(const QString& name) const {
  const int index = IndexOfName(name);
  if (index < 0) return QString();
  const QString& line = FItems[std::size_t(index)].text;
  return line.mid(line.indexOf(QLatin1Char('=')) + 1);
}

void TscStringList::SetValues(const QString& name, const QString& value) {
  const int index = IndexOfName(name);
  if (value.isEmpty()) {
    if (index >= 0) Delete(index);
  } else if (index >= 0) {
    SetStrings(index, name + QLatin1Char('=') + value);
  } else {
    Add(name + QLatin1Char('=') + value);
  }
}

namespace {

bool needsQuotes(const QString& s) {
  if (s.isEmpty()) return true;
  for (QChar c : s)
    if (c.unicode() <= ' ' || c == QLatin1Char(',') || c == QLatin1Char('"')) return true;
  return false;
}

bool isSeparator(QChar c) { return c.unicode() <= ' ' || c == QLatin1Char(','); }

}  // namespace

QString TscStringList::CommaText() const {
  QStringList parts;
  for (const Item& item : FItems) {
    if (!needsQuotes(item.text)) {
      parts << item.text;
      continue;
    }
    QString quoted = item.text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    parts << QLatin1Char('"') + quoted + QLatin1Char('"');
  }
  return parts.join(QLatin1Char(','));
}

void TscStringList::SetCommaText(const QString& text) {
  Clear();
  int i = 0;
  const int n = int(text.size());
  while (i < n && text[i].unicode() <= ' ') ++i;
  while (i < n) {
    QString item;
    if (text[i] == QLatin1Char('"')) {
      for (++i; i < n; ++i) {
        if (text[i] == QLatin1Char('"')) {
          if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
            item += QLatin1Char('"');
            ++i;
          } else {
            ++i;
            break;
          }
        } else {
          item += text[i];
        }
      }
    } else {
      while (i < n && !isSeparator(text[i])) item += text[i++];
    }
    Add(item);
    // Blanks around one comma separate a single item; a comma alone also does.
    while (i < n && text[i].unicode() <= ' ') ++i;
    if (i < n && text[i] == QLatin1Char(',')) {
      ++i;
      while (i < n && text[i].unicode() <= ' ') ++i;
      if (i == n) Add(QString());  // a trailing comma leaves an empty last item
    }
  }
}

QString TscStringList::Text() const {
  QString text;
  for (const Item& item : FItems) text += item.text + QLatin1Char('\n');
  return text;
}

void TscStringList::SetText(const QString& text) {
  Clear();
  int start = 0;
  const int n = int(text.size());
  for (int i = 0; i < n; ++i) {
    if (text[i] != QLatin1Char('\n') && text[i] != QLatin1Char('\r')) continue;
    Add(text.mid(start, i - start));
    if (text[i] == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) ++i;
    start = i + 1;
  }
  if (start < n) Add(text.mid(start));
}
