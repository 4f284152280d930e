#pragma once
// Little-endian writers for metafiles made by hand in tests.
#include <QByteArray>
#include <QtEndian>

inline void put16(QByteArray& b, int v) {
  char c[2];
  qToLittleEndian<quint16>(static_cast<quint16>(v), c);
  b.append(c, 2);
}
inline void put32(QByteArray& b, quint32 v) {
  char c[4];
  qToLittleEndian<quint32>(v, c);
  b.append(c, 4);
}
