#pragma once
// A store of synthetic prepared pages for the print job: pages of any paper, each drawn as a
// frame of its size with its page number and copy number ("p2c1") written in it. Every drawing
// call is logged with its scale and offset.
#include "idle_preview_pages.h"
#include "report/pages/report_page.h"

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

class FakePreviewPages : public IdlePreviewPages {
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

 private:
  QList<TrpReportPage*> FPages;
};
