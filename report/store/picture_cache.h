#pragma once
// Pictures placed on prepared pages are kept once, here, instead of inside every object record: a
// picture object on a page keeps only its 1-based ImageIndex into this cache (0 for no picture).
// Bytes lie back to back in segments held in memory or, with the file cache, in temporary files
// with the "rpPic" prefix; a prepared-report file carries them as hexadecimal text.
#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

class QIODevice;
class TrpXMLItem;

class TrpPictureCache {
 public:
  // A segment holds at most this many bytes before the next picture opens a new one.
  static constexpr qint64 SegmentLimit = 1789569706;

  TrpPictureCache();
  ~TrpPictureCache();
  TrpPictureCache(const TrpPictureCache&) = delete;
  TrpPictureCache& operator=(const TrpPictureCache&) = delete;

  // Appends a picture's bytes and returns its ImageIndex (the item count after the addition).
  // A picture object without a picture is not added: its ImageIndex is 0.
  int AddPicture(const QByteArray& bytes);
  // The bytes of picture `imageIndex`; empty for 0 or an index above the item count.
  QByteArray GetPicture(int imageIndex) const;
  int Count() const { return FItems.size(); }

  // "picturecache" content: one child "item" per picture with its bytes in upper-case hex.
  void SaveToXML(TrpXMLItem* item) const;
  // Clears the cache and appends one picture per child of `item`, whatever the child's name.
  void LoadFromXML(TrpXMLItem* item);
  void Clear();

  bool UseFileCache() const { return FUseFileCache; }
  const QString& TempDir() const { return FTempDir; }
  // Both change only while the cache holds no segment.
  void SetUseFileCache(bool value);
  void SetTempDir(const QString& value);

 private:
  struct Item {
    int segment;
    qint64 start;
  };
  QIODevice* SegmentFor();
  qint64 LengthOf(int index) const;

  QList<std::shared_ptr<QIODevice>> FSegments;
  QList<Item> FItems;
  bool FUseFileCache = false;
  QString FTempDir;
};
