#include "report/xml/xml_document.h"

#include "report/xml/xml_reader.h"
#include "report/xml/xml_writer.h"
#include "script_engine/files/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <stdexcept>

// A stream that unloaded subtrees are read back from: the file a document was loaded from, or the
// document's private temporary file. Shared by the document and its unloaded elements, so it lives
// as long as anything may still read from it.
struct TrpXMLBackingStream {
  std::unique_ptr<QIODevice> device;
  bool oldFormat = false;
};

namespace {

[[noreturn]] void fail(const QString& message) { throw std::runtime_error(message.toStdString()); }

}  // namespace

TrpXMLDocument::TrpXMLDocument() = default;

TrpXMLDocument::~TrpXMLDocument() { Clear(); }

void TrpXMLDocument::ResetRoot() {
  FRoot.Clear();
  FRoot.FName.clear();
  FRoot.FText.clear();
  FRoot.FValue.clear();
  FRoot.FLoaded = true;
  FRoot.FUnloadable = false;
  FRoot.FStream.reset();
}

void TrpXMLDocument::DropBackingStream() {
  FLoadedStream.reset();
  FTempStream.reset();  // the temporary file removes itself once nothing reads from it
}

void TrpXMLDocument::Clear() {
  ResetRoot();
  DropBackingStream();
}

void TrpXMLDocument::LoadFromStream(QIODevice* stream, bool allowPartialLoading) {
  DropBackingStream();
  ResetRoot();
  auto backing = std::make_shared<TrpXMLBackingStream>();
  if (allowPartialLoading) {
    backing->device.reset(stream);
    FLoadedStream = backing;
  }
  TrpXMLReader reader(stream, false);
  reader.SetLazyChildrenOf(FLazyChildrenOf);
  FOldVersion = reader.ReadHeader();
  backing->oldFormat = FOldVersion;
  reader.ReadRootItem(&FRoot, !allowPartialLoading);
  if (allowPartialLoading) AttachBackingStream(&FRoot, backing);
}

void TrpXMLDocument::AttachBackingStream(TrpXMLItem* item,
                                         const std::shared_ptr<TrpXMLBackingStream>& stream) {
  if (!item->FLoaded) item->FStream = stream;
  for (TrpXMLItem* child : item->FItems) AttachBackingStream(child, stream);
}

void TrpXMLDocument::SaveToStream(QIODevice* stream) {
  TrpXMLWriter writer(stream, FAutoIndent, this);
  writer.WriteHeader();
  writer.WriteRootItem(&FRoot);
  writer.Flush();
}

void TrpXMLDocument::LoadFromFile(const QString& fileName) {
  auto file = std::make_unique<QFile>(fileName);
  if (!file->open(QIODevice::ReadOnly)) fail(QStringLiteral("Cannot open file \"%1\"").arg(fileName));
  LoadFromStream(file.release(), true);
}

void TrpXMLDocument::SaveToFile(const QString& fileName) {
  // Written whole: the document may be reading its pages lazily from the very file being
  // replaced, and a failed write must leave that file intact.
  TscWholeFile file(fileName);
  if (!file.Open()) fail(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.Error()));
  SaveToStream(&file.Device());  // an exception leaves through the destructor, which replaces nothing
  if (!file.Commit()) fail(QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, file.Error()));
  // The new file backs the pages still to be read. A device or pipe written directly cannot be
  // read back: the document keeps the streams it had.
  if (QFileInfo(fileName).isFile()) LoadFromFile(fileName);
}

std::shared_ptr<TrpXMLBackingStream> TrpXMLDocument::TempStream() {
  if (FTempStream) return FTempStream;
  const QString dir = !FTempDir.isEmpty() && QDir(FTempDir).exists() ? FTempDir : QDir::tempPath();
  auto file = std::make_unique<QTemporaryFile>(QDir(dir).filePath(QStringLiteral("rpXXXXXX")));
  if (!file->open()) fail(QStringLiteral("Cannot create a temporary file in \"%1\"").arg(dir));
  file->fileName();  // gives the file its "rp" name on disk (it may otherwise stay anonymous)
  FTempStream = std::make_shared<TrpXMLBackingStream>();
  FTempStream->device = std::move(file);
  return FTempStream;
}

void TrpXMLDocument::UnloadItem(TrpXMLItem* item) {
  if (!item->FLoaded || !item->FUnloadable) return;
  std::shared_ptr<TrpXMLBackingStream> temp = TempStream();
  QIODevice* device = temp->device.get();
  device->seek(device->size());
  const qint64 offset = device->pos();
  {
    TrpXMLWriter writer(device, false, this);
    writer.WriteRootItem(item);
    writer.Flush();
  }
  item->Clear();  // an unloadable element becomes not loaded
  item->FOffset = offset;
  item->FStream = temp;
}

void TrpXMLDocument::LoadItem(TrpXMLItem* item) {
  if (item->FLoaded || !item->FStream) return;
  QIODevice* device = item->FStream->device.get();
  device->seek(item->FOffset);
  TrpXMLReader reader(device, item->FStream->oldFormat);
  reader.ReadRootItem(item, true);
  item->FLoaded = true;
}
