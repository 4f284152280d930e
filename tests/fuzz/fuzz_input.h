#pragma once
// Turning a fuzz input into what the readers take: a stream over its bytes, text, and the first
// byte as a choice among a few settings.
#include <QBuffer>
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

inline QByteArray rpFuzzBytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

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
