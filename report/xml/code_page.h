#pragma once
// Conversion between UTF-16 and the 8-bit Windows code pages that older files and fonts name.
// Text the user typed is carried in Unicode end to end; these are only for data that arrives as
// 8-bit bytes (old-format XML files, character-set fonts).
#include <QByteArray>
#include <QString>

// The machine's 8-bit code page, derived from the system locale the way a desktop system assigns
// one: 950 for Traditional Chinese, 936 Simplified Chinese, 932 Japanese, 949 Korean, else 1252.
int rpSystemCodePage();

// Decodes bytes of `codePage`; bytes that the code page does not define become U+FFFD.
QString rpCodePageToUnicode(const QByteArray& bytes, int codePage);

// Encodes text into `codePage`; characters the code page cannot hold become '?'.
QByteArray rpUnicodeToCodePage(const QString& text, int codePage);

inline QString rpSystemCodePageToUnicode(const QByteArray& bytes) {
  return rpCodePageToUnicode(bytes, rpSystemCodePage());
}
