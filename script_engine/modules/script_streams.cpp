// The streams of the script classes, and the file helpers they share with string lists.
#include "script_engine/modules/script_streams.h"

#include <QStringDecoder>

#include <algorithm>

#include "script_engine/files/whole_file.h"
#include "script_engine/front/script_error.h"
#include "script_engine/modules/classes_module.h"

qint64 TscStreamObject::Seek(qint64 offset, int origin) {
  qint64 base = 0;
  if (origin == 1) base = Position();
  else if (origin == 2) base = Size();
  else if (origin != 0) throw ScriptError(QStringLiteral("Seek: unknown origin %1").arg(origin));
  SetPosition(base + offset);
  return Position();
}

QByteArray TscStreamObject::ReadAll() { return ReadBytes(std::max<qint64>(0, Size() - Position())); }

QByteArray TscStreamObject::ReadExactly(qint64 count) {
  QByteArray bytes = ReadBytes(count);
  if (bytes.size() != count) throw ScriptError(QStringLiteral("Stream read error"));
  return bytes;
}

namespace {

void checkPosition(qint64 position) {
  if (position < 0)
    throw ScriptError(QStringLiteral("Seek before the start of the stream (%1)").arg(position));
}

}  // namespace

// --- memory ---

const TscHostClass* TscMemoryStream::HostClass() const { return &scGeneralClasses().MemoryStream; }

void TscMemoryStream::SetPosition(qint64 position) {
  checkPosition(position);
  FPosition = position;
}

QByteArray TscMemoryStream::ReadBytes(qint64 count) {
  if (count <= 0 || FPosition >= FData.size()) return QByteArray();
  QByteArray bytes = FData.mid(FPosition, std::min(count, FData.size() - FPosition));
  FPosition += bytes.size();
  return bytes;
}

void TscMemoryStream::WriteBytes(const QByteArray& bytes) {
  const qint64 end = FPosition + bytes.size();
  if (end > FData.size()) FData.resize(end, '\0');
  std::copy(bytes.begin(), bytes.end(), FData.begin() + FPosition);
  FPosition = end;
}

void TscMemoryStream::SetData(const QByteArray& data) {
  FData = data;
  FPosition = 0;
}

// --- files ---

TscFileStream::TscFileStream(const QString& fileName, int mode) : FFile(fileName) {
  QIODevice::OpenMode open;
  if ((mode & scFmCreate) == scFmCreate) open = QIODevice::ReadWrite | QIODevice::Truncate;
  else if ((mode & 3) == scFmOpenWrite) open = QIODevice::WriteOnly | QIODevice::ExistingOnly;
  else if ((mode & 3) == scFmOpenReadWrite) open = QIODevice::ReadWrite | QIODevice::ExistingOnly;
  else open = QIODevice::ReadOnly;
  if (!FFile.open(open))
    throw ScriptError(QStringLiteral("Cannot %1 file \"%2\": %3")
                          .arg((mode & scFmCreate) == scFmCreate ? QStringLiteral("create")
                                                                 : QStringLiteral("open"),
                               fileName, FFile.errorString()));
}

const TscHostClass* TscFileStream::HostClass() const { return &scGeneralClasses().FileStream; }

void TscFileStream::checkOpen() const {
  if (!FFile.isOpen()) throw ScriptError(QStringLiteral("The file stream is closed"));
}

void TscFileStream::SetPosition(qint64 position) {
  checkOpen();
  checkPosition(position);
  if (!FFile.seek(position)) throw ScriptError(FFile.errorString());
}

QByteArray TscFileStream::ReadBytes(qint64 count) {
  checkOpen();
  if (!FFile.isReadable()) throw ScriptError(QStringLiteral("The file stream is open for writing only"));
  return count > 0 ? FFile.read(count) : QByteArray();
}

void TscFileStream::WriteBytes(const QByteArray& bytes) {
  checkOpen();
  if (!FFile.isWritable()) throw ScriptError(QStringLiteral("The file stream is open for reading only"));
  if (FFile.write(bytes) != bytes.size())
    throw ScriptError(QStringLiteral("Stream write error: %1").arg(FFile.errorString()));
}

// --- texts and files ---

QByteArray scBytesOf(const QString& text) {
  for (QChar c : text)
    if (c.unicode() > 0xFF) return text.toUtf8();
  return text.toLatin1();
}

QString scTextOfBytes(const QByteArray& bytes) { return QString::fromLatin1(bytes); }

QString scDecodeText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8(bytes);
  if (utf8.hasError()) return QString::fromLatin1(bytes);
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  return text;
}

QByteArray scReadFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw ScriptError(QStringLiteral("Cannot open file \"%1\": %2").arg(fileName, file.errorString()));
  return file.readAll();
}

void scWriteFile(const QString& fileName, const QByteArray& bytes) {
  QString error;
  if (!scWriteWholeFile(fileName, [&bytes](QIODevice& file) { file.write(bytes); }, error))
    throw ScriptError(QStringLiteral("Cannot create file \"%1\": %2").arg(fileName, error));
}
