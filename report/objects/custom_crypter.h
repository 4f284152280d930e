#pragma once
// TrpCustomCrypter: the extension point through which report files are encrypted with the
// report's password. None is part of the system; a program registers one, and from then on
// reports with a password are written through it, and every report file is offered to it when
// read.
#include <QByteArray>

#include <functional>
#include <memory>

class QIODevice;

class TrpCustomCrypter {
 public:
  virtual ~TrpCustomCrypter() = default;
  // When `source`, read from its current position, holds data in this crypter's form: the data
  // decrypted with `key` in `output`, and true. False for anything else (the caller rewinds).
  // Raises when the data is of its form but cannot be decrypted.
  virtual bool Decrypt(QIODevice& source, QByteArray& output, const QByteArray& key) = 0;
  // `data` encrypted with `key`.
  virtual QByteArray Crypt(const QByteArray& data, const QByteArray& key) = 0;
};

using TrpCrypterClass = std::function<std::unique_ptr<TrpCustomCrypter>()>;

// The registered crypter maker (empty: none). Register at start-up; tests take theirs out.
const TrpCrypterClass& rpCrypterClass();
void rpSetCrypterClass(TrpCrypterClass maker);
