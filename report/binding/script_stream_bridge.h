#pragma once
// Report objects read and write Qt devices; scripts hand them their own streams. These copy
// between the two: what is left of a script stream from its position, and bytes written at it.
#include <QBuffer>
#include <QByteArray>

#include "script_engine/modules/script_streams.h"

// Calls read(QIODevice&) on the bytes of `stream` from its position to its end.
template <class Read>
void rpReadFromScriptStream(TscStreamObject& stream, Read read) {
  QByteArray bytes = stream.ReadAll();
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  read(buffer);
}

// Calls write(QIODevice&) and writes what it wrote into `stream` at its position.
template <class Write>
void rpWriteToScriptStream(TscStreamObject& stream, Write write) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  write(buffer);
  stream.WriteBytes(buffer.data());
}
