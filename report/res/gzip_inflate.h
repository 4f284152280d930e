#pragma once
// Decompression of a gzip member (RFC 1952) held in memory.
#include <QByteArray>
#include <QString>

#include <optional>

struct TrpInflateResult {
  std::optional<QByteArray> data;  // absent when the input is not a sound gzip member
  QString error;                   // why, when `data` is absent
};

// Skips the gzip header (with its optional extra field, name, comment and header CRC), inflates
// the raw deflate data and checks the trailer's CRC-32 and length against the output, so a
// truncated or corrupted blob is refused rather than half-decoded.
TrpInflateResult rpGunzip(const QByteArray& gzip);
