#include "report/objects/report_password.h"

namespace {

QString shifted(const QString& text, int by) {
  QString out = text;
  for (QChar& c : out) c = QChar(static_cast<char16_t>(c.unicode() + by));  // wraps modulo 2^16
  return out;
}

}  // namespace

QString rpEncodePwd(const QString& password) { return shifted(password, -10); }
QString rpDecodePwd(const QString& stored) { return shifted(stored, 10); }
