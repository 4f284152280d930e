#pragma once
// Small report classes for the tests, built on the model's base classes the way the visual
// objects, pages and bands are: a report, a page, a dialog page, a band, and a text-like view
// that publishes geometry, font and a few properties of each kind.
#include <QString>

#include "report/objects/class_info.h"
#include "report/objects/custom_report.h"
#include "report/objects/property_builders.h"
#include "report/objects/report_component.h"
#include "report/pages/page.h"

class TestReport : public TrpCustomReport {
 public:
  TestReport() = default;
};

// Class descriptions named like the real classes the model recognises by name; the pages are
// pages in C++ as well, as every page class is.
inline const TrpClassInfo& PageBaseInfo() {
  static const TrpClassInfo info("TrpPage", &TrpComponent::StaticClassInfo(), nullptr, {});
  return info;
}

class TestPage : public TrpPage {
 public:
  explicit TestPage(TrpComponent* owner) : TrpPage(owner) {}
  static TrpComponent* Create(TrpComponent* owner) { return new TestPage(owner); }
  static const TrpClassInfo& StaticClassInfo() {
    static const TrpClassInfo info("TrpTestPage", &PageBaseInfo(), &Create,
                                   {rpPublish("Font"), rpPublish("Visible")});
    return info;
  }
  const TrpClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

class TestDialogPage : public TrpPage {
 public:
  explicit TestDialogPage(TrpComponent* owner) : TrpPage(owner) {}
  static const TrpClassInfo& StaticClassInfo() {
    static const TrpClassInfo info("TrpDialogPage", &PageBaseInfo(), nullptr, {});
    return info;
  }
  const TrpClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

inline const TrpClassInfo& BandBaseInfo() {
  static const TrpClassInfo info("TrpBand", &TrpReportComponent::StaticClassInfo(), nullptr, {});
  return info;
}

class TestBand : public TrpReportComponent {
 public:
  explicit TestBand(TrpComponent* owner) : TrpReportComponent(owner) {}
  static TrpComponent* Create(TrpComponent* owner) { return new TestBand(owner); }
  static const TrpClassInfo& StaticClassInfo() {
    static const TrpClassInfo info(
        "TrpTestBand", &BandBaseInfo(), &Create,
        {rpPublish("Height"), rpPublish("Left"), rpPublish("ParentFont").WithDefault(true),
         rpPublish("Top"), rpPublish("Width")});
    return info;
  }
  const TrpClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

enum TestHAlign { haLeft, haRight, haCenter, haBlock };
inline constexpr TrpEnumValue kTestHAligns[] = {
    {"haLeft", haLeft}, {"haRight", haRight}, {"haCenter", haCenter}, {"haBlock", haBlock}};
inline const TrpEnumType testHAlignType{"TrpHAlign", kTestHAligns};

// A text object: named TrpMemoView so that its generated names are "Memo1", "Memo2", ...
class TestMemo : public TrpReportComponent {
 public:
  explicit TestMemo(TrpComponent* owner) : TrpReportComponent(owner) {}
  static TrpComponent* Create(TrpComponent* owner) { return new TestMemo(owner); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool IsVisualObject() const override { return true; }
  TrpAlign Align() const override { return FAlign; }
  void SetAlign(TrpAlign value) { FAlign = value; }
  const QString& Text() const { return FText; }
  void SetText(const QString& value) { FText = value; }
  TestHAlign HAlign() const { return FHAlign; }
  void SetHAlign(TestHAlign value) { FHAlign = value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor value) { FColor = value; }
  int GapX() const { return FGapX; }
  void SetGapX(int value) { FGapX = value; }
  TrpComponent* Partner() const { return FPartner; }
  void SetPartner(TrpComponent* value) { FPartner = value; }
  bool AutoWidth() const { return FAutoWidth; }
  void SetAutoWidth(bool value) { FAutoWidth = value; }
  bool DiffSkipsWidth() const override { return FAutoWidth; }

 private:
  TrpAlign FAlign = baNone;
  QString FText;
  TestHAlign FHAlign = haLeft;
  TColor FColor = clNone;
  int FGapX = 2;
  TrpComponent* FPartner = nullptr;
  bool FAutoWidth = false;
};

inline const TrpClassInfo& TestMemo::StaticClassInfo() {
  using C = TestMemo;
  static const TrpClassInfo info(
      "TrpMemoView", &TrpReportComponent::StaticClassInfo(), &Create,
      {
          rpEnum<&C::Align, &C::SetAlign>("Align", rpAlignType, baNone),
          rpPublish("Left"),
          rpPublish("Top"),
          rpPublish("Width"),
          rpPublish("Height"),
          rpPublish("Font"),
          rpPublish("ParentFont"),
          rpPublish("Visible"),
          rpPublish("Restrictions"),
          rpBoolean<&C::AutoWidth, &C::SetAutoWidth>("AutoWidth", false),
          rpColor<&C::Color, &C::SetColor>("Color", clNone),
          rpInteger<&C::GapX, &C::SetGapX>("GapX", 2),
          rpEnum<&C::HAlign, &C::SetHAlign>("HAlign", testHAlignType, haLeft),
          rpReference<&C::Partner, &C::SetPartner>("Partner"),
          rpString<&C::Text, &C::SetText>("Text"),
      },
      {{"Align", "Align"}, {"Color", "Color"}});
  return info;
}

// A report component without drawing of its own.
class TestPlain : public TrpReportComponent {
 public:
  explicit TestPlain(TrpComponent* owner) : TrpReportComponent(owner) {}
};
