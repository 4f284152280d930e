#pragma once
// Writes the report subsystem's XML text form. Internal to the XML document.
#include <QByteArray>

class QIODevice;
class TrpXMLItem;
class TrpXMLDocument;

class TrpXMLWriter {
 public:
  // `document` reads unloaded elements back while they are written; it may be null when no
  // element of the tree is unloaded.
  TrpXMLWriter(QIODevice* stream, bool autoIndent, TrpXMLDocument* document);
  ~TrpXMLWriter();
  TrpXMLWriter(const TrpXMLWriter&) = delete;
  TrpXMLWriter& operator=(const TrpXMLWriter&) = delete;

  void WriteHeader();
  void WriteRootItem(TrpXMLItem* item) { WriteItem(item, 0); }
  // Writes what is still buffered; throws when the stream refuses bytes (a full disk).
  void Flush();

 private:
  void WriteItem(TrpXMLItem* item, int depth);
  void WriteLine(const QByteArray& line, int depth);

  QIODevice* FStream;
  bool FAutoIndent;
  TrpXMLDocument* FDocument;
  QByteArray FBuffer;
};
