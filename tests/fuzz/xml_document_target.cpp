// The XML reader on any bytes, with partial loading too (the prepared-pages file mode), and a
// round trip: what was read is written and read again into the same tree (names, attribute
// texts up to the blanks around them, values).
#include <QBuffer>

#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "report/xml/xml_document.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_targets.h"

namespace {

QByteArray written(TrpXMLDocument& document) {
  QByteArray bytes;
  QBuffer out(&bytes);
  out.open(QIODevice::WriteOnly);
  document.SaveToStream(&out);
  return bytes;
}

// An element's attribute text as it matters: without the blanks around it and without the lazy
// loading mark ld="0", which is the file's note to the reader, not an attribute (an element
// marked inside an element itself read lazily keeps it).
QString attributes(const TrpXMLItem& item) {
  return QString(item.Text()).remove(QLatin1String(" ld=\"0\""), Qt::CaseInsensitive).trimmed();
}

bool sameTree(const TrpXMLItem& a, const TrpXMLItem& b) {
  if (a.Name() != b.Name() || attributes(a) != attributes(b) || a.Value() != b.Value() ||
      a.Count() != b.Count())
    return false;
  for (int i = 0; i < a.Count(); ++i)
    if (!sameTree(*a.Items(i), *b.Items(i))) return false;
  return true;
}

// Element names are written as they are, not escaped: a name the lenient reader took from
// damaged bytes (with quotes, slashes, "=" or control characters in it) cannot be expected to
// read back, so the round trip is checked for trees whose names are names.
bool namesAreNames(const TrpXMLItem& item) {
  for (const QChar c : item.Name())
    if (!c.isLetterOrNumber() && c != u'_' && c != u'-' && c != u'.' && c != u':') return false;
  for (int i = 0; i < item.Count(); ++i)
    if (!namesAreNames(*item.Items(i))) return false;
  return true;
}

// Loads every unloaded element again (what the store does when a page is shown).
void loadAll(TrpXMLDocument& document, TrpXMLItem* item) {
  if (!item->Loaded()) document.LoadItem(item);
  for (int i = 0; i < item->Count(); ++i) loadAll(document, item->Items(i));
}

}  // namespace

int rpFuzzXmlDocument(const uint8_t* data, size_t size) {
  const bool partial = size > 0 && (data[0] & 1);
  // With partial loading the document takes the stream (and frees it); otherwise it stays ours.
  auto* stream = new QBuffer;
  std::unique_ptr<QBuffer> owned(partial ? nullptr : stream);
  stream->setData(rpFuzzBytes(data, size));
  stream->open(QIODevice::ReadOnly);
  TrpXMLDocument document;
  try {
    document.LoadFromStream(stream, partial);
    if (partial) loadAll(document, document.Root());
  } catch (const std::runtime_error&) {
    return 0;
  }
  if (!namesAreNames(*document.Root())) return 0;
  const QByteArray first = written(document);
  TrpXMLDocument again;
  QBuffer in;
  in.setData(first);
  in.open(QIODevice::ReadOnly);
  again.LoadFromStream(&in);  // what the writer wrote must read back
  if (!sameTree(*document.Root(), *again.Root())) std::abort();
  return 0;
}
