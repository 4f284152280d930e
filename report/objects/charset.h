#pragma once
// Character sets of fonts and the 8-bit code pages they stand for. Text is carried in Unicode;
// these serve where a Part converts 8-bit text for a font (AnsiText, character-set mode).
#include <QByteArray>
#include <QString>

// The character sets a font may name (the platform's numbering).
constexpr int ANSI_CHARSET = 0;
constexpr int DEFAULT_CHARSET = 1;
constexpr int SYMBOL_CHARSET = 2;
constexpr int MAC_CHARSET = 77;
constexpr int SHIFTJIS_CHARSET = 128;
constexpr int HANGEUL_CHARSET = 129;
constexpr int JOHAB_CHARSET = 130;
constexpr int GB2312_CHARSET = 134;
constexpr int CHINESEBIG5_CHARSET = 136;
constexpr int GREEK_CHARSET = 161;
constexpr int TURKISH_CHARSET = 162;
constexpr int VIETNAMESE_CHARSET = 163;
constexpr int HEBREW_CHARSET = 177;
constexpr int ARABIC_CHARSET = 178;
constexpr int BALTIC_CHARSET = 186;
constexpr int RUSSIAN_CHARSET = 204;
constexpr int THAI_CHARSET = 222;
constexpr int EASTEUROPE_CHARSET = 238;
constexpr int OEM_CHARSET = 255;

// The code page of a character set: CHINESEBIG5_CHARSET gives 950, ANSI_CHARSET 1252.
// DEFAULT_CHARSET, and any number the table does not know, give the machine's code page
// (rpSystemCodePage).
int CharSetToCodePage(int charset);

// Text in the code page of `charset` and back; characters the code page cannot hold become "?".
QByteArray rpUnicodeToCharset(const QString& text, int charset);
QString rpCharsetToUnicode(const QByteArray& bytes, int charset);
