#include "report/xml/code_page.h"

#include <QLocale>

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace {

QByteArray iconvName(int codePage) {
  switch (codePage) {
    case 65001: return "UTF-8";
    case 1200: return "UTF-16LE";
    case 28591: return "ISO-8859-1";
    default: return "CP" + QByteArray::number(codePage);
  }
}

// Runs iconv over the whole input; an unconvertible sequence of `skip` input bytes is replaced by
// what `replacement` makes of its first byte (in the target encoding), so conversion never stops
// half way.
template <class Replacement>
QByteArray convert(const QByteArray& input, const QByteArray& from, const QByteArray& to,
                   Replacement replacement, size_t skip) {
  iconv_t cd = iconv_open(to.constData(), from.constData());
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  QByteArray output;
  QByteArray chunk(4096, Qt::Uninitialized);
  char* in = const_cast<char*>(input.constData());
  size_t inLeft = static_cast<size_t>(input.size());
  while (inLeft > 0) {
    char* out = chunk.data();
    size_t outLeft = static_cast<size_t>(chunk.size());
    const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
    output.append(chunk.constData(), chunk.size() - static_cast<qsizetype>(outLeft));
    if (result != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: replace the offending unit and go on.
    output.append(replacement(static_cast<unsigned char>(*in)));
    const size_t step = std::min(skip, inLeft);
    in += step;
    inLeft -= step;
  }
  iconv_close(cd);
  return output;
}

}  // namespace

int rpSystemCodePage() {
  const QLocale locale = QLocale::system();
  switch (locale.language()) {
    case QLocale::Chinese:
      return locale.script() == QLocale::TraditionalChineseScript ||
                     locale.territory() == QLocale::Taiwan || locale.territory() == QLocale::HongKong
                 ? 950
                 : 936;
    case QLocale::Japanese: return 932;
    case QLocale::Korean: return 949;
    default: return 1252;
  }
}

QString rpCodePageToUnicode(const QByteArray& bytes, int codePage) {
  if (bytes.isEmpty()) return {};
  // Bytes that code page 1252 leaves undefined stand for the control characters of the same number,
  // as desktop systems decode them; elsewhere an invalid byte becomes U+FFFD.
  const auto replacement = [codePage](unsigned char byte) {
    return codePage == 1252 ? QByteArray(1, static_cast<char>(byte)) + '\0' : QByteArray("\xFD\xFF", 2);
  };
  const QByteArray utf16 = convert(bytes, iconvName(codePage), "UTF-16LE", replacement, 1);
  if (utf16.isEmpty()) return QString::fromLatin1(bytes);  // unknown code page: keep the bytes
  return QString(reinterpret_cast<const QChar*>(utf16.constData()), utf16.size() / 2);
}

QByteArray rpUnicodeToCodePage(const QString& text, int codePage) {
  if (text.isEmpty()) return {};
  const QByteArray utf16(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
  return convert(utf16, "UTF-16LE", iconvName(codePage), [](unsigned char) { return QByteArray("?"); }, 2);
}
