#pragma once
// The streams scripts use (TStream, TFileStream, TMemoryStream): bytes read and written at a
// position. Texts carry the bytes one character a byte (see BytesOf), so a binary stream goes
// through a script unchanged.
#include <QByteArray>
#include <QFile>
#include <QString>

#include "script_engine/interpreter/host_class.h"

class TscStreamObject : public TscHostObject {
 public:
  virtual qint64 Size() const = 0;
  virtual qint64 Position() const = 0;
  // Raises ScriptError for a position before the start.
  virtual void SetPosition(qint64 position) = 0;
  // Up to count bytes from the position (fewer at the end, none past it).
  virtual QByteArray ReadBytes(qint64 count) = 0;
  // Written at the position (a position past the end fills the gap with zero bytes).
  virtual void WriteBytes(const QByteArray& bytes) = 0;

  qint64 Seek(qint64 offset, int origin);  // soFromBeginning, soFromCurrent, soFromEnd
  QByteArray ReadAll();                     // from the position to the end
  // Exactly count bytes or ScriptError("Stream read error").
  QByteArray ReadExactly(qint64 count);
};

class TscMemoryStream : public TscStreamObject {
 public:
  const TscHostClass* HostClass() const override;
  qint64 Size() const override { return FData.size(); }
  qint64 Position() const override { return FPosition; }
  void SetPosition(qint64 position) override;
  QByteArray ReadBytes(qint64 count) override;
  void WriteBytes(const QByteArray& bytes) override;
  void Release() override { Clear(); }

  const QByteArray& Data() const { return FData; }
  void SetData(const QByteArray& data);  // the position goes to the start
  void Clear() { SetData(QByteArray()); }

 private:
  QByteArray FData;
  qint64 FPosition = 0;
};

class TscFileStream : public TscStreamObject {
 public:
  // mode is a TFileStream mode: fmCreate, or fmOpenRead / fmOpenWrite / fmOpenReadWrite with any
  // sharing flag (sharing is not enforced here). Raises ScriptError when the file cannot be opened.
  TscFileStream(const QString& fileName, int mode);
  const TscHostClass* HostClass() const override;
  qint64 Size() const override { return FFile.size(); }
  qint64 Position() const override { return FFile.pos(); }
  void SetPosition(qint64 position) override;
  QByteArray ReadBytes(qint64 count) override;
  void WriteBytes(const QByteArray& bytes) override;
  void Release() override { FFile.close(); }

 private:
  void checkOpen() const;
  QFile FFile;
};

// The bytes a script text stands for: one byte a character when every character fits a byte,
// else the text's UTF-8 form. And back: a character for every byte.
QByteArray scBytesOf(const QString& text);
QString scTextOfBytes(const QByteArray& bytes);

// Lines and files as the script classes read and write them: UTF-8 (a byte-order mark skipped),
// or one character a byte when the bytes are no UTF-8.
QString scDecodeText(const QByteArray& bytes);
QByteArray scReadFile(const QString& fileName);             // raises "Cannot open file ..."
void scWriteFile(const QString& fileName, const QByteArray& bytes);  // raises "Cannot create file ..."

// The TFileStream mode values.
constexpr int scFmCreate = 0xFF00, scFmOpenRead = 0, scFmOpenWrite = 1, scFmOpenReadWrite = 2;
