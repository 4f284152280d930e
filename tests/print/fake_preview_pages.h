#pragma once
// A store of synthetic prepared pages for the print job: pages of any paper, each drawn as a
// frame of its size with its page number and copy number ("p2c1") written in it. Every drawing
// call is logged with its scale and offset.
#include "report/model/custom_preview_pages.h"
#include "report/model/report_page.h"

#include <QList>
#include <QSizeF>

#include <functional>
#include <stdexcept>

class TrpReport;

struct FakeDrawCall {
  int Index = 0;
  int CopyNo = 0;
  Extended ScaleX = 0, ScaleY = 0, OffsetX = 0, OffsetY = 0;
  Extended PrintScale = 0;
};

class FakePreviewPages : public TrpCustomPreviewPages {
 public:
  explicit FakePreviewPages(TrpReport& report);
  ~FakePreviewPages() override;

  // Appends a page of a standard paper (or a custom size for 256) and returns it.
  TrpReportPage& AddTestPage(int paper = 9, TPrinterOrientation orientation = poPortrait,
                             Extended width = 0, Extended height = 0);
  void AddTestPages(int count, int paper = 9);

  QList<FakeDrawCall> Draws;
  int CacheClears = 0;
  // Called before a page is drawn; a test throws from it to make drawing fail.
  std::function<void(int index)> BeforeDraw;

  int GetCount() const override { return static_cast<int>(FPages.size()); }
  TrpReportPage* GetPage(int index) override { return FPages.value(index); }
  QSizeF GetPageSize(int index) override;
  void DrawPage(int index, QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                Extended offsetY) override;
  void ClearPageCache() override { ++CacheClears; }

  // Building and files are not what the print job uses.
  void Clear() override {}
  void Initialize() override {}
  void AddObject(TrpComponent&) override {}
  void AddPage(TrpReportPage&) override {}
  void AddSourcePage(TrpReportPage&) override {}
  void AddToSourcePage(TrpComponent&) override {}
  void BeginPass() override {}
  void ClearFirstPassPages() override {}
  void CutObjects(int) override {}
  void Finish() override {}
  void IncLogicalPageNumber() override {}
  void ResetLogicalPageNumber() override {}
  void PasteObjects(Extended, Extended) override {}
  void ShiftAnchors(int, int) override {}
  // Operations the engine's work adds to the store; declared here without override so that the
  // fake builds with and without them.
  void AddAnchor(const QString&) {}
  void UpdatePageDimensions(TrpReportPage&, Extended, Extended) {}
  void UpdatePageLastColumn(int, bool, Extended) {}
  bool GetLastColumnPos(int&, Extended&) const { return false; }
  void AddPicture(TrpPictureView&) override {}
  bool BandExists(TrpBand&) override { return false; }
  int GetCurPosition() const override { return 0; }
  int GetAnchorCurPosition() const override { return 0; }
  Extended GetLastY(Extended) const override { return 0; }
  int GetLogicalPageNo() const override { return 0; }
  int GetLogicalTotalPages() const override { return 0; }
  void AddEmptyPage(int) override {}
  void DeletePage(int) override {}
  void ModifyPage(int, TrpReportPage&) override {}
  TrpComponent* ObjectOver(int, Extended, Extended, Extended, Extended, Extended) override {
    return nullptr;
  }
  void AddFrom(TrpReport&) override {}
  void LoadFromStream(QIODevice&, bool) override {}
  void SaveToStream(QIODevice&) override {}
  bool LoadFromFile(const QString&, bool) override { return false; }
  bool SaveToFile(const QString&) override { return false; }
  bool Print() override { return false; }
  bool Export(TrpCustomExportFilter&) override { return false; }
  TrpCustomOutline* Outline() const override { return nullptr; }

 private:
  QList<TrpReportPage*> FPages;
};
