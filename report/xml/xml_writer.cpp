#include "report/xml/xml_writer.h"

#include "report/xml/xml_document.h"
#include "report/xml/xml_text.h"

#include <QIODevice>

#include <stdexcept>

namespace {
constexpr int kFlushThreshold = 4096;
}

TrpXMLWriter::TrpXMLWriter(QIODevice* stream, bool autoIndent, TrpXMLDocument* document)
    : FStream(stream), FAutoIndent(autoIndent), FDocument(document) {}

TrpXMLWriter::~TrpXMLWriter() {
  // Errors surface through an explicit Flush(); a destructor must not throw.
  if (!FBuffer.isEmpty()) FStream->write(FBuffer);
}

void TrpXMLWriter::Flush() {
  if (FBuffer.isEmpty()) return;
  const qint64 written = FStream->write(FBuffer);
  const qint64 expected = FBuffer.size();
  FBuffer.clear();
  if (written != expected)
    throw std::runtime_error("Cannot write the file: " + FStream->errorString().toStdString());
}

void TrpXMLWriter::WriteLine(const QByteArray& line, int depth) {
  if (FAutoIndent) FBuffer.append(QByteArray(2 * depth, ' '));
  FBuffer.append(line);
  if (FAutoIndent) FBuffer.append("\r\n");
  if (FBuffer.size() > kFlushThreshold) Flush();
}

void TrpXMLWriter::WriteHeader() {
  WriteLine("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>", 0);
}

void TrpXMLWriter::WriteItem(TrpXMLItem* item, int depth) {
  // An unloaded subtree is read back for the moment it is written, then dropped again.
  const bool reloaded = !item->Loaded() && FDocument;
  if (reloaded) FDocument->LoadItem(item);

  QByteArray line = "<" + item->Name().toLatin1();
  QByteArray text = item->Text().toUtf8();
  if (!text.isEmpty() || item->Unloadable()) {
    if (!text.startsWith(' ')) line += ' ';
    line += text;
  }
  if (item->Unloadable()) line += " ld=\"0\"";

  if (item->Count() > 0) {
    WriteLine(line + ">", depth);
    for (int i = 0; i < item->Count(); ++i) WriteItem(item->Items(i), depth + 1);
    WriteLine("</" + item->Name().toLatin1() + ">", depth);
  } else if (!item->Value().isEmpty()) {
    // The value is escaped so that a '<' in it cannot break the document.
    WriteLine(line + ">" + rpStrToXML(item->Value()).toUtf8() + "</" + item->Name().toLatin1() + ">",
              depth);
  } else {
    WriteLine(line + "/>", depth);
  }

  if (reloaded && item->Loaded()) {
    item->Clear();
    item->FLoaded = false;  // read on demand again, whether unloaded or read lazily
  }
}
