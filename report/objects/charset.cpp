#include "report/objects/charset.h"


#include "report/xml/code_page.h"

namespace {

struct CharsetCodePage {
  int Charset;
  int CodePage;
};

// The platform's translation of character sets into code pages.
constexpr CharsetCodePage kTable[] = {
    {ANSI_CHARSET, 1252},       {SYMBOL_CHARSET, 42},       {MAC_CHARSET, 10000},
    {SHIFTJIS_CHARSET, 932},    {HANGEUL_CHARSET, 949},     {JOHAB_CHARSET, 1361},
    {GB2312_CHARSET, 936},      {CHINESEBIG5_CHARSET, 950}, {GREEK_CHARSET, 1253},
    {TURKISH_CHARSET, 1254},    {VIETNAMESE_CHARSET, 1258}, {HEBREW_CHARSET, 1255},
    {ARABIC_CHARSET, 1256},     {BALTIC_CHARSET, 1257},     {RUSSIAN_CHARSET, 1251},
    {THAI_CHARSET, 874},        {EASTEUROPE_CHARSET, 1250}, {OEM_CHARSET, 437},
};

}  // namespace

int CharSetToCodePage(int charset) {
  for (const CharsetCodePage& entry : kTable)
    if (entry.Charset == charset) return entry.CodePage;
  return rpSystemCodePage();
}

QByteArray rpUnicodeToCharset(const QString& text, int charset) {
  return rpUnicodeToCodePage(text, CharSetToCodePage(charset));
}

QString rpCharsetToUnicode(const QByteArray& bytes, int charset) {
  return rpCodePageToUnicode(bytes, CharSetToCodePage(charset));
}
