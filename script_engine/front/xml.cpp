#include "script_engine/front/xml.h"

#include <QFile>
#include <QIODevice>

#include <memory>
#include <utility>

#include "script_engine/files/whole_file.h"
#include "script_engine/front/script_error.h"

namespace {

[[noreturn]] void invalidFormat() { throw ScriptError(QStringLiteral("Invalid file format")); }

bool mustEncode(ushort c) {
  return c == 10 || c == 13 || c == '"' || c == '&' || c == '<' || c == '>';
}

// "&#" decimal code ";" at i; on success appends the character and moves i past the ";".
bool decodeCharRef(const QString& s, int& i, QString& out) {
  int j = i + 2;
  char32_t code = 0;
  int digits = 0;
  while (j < s.size() && s[j].isDigit() && s[j].unicode() < 128) {
    code = code * 10 + static_cast<char32_t>(s[j].unicode() - '0');
    if (code > 0x10FFFF) return false;
    ++j;
    ++digits;
  }
  if (digits == 0 || j >= s.size() || s[j].unicode() != ';') return false;
  if (code > 0xFFFF) {
    out += QChar::highSurrogate(code);
    out += QChar::lowSurrogate(code);
  } else {
    out += QChar(static_cast<char16_t>(code));
  }
  i = j + 1;
  return true;
}

}  // namespace

QString scStrToXML(const QString& s) {
  QString out;
  out.reserve(s.size());
  for (int i = 0; i < s.size(); ++i) {
    ushort c = s[i].unicode();
    if (c == '&' && QStringView(s).mid(i + 1, 5) == QLatin1String("quot;")) {
      out += QLatin1String("&#34;");
      i += 5;
    } else if (mustEncode(c)) {
      out += QLatin1String("&#") + QString::number(c) + QLatin1Char(';');
    } else {
      out += s[i];
    }
  }
  return out;
}

QString scXMLToStr(const QString& s) {
  if (!s.contains(QLatin1Char('&'))) return s;
  QString out;
  out.reserve(s.size());
  for (int i = 0; i < s.size();) {
    if (s[i].unicode() == '&') {
      if (i + 1 < s.size() && s[i + 1].unicode() == '#' && decodeCharRef(s, i, out)) continue;
      if (QStringView(s).mid(i + 1, 5) == QLatin1String("quot;")) {
        out += QLatin1Char('"');
        i += 6;
        continue;
      }
    }
    out += s[i++];
  }
  return out;
}

// --- items ---

TscXMLItem::~TscXMLItem() {
  if (FWatcher) FWatcher->ItemGone();
  // Frees the subtree breadth-first through a work list instead of recursion.
  std::vector<TscXMLItem*> work;
  work.swap(FItems);
  while (!work.empty()) {
    TscXMLItem* item = work.back();
    work.pop_back();
    for (TscXMLItem* child : item->FItems) work.push_back(child);
    item->FItems.clear();
    delete item;
  }
}

TscXMLItem* TscXMLItem::Add(const QString& name) {
  auto* item = new TscXMLItem(name);
  item->FParent = this;
  FItems.push_back(item);
  return item;
}

void TscXMLItem::InsertItem(int index, TscXMLItem* item) {
  if (item->FParent) {
    TscXMLItem* old = item->FParent;
    for (std::size_t i = 0; i < old->FItems.size(); ++i)
      if (old->FItems[i] == item) {
        old->FItems.erase(old->FItems.begin() + static_cast<long>(i));
        break;
      }
  }
  index = std::max(0, std::min(index, Count()));
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
}

TscXMLItem* TscXMLItem::Take(int index) {
  TscXMLItem* item = Items(index);
  FItems.erase(FItems.begin() + index);
  item->FParent = nullptr;
  return item;
}

void TscXMLItem::Delete(int index) { delete Take(index); }

void TscXMLItem::Clear() {
  while (!FItems.empty()) Delete(Count() - 1);
}

void TscXMLItem::Assign(const TscXMLItem& source) {
  Clear();
  FName = source.FName;
  FText = source.FText;
  std::vector<std::pair<const TscXMLItem*, TscXMLItem*>> work{{&source, this}};
  while (!work.empty()) {
    auto [from, to] = work.back();
    work.pop_back();
    for (const TscXMLItem* child : from->FItems) {
      TscXMLItem* copy = to->Add(child->FName);
      copy->FText = child->FText;
      work.emplace_back(child, copy);
    }
  }
}

int TscXMLItem::Find(const QString& name) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[std::size_t(i)]->FName.compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

TscXMLItem* TscXMLItem::FindItem(const QString& name) {
  int i = Find(name);
  return i >= 0 ? Items(i) : Add(name);
}

// Index just after  name="  in the raw text, or -1.
int TscXMLItem::propValueStart(const QString& name) const {
  QString key = QLatin1Char(' ') + name + QLatin1String("=\"");
  int i = FText.indexOf(key, 0, Qt::CaseInsensitive);
  return i < 0 ? -1 : i + key.size();
}

QString TscXMLItem::Prop(const QString& name) const {
  int start = propValueStart(name);
  if (start < 0) return QString();
  int end = FText.indexOf(QLatin1Char('"'), start);
  if (end < 0) end = FText.size();
  return scXMLToStr(FText.mid(start, end - start));
}

bool TscXMLItem::PropExists(const QString& name) const { return propValueStart(name) >= 0; }

void TscXMLItem::SetProp(const QString& name, const QString& value) {
  QString encoded = scStrToXML(value);
  int start = propValueStart(name);
  if (start < 0) {
    FText += QLatin1Char(' ') + name + QLatin1String("=\"") + encoded + QLatin1Char('"');
    return;
  }
  int end = FText.indexOf(QLatin1Char('"'), start);
  if (end < 0) end = FText.size();
  FText.replace(start, end - start, encoded);
}

// --- documents ---

TscXMLDocument::TscXMLDocument() : FRoot(new TscXMLItem) {}

TscXMLDocument::~TscXMLDocument() { delete FRoot; }

void TscXMLDocument::Clear() {
  delete FRoot;
  FRoot = new TscXMLItem;
}

QString TscXMLDocument::SaveToString() const {
  const QString eol = FAutoIndent ? QStringLiteral("\r\n") : QString();
  QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>") + eol;
  // Each entry is an item and the index of its next child to write.
  std::vector<std::pair<const TscXMLItem*, int>> stack{{FRoot, 0}};
  auto indent = [&](std::size_t level) {
    if (FAutoIndent) out += QString(int(level) * 2, QLatin1Char(' '));
  };
  indent(0);
  out += QLatin1Char('<') + FRoot->Name() + FRoot->Text();
  out += FRoot->Count() == 0 ? QStringLiteral("/>") : QStringLiteral(">");
  out += eol;
  while (!stack.empty()) {
    auto& [item, next] = stack.back();
    if (next >= item->Count()) {
      if (item->Count() > 0) {
        indent(stack.size() - 1);
        out += QLatin1String("</") + item->Name() + QLatin1Char('>') + eol;
      }
      stack.pop_back();
      continue;
    }
    const TscXMLItem* child = item->Items(next++);
    indent(stack.size());
    out += QLatin1Char('<') + child->Name() + child->Text();
    out += child->Count() == 0 ? QStringLiteral("/>") : QStringLiteral(">");
    out += eol;
    if (child->Count() > 0) stack.emplace_back(child, 0);
  }
  return out;
}

void TscXMLDocument::SaveToStream(QIODevice& device) const {
  QByteArray bytes = SaveToUtf8();
  if (device.write(bytes) != bytes.size())
    throw ScriptError(QStringLiteral("Cannot write: %1").arg(device.errorString()));
}

void TscXMLDocument::SaveToFile(const QString& fileName) const {
  QString error;
  if (!scWriteWholeFile(fileName, [this](QIODevice& file) { SaveToStream(file); }, error))
    throw ScriptError(QStringLiteral("Cannot create file \"%1\": %2").arg(fileName, error));
}

namespace {

// Reads a document's text into a tree, one tag at a time, with an explicit stack of open
// elements instead of recursion. Every malformed construct raises "Invalid file format".
class XMLReader {
 public:
  XMLReader(const QString& text, TscXMLItem& root) : FText(text), FRoot(root) {}

  void Read() {
    int i = 0;
    while ((i = FText.indexOf(QLatin1Char('<'), i)) >= 0) {
      if (QStringView(FText).mid(i, 4) == QLatin1String("<!--")) i = skipPast(i + 4, "-->");
      else if (!FSawDeclaration) i = readDeclaration(i);
      else i = readTag(i);
    }
    if (!FHaveRoot || !FOpen.empty()) invalidFormat();
  }

 private:
  int skipPast(int from, const char* marker) const {
    int end = FText.indexOf(QLatin1String(marker), from);
    if (end < 0) invalidFormat();
    return end + int(qstrlen(marker));
  }

  // The first tag must be the XML declaration.
  int readDeclaration(int i) {
    if (QStringView(FText).mid(i + 1, 4).compare(QLatin1String("?xml"), Qt::CaseInsensitive) != 0)
      invalidFormat();
    FSawDeclaration = true;
    return skipPast(i, "?>");
  }

  // A tag ends at the first '>' outside double quotes.
  int tagEnd(int i) const {
    bool quoted = false;
    for (int end = i + 1; end < FText.size(); ++end) {
      ushort c = FText[end].unicode();
      if (c == '"') quoted = !quoted;
      else if (c == '>' && !quoted) return end;
    }
    invalidFormat();
  }

  int readTag(int i) {
    int end = tagEnd(i);
    QString tag = FText.mid(i + 1, end - i - 1);
    if (tag.startsWith(QLatin1Char('/'))) closeElement(tag.mid(1).trimmed());
    else if (!tag.startsWith(QLatin1Char('?'))) openElement(tag);  // '?': processing instruction
    return end + 1;
  }

  void closeElement(const QString& name) {
    if (FOpen.empty() || FOpen.back()->Name().compare(name, Qt::CaseInsensitive) != 0)
      invalidFormat();
    FOpen.pop_back();
  }

  // Name up to the first blank; the rest of the tag is the raw attribute text.
  void openElement(QString tag) {
    bool empty = tag.endsWith(QLatin1Char('/'));
    if (empty) tag.chop(1);
    int nameEnd = 0;
    while (nameEnd < tag.size() && !tag[nameEnd].isSpace()) ++nameEnd;
    if (nameEnd == 0) invalidFormat();
    TscXMLItem* item;
    if (FOpen.empty()) {
      if (FHaveRoot) invalidFormat();  // a second top-level element
      FHaveRoot = true;
      item = &FRoot;
      item->SetName(tag.left(nameEnd));
    } else {
      item = FOpen.back()->Add(tag.left(nameEnd));
    }
    item->SetText(tag.mid(nameEnd));
    if (!empty) FOpen.push_back(item);
  }

  const QString& FText;
  TscXMLItem& FRoot;
  bool FHaveRoot = false;
  bool FSawDeclaration = false;
  std::vector<TscXMLItem*> FOpen;  // elements whose closing tag is still to come
};

}  // namespace

// The document is replaced only when the whole text was read.
void TscXMLDocument::LoadFromString(const QString& text) {
  auto root = std::make_unique<TscXMLItem>();
  XMLReader(text, *root).Read();
  delete FRoot;
  FRoot = root.release();
}

void TscXMLDocument::LoadFromStream(QIODevice& device) { LoadFromUtf8(device.readAll()); }

void TscXMLDocument::LoadFromFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw ScriptError(QStringLiteral("Cannot open file \"%1\": %2").arg(fileName, file.errorString()));
  LoadFromStream(file);
}
