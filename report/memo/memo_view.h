#pragma once
// The report's text object: lines of Unicode text with a font, alignment, gaps and spacing. While
// a report is prepared it turns the expressions embedded in its text into values (GetData); it
// measures its own width and height for the layout engine, splits itself across pages, records
// itself on prepared pages (Diff) and draws itself through the text layout machine.
//
// TrpCustomMemoView holds all behaviour; TrpMemoView publishes it; TrpSysMemoView publishes a
// smaller set.
#include <QByteArray>
#include <QRect>
#include <QStringList>

#include <memory>

#include "report/memo/memo_text_template.h"
#include "report/text/text_font.h"
#include "report/views/stretcheable.h"
#include "script_engine/interpreter/value.h"

class TrpDrawText;
class TrpFormat;
class TrpLookItem;
class TrpFormatCollection;
class TrpHighlight;
class TrpHighlightCollection;

extern const TrpEnumType rpHAlignType;
extern const TrpEnumType rpVAlignType;

class TrpCustomMemoView : public TrpStretcheable {
 public:
  explicit TrpCustomMemoView(TrpComponent* owner);
  ~TrpCustomMemoView() override;
  static TrpComponent* Create(TrpComponent* owner) { return new TrpCustomMemoView(owner); }

  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
  QString GetDescription() const override;

  // --- text ------------------------------------------------------------------------------------
  // The lines; Lines is the same list. Assigning replaces all lines.
  const QStringList& Memo() const { return FMemo; }
  void SetMemo(const QStringList& value) { FMemo = value; }
  QStringList& Lines() { return FMemo; }
  // Every line followed by CR LF. Setting splits at CR LF, CR or LF; a final break adds no line.
  QString Text() const;
  void SetText(const QString& value);
  void SetText(QString&& value);
  // The lines from text that has a break between lines but none after the last (the form report
  // files and prepared-page records hold, so an empty last line survives); "" is no lines.
  void SetTextLines(const QString& value);
  // The text in the code page of the font's character set, and back.
  QByteArray AnsiText() const;
  void SetAnsiText(const QByteArray& value);
  // The value of the last evaluated expression.
  const ScriptValue& Value() const { return FValue; }

  // --- formats and highlights ------------------------------------------------------------------
  TrpFormatCollection& Formats() const { return *FFormats; }
  TrpHighlightCollection& Highlights() const { return *FHighlights; }
  // The first format / highlight; reading creates it when the collection is empty.
  TrpFormat* DisplayFormat() const;
  void SetDisplayFormat(const TrpFormat& value);
  TrpHighlight* Highlight() const;
  void SetHighlight(const TrpHighlight& value);

  // --- properties ------------------------------------------------------------------------------
  bool AllowExpressions() const { return FAllowExpressions; }
  void SetAllowExpressions(bool value) { FAllowExpressions = value; }
  bool AllowHTMLTags() const { return FAllowHTMLTags; }
  void SetAllowHTMLTags(bool value) { FAllowHTMLTags = value; }
  bool AutoWidth() const { return FAutoWidth; }
  void SetAutoWidth(bool value) { FAutoWidth = value; }
  Extended CharSpacing() const { return FCharSpacing; }
  void SetCharSpacing(Extended value) { FCharSpacing = value; }
  bool Clipped() const { return FClipped; }
  void SetClipped(bool value) { FClipped = value; }
  const QString& ExpressionDelimiters() const { return FExpressionDelimiters; }
  void SetExpressionDelimiters(const QString& value) { FExpressionDelimiters = value; }
  // The text object that receives what does not fit. Raises TrpError for the object itself.
  TrpCustomMemoView* FlowTo() const { return FFlowTo; }
  void SetFlowTo(TrpCustomMemoView* value);
  Extended GapX() const { return FGapX; }
  void SetGapX(Extended value) { FGapX = value; }
  Extended GapY() const { return FGapY; }
  void SetGapY(Extended value) { FGapY = value; }
  TrpHAlign HAlign() const { return FHAlign; }
  void SetHAlign(TrpHAlign value) { FHAlign = value; }
  TrpVAlign VAlign() const { return FVAlign; }
  void SetVAlign(TrpVAlign value) { FVAlign = value; }
  bool HideZeros() const { return FHideZeros; }
  void SetHideZeros(bool value) { FHideZeros = value; }
  Extended LineSpacing() const { return FLineSpacing; }
  void SetLineSpacing(Extended value) { FLineSpacing = value; }
  Extended ParagraphGap() const { return FParagraphGap; }
  void SetParagraphGap(Extended value) { FParagraphGap = value; }
  // Kept modulo 360, in 0..359.
  int Rotation() const { return FRotation; }
  void SetRotation(int value) { FRotation = ((value % 360) + 360) % 360; }
  bool RTLReading() const { return FRTLReading; }
  void SetRTLReading(bool value) { FRTLReading = value; }
  // The name of a report style; setting it applies the style when the report has one so named.
  const QString& Style() const { return FStyle; }
  void SetStyle(const QString& value);
  bool SuppressRepeated() const { return FSuppressRepeated; }
  void SetSuppressRepeated(bool value) { FSuppressRepeated = value; }
  bool Underlines() const { return FUnderlines; }
  void SetUnderlines(bool value) { FUnderlines = value; }
  bool UseDefaultCharset() const { return FUseDefaultCharset; }
  void SetUseDefaultCharset(bool value) { FUseDefaultCharset = value; }
  bool WordBreak() const { return FWordBreak; }
  void SetWordBreak(bool value) { FWordBreak = value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value) { FWordWrap = value; }
  bool Wysiwyg() const { return FWysiwyg; }
  void SetWysiwyg(bool value) { FWysiwyg = value; }
  bool FirstParaBreak() const { return FFirstParaBreak; }
  void SetFirstParaBreak(bool value) { FFirstParaBreak = value; }
  bool LastParaBreak() const { return FLastParaBreak; }
  void SetLastParaBreak(bool value) { FLastParaBreak = value; }

  // Set by the prepared-pages store and the print job before drawing.
  int TotalPages = 0;
  int CopyNo = 0;
  Extended PrintScale = 1;

  // --- preparing (memo_view_data.cpp) ----------------------------------------------------------
  void BeforePrint() override;
  // Evaluates the text: data field or bracketed expressions, highlights, SuppressRepeated,
  // FlowTo.
  void GetData() override;
  void AfterPrint() override;
  // One value as text with `format` (DisplayFormat when none is given).
  QString FormatData(const ScriptValue& value, const TrpFormat* format = nullptr) const;
  // A highlight's look and visibility.
  void ApplyHighlight(const TrpHighlight& highlight);
  void ApplyPreviewHighlight();
  // Copies the fill, font and frame of a look (a style, a highlight), each where it asks for it.
  void ApplyLook(const TrpLookItem& look);
  // The next SuppressRepeated comparison starts afresh (last value: empty text).
  void ResetSuppress() { FLastValue = QString(); }
  // A data band starting its rows: no previous value at all.
  void ResetSuppressToNull() { FLastValue = ScriptValue::Null(); }
  // The text with the page-count and copy-name macros resolved, for search and exports.
  QString GetComponentText() override;

  // --- measuring and drawing (memo_view_layout.cpp) --------------------------------------------
  Extended CalcHeight() override;
  virtual Extended CalcWidth();
  void InitPart() override;
  Extended DrawPart() override;
  // The text still to be placed by later DrawPart calls; empty once everything was placed.
  const QString& PartText() const { return FPartText; }
  // The text as the machine breaks it (lines joined by CR LF), or without tags.
  QString WrapText(bool wrapWords);
  void BeginDraw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                 Extended offsetY) override;
  void Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
            Extended offsetY) override;
  // The text area of the last BeginDraw, in device pixels (right and bottom exclusive).
  const QRect& TextRect() const { return FTextRect; }
  // Inner margins: gaps, frame lines and drop shadow, in report units.
  Extended HorizontalMargin() const;
  Extended VerticalMargin() const;
  // The font as the text layout machine takes it.
  TrpTextFont TextFont() const;

  // The published properties (TrpComponent::Assign), and from another text object also the
  // text and every format and highlight, which the property list does not carry.
  void Assign(const TrpPersistent& source) override;

  // --- records ---------------------------------------------------------------------------------
  // The attributes of this prepared copy against `other`. A split text's paragraph flags move
  // on: the next part starts with this part's LastParaBreak.
  void AppendDiff(const TrpComponent& other, QString& out) const override;
  bool DiffSkipsWidth() const override { return FAutoWidth; }
  void Notification(TrpComponent* removed) override;
  // The "Formats" and "Highlights" elements, written only when a list holds more than one entry
  // (one entry goes into DisplayFormat / Highlight instead); memo_collections.cpp.
  void WriteNestedProperties(TrpXMLItem& item, const TrpComponent* ancestor) const override;
  bool ReadNestedProperty(TrpXMLItem& item) override;
  // Applies the named style once the whole report, styles included, has been read.
  void Loaded() override;

 protected:
  // A subclass that splits itself in units of its own keeps the text still to come here.
  void SetPartText(const QString& value) { FPartText = value; }

 private:
  struct SavedLook;

  TrpDrawText& Machine() const;
  void SetUpMachine(TrpDrawText& machine) const;
  // The text rectangle for the device box and scales of a BeginDraw.
  QRect ComputeTextRect(int x, int y, Extended scaleX, Extended scaleY) const;
  QRect UnscaledTextRect() const;
  QString CalcAndFormat(const TrpMemoTextTemplate::Expression& expression, const TrpFormat& format);
  bool IsHiddenZero(const ScriptValue& value) const;
  void GetDataFromField();
  void ApplyHighlights();
  void RestoreLook();
  void DrawUnderlines(QPainter& canvas, Extended scaleY);

  QStringList FMemo;
  std::unique_ptr<TrpFormatCollection> FFormats;
  std::unique_ptr<TrpHighlightCollection> FHighlights;
  bool FAllowExpressions = true;
  bool FAllowHTMLTags = false;
  bool FAutoWidth = false;
  Extended FCharSpacing = 0;
  bool FClipped = true;
  QString FExpressionDelimiters = QStringLiteral("[,]");
  TrpCustomMemoView* FFlowTo = nullptr;
  Extended FGapX = 2;
  Extended FGapY = 1;
  TrpHAlign FHAlign = haLeft;
  TrpVAlign FVAlign = vaTop;
  bool FHideZeros = false;
  Extended FLineSpacing = 2;
  Extended FParagraphGap = 0;
  int FRotation = 0;
  bool FRTLReading = false;
  QString FStyle;
  bool FSuppressRepeated = false;
  bool FUnderlines = false;
  bool FUseDefaultCharset = false;
  bool FWordBreak = false;
  bool FWordWrap = true;
  bool FWysiwyg = true;
  // Diff hands the flags on to the next part of a split text, so they change in a const call.
  mutable bool FFirstParaBreak = false;
  mutable bool FLastParaBreak = false;

  ScriptValue FValue;
  ScriptValue FLastValue = ScriptValue::Null();
  QString FPartText;
  QStringList FSavedMemo;  // the text as designed, put back after each output
  std::shared_ptr<const TrpMemoTextTemplate> FTextTemplate;  // the split of the designed text
  bool FTextSaved = false;
  std::unique_ptr<SavedLook> FSavedLook;
  QRect FTextRect;
};

// The published text object.
class TrpMemoView : public TrpCustomMemoView {
 public:
  explicit TrpMemoView(TrpComponent* owner) : TrpCustomMemoView(owner) {}
  static TrpComponent* Create(TrpComponent* owner) { return new TrpMemoView(owner); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
};

// The system-text object: the same behaviour with a smaller published set.
class TrpSysMemoView : public TrpCustomMemoView {
 public:
  explicit TrpSysMemoView(TrpComponent* owner) : TrpCustomMemoView(owner) {}
  static TrpComponent* Create(TrpComponent* owner) { return new TrpSysMemoView(owner); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
  QString GetDescription() const override;
};

// The shared text layout machine, for objects that belong to no report.
TrpDrawText& rpSharedDrawText();
