#pragma once
// Turning a fuzz input into what the readers take: a stream over its bytes, text, and the first
// byte as a choice among a few settings.
#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>

inline QByteArray rpFuzzBytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The input after its first (choice) byte as UTF-8 text.
inline QString rpFuzzText(const uint8_t* data, size_t size) {
  return size < 2 ? QString()
                  : QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
}

// Readers that take a file name get the input as a file of the process's own, removed when the
// object goes (after the reader that keeps it open has gone).
class FuzzFile {
 public:
  FuzzFile(const char* suffix, const uint8_t* data, size_t size)
      : FName(QDir::temp().filePath(
            QStringLiteral("stroval-fuzz-%1.%2").arg(QCoreApplication::applicationPid()).arg(QLatin1String(suffix)))) {
    QFile file(FName);
    FWritten = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) == qint64(size);
  }
  ~FuzzFile() { QFile::remove(FName); }
  FuzzFile(const FuzzFile&) = delete;
  FuzzFile& operator=(const FuzzFile&) = delete;
  bool Written() const { return FWritten; }
  const QString& Name() const { return FName; }

 private:
  QString FName;
  bool FWritten = false;
};

// A read-only stream over a copy of the input.
class FuzzStream {
 public:
  FuzzStream(const uint8_t* data, size_t size) : FBytes(rpFuzzBytes(data, size)), FBuffer(&FBytes) {
    FBuffer.open(QIODevice::ReadOnly);
  }
  QBuffer& Device() { return FBuffer; }

 private:
  QByteArray FBytes;
  QBuffer FBuffer;
};

// The four script syntaxes, chosen by an input's first byte; the rest of the input is the text.
inline QString rpFuzzSyntax(uint8_t choice) {
  static const char* const syntaxes[] = {"PascalScript", "C++Script", "BasicScript", "JScript"};
  return QString::fromLatin1(syntaxes[choice % 4]);
}
