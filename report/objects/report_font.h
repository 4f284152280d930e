#pragma once
// The font of a report object: name, size in points, colour, style set, character set and the
// pixels per inch that relate size and height. A change of any attribute calls the owner's
// change handler once (TrpComponent hooks FontChanged to it).
#include <QString>

#include <functional>

#include "report/objects/persistent.h"
#include "report/objects/property_descriptor.h"
#include "report/objects/report_set.h"
#include "report/units/report_units.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeout };
using TFontStyles = TrpSet<TFontStyle>;

enum TFontPitch { fpDefault, fpVariable, fpFixed };

extern const TrpEnumType rpFontStyleType;  // TFontStyles
extern const TrpEnumType rpFontPitchType;  // TFontPitch

// The default character set (DEFAULT_CHARSET): text is converted with the machine's code page.
constexpr int rpCharset = 1;

class TrpFont : public TrpPersistent {
 public:
  // "Arial", 10 points, black, no style, character set rpCharset, 96 pixels per inch.
  TrpFont();
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  const QString& Name() const { return FName; }
  void SetName(const QString& value);
  int Size() const { return FSize; }
  void SetSize(int value);
  // The platform's cell height: -MulDiv(Size, PixelsPerInch, 72). Setting it sets Size.
  int Height() const;
  void SetHeight(int value);
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles value);
  int Charset() const { return FCharset; }
  void SetCharset(int value);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch value);
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int value);  // keeps Size

  // Takes every attribute of `source` when it is a font, with one change notification.
  void Assign(const TrpPersistent& source) override;
  // Equal name, size, colour, style, character set and pitch.
  bool SameAs(const TrpFont& other) const;

  // Called after every change; one handler per font.
  void SetOnChange(std::function<void()> handler) { FOnChange = std::move(handler); }

 private:
  template <class T>
  void Change(T& field, const T& value);
  void Changed();

  QString FName = QStringLiteral("Arial");
  int FSize = 10;
  TColor FColor = clBlack;
  TFontStyles FStyle;
  int FCharset = rpCharset;
  TFontPitch FPitch = fpDefault;
  int FPixelsPerInch = 96;
  std::function<void()> FOnChange;
};
