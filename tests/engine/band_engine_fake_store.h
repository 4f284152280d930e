#pragma once
// A recording store for the engine's tests: which objects went to which page at which position,
// kept as plain records, with the cutting and pasting, anchors, outline and page dimensions the
// engine asks for. It reads nothing back and draws nothing.
#include <QList>
#include <QMap>
#include <QString>

#include <memory>
#include <stdexcept>

#include "report/objects/custom_outline.h"
#include "report/objects/custom_preview_pages.h"
#include "report/units/report_units.h"

class TrpReportPage;

struct FakeRecord {
  QString Name;   // the object's name (empty for the null band)
  QString Class;  // its class name
  Extended Left = 0, Top = 0, Width = 0, Height = 0;
  QString Text;   // a text object's lines joined by "\n"
  QList<FakeRecord> Children;
  Extended Bottom() const { return Top + Height; }
};

struct FakePage {
  QString Source;  // the name of the source page
  QList<FakeRecord> Records;
  bool StoredInFull = false;  // ModifyPage replaced it
  Extended FullWidth = 0, FullHeight = 0;  // its size when stored in full (report units)
  int LastColumn = 0;
  Extended LastColumnPosition = 0;
  bool HasLastColumn = false;
};

struct FakeOutlineItem {
  QString Text;
  int Page = 0;
  int Top = 0;
  QList<FakeOutlineItem> Children;
};

class FakeOutline : public TrpCustomOutline {
 public:
  using TrpCustomOutline::TrpCustomOutline;
  int GetCount() const override { return static_cast<int>(Level().size()); }
  void AddItem(const QString& text, int top) override;
  void LevelDown(int index) override;
  void LevelRoot() override { FPath.clear(); }
  void LevelUp() override {
    if (!FPath.isEmpty()) FPath.removeLast();
  }
  void GetItem(int index, QString& text, int& page, int& top) const override;
  void ShiftItems(int from, int newTop) override;
  void CutItems(int from) override;
  void PasteItems() override;
  int GetCurPosition() const override { return GetCount() - 1; }

  QList<FakeOutlineItem> Root;

 private:
  QList<FakeOutlineItem>& Level();
  const QList<FakeOutlineItem>& Level() const { return const_cast<FakeOutline*>(this)->Level(); }
  QList<int> FPath;
  QList<FakeOutlineItem> FCut;
};

class FakeStore : public TrpCustomPreviewPages {
 public:
  explicit FakeStore(TrpReport& report);
  ~FakeStore() override;

  int GetCount() const override { return static_cast<int>(Pages.size()); }
  TrpReportPage* GetPage(int index) override;
  QSizeF GetPageSize(int index) override;
  void Clear() override;
  void Initialize() override { ++Initialized; }

  void AddObject(TrpComponent& object) override;
  void AddPage(TrpReportPage& page) override;
  void AddSourcePage(TrpReportPage& page) override;
  void AddToSourcePage(TrpComponent&) override {}
  void BeginPass() override;
  void ClearFirstPassPages() override;
  void CutObjects(int position) override;
  void Finish() override { ++Finished; }
  void IncLogicalPageNumber() override {}
  void ResetLogicalPageNumber() override { ++LogicalResets; }
  void PasteObjects(Extended x, Extended y) override;
  void ShiftAnchors(int from, int newTop) override;
  void AddAnchor(const QString& text) override;
  int AnchorTopAt(int index) const override { return Anchors.value(index).Top; }
  int GetAnchorPage(const QString& text) const override {
    for (const Anchor& a : Anchors)
      if (a.Text == text) return a.Page + 1;
    return 1;
  }
  void UpdatePageDimensions(TrpReportPage& page, Extended width, Extended height) override;
  void UpdatePageLastColumn(int column, bool reset, Extended columnPosition) override;
  bool GetLastColumnPos(int& column, Extended& columnPosition) const override;
  void AddPicture(TrpPictureView&) override {}
  bool BandExists(TrpBand& band) override;
  int GetCurPosition() const override;
  int GetAnchorCurPosition() const override { return static_cast<int>(Anchors.size()) - 1; }
  Extended GetLastY(Extended x = 0) const override;
  int GetLogicalPageNo() const override { return CurPage() + 1; }
  int GetLogicalTotalPages() const override { return GetCount(); }

  // Nothing below is asked for by the engine.
  void AddEmptyPage(int) override { unused(); }
  void DeletePage(int) override { unused(); }
  void ModifyPage(int index, TrpReportPage& page) override;
  void DrawPage(int, QPainter&, Extended, Extended, Extended, Extended) override { unused(); }
  TrpComponent* ObjectOver(int, Extended, Extended, Extended, Extended, Extended) override {
    unused();
    return nullptr;
  }
  bool ToggleDrillDown(int, Extended, Extended, Extended, Extended, Extended) override {
    unused();
    return false;
  }
  TrpComponent* MouseEventAt(int, Extended, Extended, TrpPreviewMouseEvent, Extended, Extended, Extended,
                             Qt::CursorShape&, bool*, Qt::MouseButton, Qt::KeyboardModifiers) override {
    unused();
    return nullptr;
  }
  bool AnchorTarget(const QString&, int&, int&) const override { unused(); return false; }
  void SetLinkHandlers(TrpPageLinkHandlers) override { unused(); }
  void AddFrom(TrpReport&) override { unused(); }
  void LoadFromStream(QIODevice&, bool) override { unused(); }
  void SaveToStream(QIODevice&) override { unused(); }
  bool LoadFromFile(const QString&, bool) override { unused(); return false; }
  bool SaveToFile(const QString&) override { unused(); return false; }
  bool Print() override { unused(); return false; }
  bool Export(TrpCustomExportFilter&) override { unused(); return false; }
  TrpCustomOutline* Outline() const override { return FOutline.get(); }
  FakeOutline& OutlineTree() const { return *FOutline; }

  struct Anchor {
    QString Text;
    int Page = 0;
    int Top = 0;
  };
  struct SourceSize {
    Extended Width = 0, Height = 0;
  };

  QList<FakePage> Pages;
  QList<Anchor> Anchors;
  QStringList SourcePages;
  QMap<QString, SourceSize> UpdatedSources;
  int Initialized = 0, Finished = 0, Passes = 0, LogicalResets = 0;

 private:
  [[noreturn]] static void unused() { throw std::logic_error("not used by the engine"); }
  static FakeRecord RecordOf(const TrpComponent& object);
  QList<FakeRecord> FCut;
  int FFirstPage = -1, FFirstObject = 0;
  std::unique_ptr<FakeOutline> FOutline;
  std::unique_ptr<TrpReportPage> FBuilt;
};
