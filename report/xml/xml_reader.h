#pragma once
// Reads the report subsystem's XML text form from a stream, byte by byte through a 4 KiB buffer.
// Internal to the XML document.
#include <QByteArray>
#include <QString>

class QIODevice;
class TrpXMLItem;

class TrpXMLReader {
 public:
  // Starts reading at the stream's current position; the position is restored on destruction.
  TrpXMLReader(QIODevice* stream, bool oldFormat);
  ~TrpXMLReader();
  TrpXMLReader(const TrpXMLReader&) = delete;
  TrpXMLReader& operator=(const TrpXMLReader&) = delete;

  // Reads the "<?xml ...?>" header; returns true when it marks the old 8-bit format.
  bool ReadHeader();

  // Reads one element into `item` with its children. Children of elements written with ld="0" are
  // dropped when `readChildren` is false; they stay in the stream to be read on demand.
  void ReadRootItem(TrpXMLItem* item, bool readChildren);
  // Without `readChildren`, the children of elements named `name` (any case) are read as their
  // tags alone, their content skipped and read on demand (a prepared report's pages).
  void SetLazyChildrenOf(const QString& name) { FLazyParent = name; }

  bool OldFormat() const { return FOldFormat; }

 private:
  struct Tag {
    QString name;   // empty at end of stream
    QString text;   // attribute text, still escaped
    qint64 start = 0;  // stream position of the '<'
  };
  enum class Outcome { Element, Closing, EndOfStream };

  Outcome ReadElement(TrpXMLItem* item, bool readChildren, int depth, QString* closingName);
  Tag ReadTag();
  void SkipComment(const QByteArray& collected);
  Outcome ReadOpening(Tag& tag, bool& empty, QString* closingName);
  Outcome ReadShallow(TrpXMLItem* item, QString* closingName);
  void SkipContent();
  bool NextByte(char* byte);
  qint64 Position() const { return FBufferStart + FBufferPos; }

  QIODevice* FStream;
  qint64 FStartPosition;
  QByteArray FBuffer;
  qint64 FBufferStart;  // stream position of FBuffer[0]
  int FBufferPos = 0;
  bool FOldFormat;
  QString FLazyParent;
};
