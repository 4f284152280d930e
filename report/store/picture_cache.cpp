#include "report/store/picture_cache.h"

#include "report/xml/xml_document.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryFile>

#include <stdexcept>

TrpPictureCache::TrpPictureCache() = default;
TrpPictureCache::~TrpPictureCache() = default;

void TrpPictureCache::SetUseFileCache(bool value) {
  if (FSegments.isEmpty()) FUseFileCache = value;
}

void TrpPictureCache::SetTempDir(const QString& value) {
  if (FSegments.isEmpty()) FTempDir = value;
}

QIODevice* TrpPictureCache::SegmentFor() {
  if (FSegments.isEmpty() || FSegments.last()->size() >= SegmentLimit) {
    std::shared_ptr<QIODevice> segment;
    if (FUseFileCache) {
      const QString dir = !FTempDir.isEmpty() && QDir(FTempDir).exists() ? FTempDir : QDir::tempPath();
      auto file = std::make_shared<QTemporaryFile>(QDir(dir).filePath(QStringLiteral("rpPicXXXXXX")));
      if (!file->open()) throw std::runtime_error("Cannot create a temporary file in " + dir.toStdString());
      file->fileName();  // gives the file its name on disk
      segment = file;
    } else {
      auto buffer = std::make_shared<QBuffer>();
      buffer->open(QIODevice::ReadWrite);
      segment = buffer;
    }
    FSegments.append(segment);
  }
  return FSegments.last().get();
}

int TrpPictureCache::AddPicture(const QByteArray& bytes) {
  QIODevice* segment = SegmentFor();
  const qint64 start = segment->size();
  segment->seek(start);
  if (segment->write(bytes) != bytes.size())
    throw std::runtime_error("Cannot write the picture cache: " + segment->errorString().toStdString());
  FItems.append({static_cast<int>(FSegments.size()) - 1, start});
  return FItems.size();
}

qint64 TrpPictureCache::LengthOf(int index) const {
  const Item& item = FItems[index];
  if (index + 1 < FItems.size() && FItems[index + 1].segment == item.segment)
    return FItems[index + 1].start - item.start;
  return FSegments[item.segment]->size() - item.start;
}

QByteArray TrpPictureCache::GetPicture(int imageIndex) const {
  if (imageIndex <= 0 || imageIndex > FItems.size()) return {};
  const Item& item = FItems[imageIndex - 1];
  QIODevice* segment = FSegments[item.segment].get();
  segment->seek(item.start);
  return segment->read(LengthOf(imageIndex - 1));
}

void TrpPictureCache::SaveToXML(TrpXMLItem* item) const {
  for (int i = 1; i <= FItems.size(); ++i)
    item->Add(QStringLiteral("item"))->SetProp(QStringLiteral("stream"), QString::fromLatin1(GetPicture(i).toHex().toUpper()));
}

void TrpPictureCache::LoadFromXML(TrpXMLItem* item) {
  Clear();
  for (int i = 0; i < item->Count(); ++i)
    AddPicture(QByteArray::fromHex(item->Items(i)->Prop(QStringLiteral("stream")).toLatin1()));
}

void TrpPictureCache::Clear() {
  FItems.clear();
  FSegments.clear();  // temporary files remove themselves
}
