#pragma once
// TrpCustomCompressor: the extension point through which report files are compressed. None is
// part of the system; a program registers one, and from then on reports whose
// ReportOptions.Compressed is set are written through it, and every report file is offered to it
// when read.
#include <QByteArray>

#include <functional>
#include <memory>

class QIODevice;

class TrpCustomCompressor {
 public:
  virtual ~TrpCustomCompressor() = default;
  // When `source`, read from its current position, holds data in this compressor's form: the
  // data restored in `output`, and true. False for anything else (the caller rewinds). Raises on
  // data of its form that is damaged.
  virtual bool Decompress(QIODevice& source, QByteArray& output) = 0;
  // `data` in this compressor's form.
  virtual QByteArray Compress(const QByteArray& data) = 0;
};

using TrpCompressorClass = std::function<std::unique_ptr<TrpCustomCompressor>()>;

// The registered compressor maker (empty: none). Register at start-up; tests take theirs out.
const TrpCompressorClass& rpCompressorClass();
void rpSetCompressorClass(TrpCompressorClass maker);
