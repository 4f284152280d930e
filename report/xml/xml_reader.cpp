#include "report/xml/xml_reader.h"

#include "report/xml/code_page.h"
#include "report/xml/xml_document.h"

#include <QIODevice>

#include <memory>

namespace {

constexpr int kBufferSize = 4096;
// Deeper nesting than this is not a report file; refusing it keeps a hostile file from exhausting
// the stack.
constexpr int kMaxDepth = 4096;

}  // namespace

TrpXMLReader::TrpXMLReader(QIODevice* stream, bool oldFormat)
    : FStream(stream), FStartPosition(stream->pos()), FBufferStart(stream->pos()), FOldFormat(oldFormat) {}

TrpXMLReader::~TrpXMLReader() { FStream->seek(FStartPosition); }

bool TrpXMLReader::NextByte(char* byte) {
  if (FBufferPos >= FBuffer.size()) {
    FBufferStart += FBuffer.size();
    FStream->seek(FBufferStart);
    FBuffer = FStream->read(kBufferSize);
    FBufferPos = 0;
    if (FBuffer.isEmpty()) return false;
  }
  *byte = FBuffer[FBufferPos++];
  return true;
}

void TrpXMLReader::SkipComment(const QByteArray& collected) {
  // The tag scan stopped at the first '>'; the comment ends there only when "--" precedes it.
  if (collected.size() >= 5 && collected.endsWith("--")) return;
  int dashes = 0;
  char byte;
  while (NextByte(&byte)) {
    if (byte == '>' && dashes >= 2) return;
    dashes = byte == '-' ? dashes + 1 : 0;
  }
  throw TrpInvalidXMLException();
}

TrpXMLReader::Tag TrpXMLReader::ReadTag() {
  for (;;) {
    Tag tag;
    char byte;
    do {
      if (!NextByte(&byte)) return tag;  // end of stream outside a tag
    } while (byte != '<');
    tag.start = Position() - 1;

    QByteArray collected;
    for (;;) {
      if (!NextByte(&byte)) throw TrpInvalidXMLException();
      if (byte == '>') break;
      if (byte == '<') throw TrpInvalidXMLException();
      collected += byte;
    }
    if (collected.startsWith("!--")) {
      SkipComment(collected);
      continue;
    }
    if (collected.endsWith(' ')) collected.chop(1);
    const int blank = collected.indexOf(' ');
    const QByteArray name = blank < 0 ? collected : collected.left(blank);
    const QByteArray text = blank < 0 ? QByteArray() : collected.mid(blank + 1);
    tag.name = QString::fromLatin1(name);
    tag.text = FOldFormat ? rpSystemCodePageToUnicode(text) : QString::fromUtf8(text);
    return tag;
  }
}

// The next tag: the end of the stream, a closing tag (its name in `closingName`), or an element's
// opening tag, `empty` when it closes itself ("<a/>").
TrpXMLReader::Outcome TrpXMLReader::ReadOpening(Tag& tag, bool& empty, QString* closingName) {
  tag = ReadTag();
  if (tag.name.isEmpty()) return Outcome::EndOfStream;
  if (tag.name.startsWith(u'/')) {
    *closingName = tag.name;
    return Outcome::Closing;
  }
  empty = false;
  if (tag.name.endsWith(u'/')) {
    tag.name.chop(1);
    empty = true;
  } else if (tag.text.endsWith(u'/')) {
    tag.text.chop(1);
    empty = true;
  }
  return Outcome::Element;
}

// An element's tag, its content passed over: read again from its offset when it is needed.
TrpXMLReader::Outcome TrpXMLReader::ReadShallow(TrpXMLItem* item, QString* closingName) {
  Tag tag;
  bool empty = false;
  if (const Outcome outcome = ReadOpening(tag, empty, closingName); outcome != Outcome::Element) return outcome;
  item->SetName(tag.name);
  const int lazyMark = tag.text.toLower().indexOf(QLatin1String(" ld=\"0\""));
  if (lazyMark >= 0) {
    tag.text.remove(lazyMark, 7);
    item->FUnloadable = true;
  }
  item->SetText(tag.text);
  if (!empty) SkipContent();
  item->FOffset = tag.start;
  item->FLoaded = false;
  return Outcome::Element;
}

// Passes over an element's content up to its closing tag, counting the tags it opens and closes;
// whether they match is seen when the element is read.
void TrpXMLReader::SkipContent() {
  int open = 1;
  char byte;
  while (open > 0) {
    do {
      if (!NextByte(&byte)) throw TrpInvalidXMLException();
    } while (byte != '<');
    QByteArray start;  // the tag's first three bytes
    char previous = 0, last = 0;
    qint64 length = 0;
    for (;;) {
      if (!NextByte(&byte)) throw TrpInvalidXMLException();
      if (byte == '>') break;
      if (byte == '<') throw TrpInvalidXMLException();
      if (start.size() < 3) start += byte;
      previous = last;
      last = byte;
      ++length;
    }
    if (start.startsWith("!--")) {
      // As ReadTag: the comment ended at this '>' only when "--" precedes it.
      if (!(length >= 5 && previous == '-' && last == '-')) SkipComment(start);
      continue;
    }
    const QByteArray& collected = start;
    if (collected.startsWith('/')) --open;
    else if (last != '/') ++open;
  }
}

bool TrpXMLReader::ReadHeader() {
  const Tag header = ReadTag();
  if (!header.name.startsWith(QLatin1String("?xml"))) throw TrpInvalidXMLException();
  TrpXMLItem probe;
  probe.SetText(header.text);
  FOldFormat = probe.Prop(QStringLiteral("version")) == QLatin1String("1.0") &&
               !probe.PropExists(QStringLiteral("standalone"));
  return FOldFormat;
}

void TrpXMLReader::ReadRootItem(TrpXMLItem* item, bool readChildren) {
  QString closing;
  ReadElement(item, readChildren, 0, &closing);
}

TrpXMLReader::Outcome TrpXMLReader::ReadElement(TrpXMLItem* item, bool readChildren, int depth,
                                                QString* closingName) {
  if (depth > kMaxDepth) throw TrpInvalidXMLException();
  Tag tag;
  bool empty = false;
  if (const Outcome outcome = ReadOpening(tag, empty, closingName); outcome != Outcome::Element) return outcome;
  // A lazily reloaded element keeps the name and attribute text it already has.
  if (item->Name().isEmpty()) {
    item->SetName(tag.name);
    item->SetText(tag.text);
  }

  if (!empty) {
    const bool shallow = !readChildren && !FLazyParent.isEmpty() &&
                         item->Name().compare(FLazyParent, Qt::CaseInsensitive) == 0;
    for (;;) {
      // Owned here until it is read whole: a damaged element below it throws.
      auto child = std::make_unique<TrpXMLItem>();
      QString closing;
      const Outcome outcome = shallow ? ReadShallow(child.get(), &closing)
                                      : ReadElement(child.get(), readChildren, depth + 1, &closing);
      if (outcome == Outcome::Element) {
        item->AddItem(child.release());
        continue;
      }
      // A truncated file ends the list without a closing tag: what came before the cut is kept.
      if (outcome == Outcome::Closing &&
          closing.compare(QLatin1Char('/') + item->Name(), Qt::CaseInsensitive) != 0)
        throw TrpInvalidXMLException();
      break;
    }
  }

  const int lazyMark = tag.text.toLower().indexOf(QLatin1String(" ld=\"0\""));
  if (lazyMark >= 0) {
    if (item->Text() == tag.text) {
      QString text = item->Text();
      text.remove(lazyMark, 7);
      item->SetText(text);
    }
    if (!readChildren) {
      item->Clear();
      item->FOffset = tag.start;
      item->FUnloadable = true;
      item->FLoaded = false;
    }
  }
  return Outcome::Element;
}
