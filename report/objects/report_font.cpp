#include "report/objects/report_font.h"

#include <cstdlib>

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"

namespace {

constexpr TrpEnumValue kStyles[] = {
    {"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline},
    {"fsStrikeout", fsStrikeout}};
constexpr TrpEnumValue kPitches[] = {
    {"fpDefault", fpDefault}, {"fpVariable", fpVariable}, {"fpFixed", fpFixed}};

// a * b / c rounded half away from zero, as the platform's MulDiv.
int mulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const long long p = static_cast<long long>(a) * b;
  const long long q = (std::llabs(p) + std::llabs(static_cast<long long>(c)) / 2) /
                      std::llabs(static_cast<long long>(c));
  return static_cast<int>(((p < 0) != (c < 0)) ? -q : q);
}


}  // namespace

const TrpEnumType rpFontStyleType{"TFontStyles", kStyles};
const TrpEnumType rpFontPitchType{"TFontPitch", kPitches};

TrpFont::TrpFont() { StampChange(); }

const TrpClassInfo& TrpFont::StaticClassInfo() {
  // The platform font's published properties; Size is reachable by name but stored as Height.
  static const TrpClassInfo info(
      "TFont", nullptr, nullptr,
      {
          rpInteger<&TrpFont::Charset, &TrpFont::SetCharset>("Charset"),
          rpColor<&TrpFont::Color, &TrpFont::SetColor>("Color"),
          rpInteger<&TrpFont::Height, &TrpFont::SetHeight>("Height"),
          rpString<&TrpFont::Name, &TrpFont::SetName>("Name"),
          rpEnum<&TrpFont::Pitch, &TrpFont::SetPitch>("Pitch", rpFontPitchType, fpDefault),
          rpInteger<&TrpFont::Size, &TrpFont::SetSize>("Size").NotStored(),
          rpSet<&TrpFont::Style, &TrpFont::SetStyle>("Style", rpFontStyleType, TFontStyles{}),
      });
  return info;
}

const TrpClassInfo& TrpFont::ClassInfo() const { return StaticClassInfo(); }

template <class T>
void TrpFont::Change(T& field, const T& value) {
  if (field == value) return;
  field = value;
  Changed();
}

void TrpFont::Changed() {
  StampChange();
  if (FOnChange) FOnChange();
}

void TrpFont::SetName(const QString& value) { Change(FName, value); }
void TrpFont::SetSize(int value) { Change(FSize, value); }
int TrpFont::Height() const { return -mulDiv(FSize, FPixelsPerInch, 72); }
void TrpFont::SetHeight(int value) { SetSize(mulDiv(std::abs(value), 72, FPixelsPerInch)); }
void TrpFont::SetColor(TColor value) { Change(FColor, value); }
void TrpFont::SetStyle(TFontStyles value) { Change(FStyle, value); }
void TrpFont::SetCharset(int value) { Change(FCharset, value); }
void TrpFont::SetPitch(TFontPitch value) { Change(FPitch, value); }
void TrpFont::SetPixelsPerInch(int value) {
  if (value <= 0 || value == FPixelsPerInch) return;
  FPixelsPerInch = value;
  StampChange();
}

void TrpFont::Assign(const TrpPersistent& source) {
  const auto* font = dynamic_cast<const TrpFont*>(&source);
  if (!font || font == this) return;
  FName = font->FName;
  FSize = font->FSize;
  FColor = font->FColor;
  FStyle = font->FStyle;
  FCharset = font->FCharset;
  FPitch = font->FPitch;
  FPixelsPerInch = font->FPixelsPerInch;
  Changed();
}

bool TrpFont::SameAs(const TrpFont& other) const {
  return FName == other.FName && FSize == other.FSize && FColor == other.FColor &&
         FStyle == other.FStyle && FCharset == other.FCharset && FPitch == other.FPitch;
}
