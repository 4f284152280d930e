#pragma once
// TrpPageBuilder: the store of prepared pages as the engine builds pages in it: passes, source
// pages, pages and their objects, kept content cut and pasted, and where the output ended. The
// anchors and page numbers the engine keeps beside the pages are TrpPageAnchors. The store
// (report/store) implements both through TrpCustomPreviewPages.
#include "report/units/report_units.h"

class TrpBand;
class TrpComponent;
class TrpPictureView;
class TrpReportPage;

class TrpPageBuilder {
 public:
  virtual void BeginPass() = 0;
  virtual void ClearFirstPassPages() = 0;
  virtual void Finish() = 0;
  virtual void AddSourcePage(TrpReportPage& page) = 0;
  virtual void AddToSourcePage(TrpComponent& object) = 0;
  virtual void AddPage(TrpReportPage& page) = 0;
  virtual void AddObject(TrpComponent& object) = 0;
  virtual void AddPicture(TrpPictureView& picture) = 0;
  virtual bool BandExists(TrpBand& band) = 0;
  virtual int GetCurPosition() const = 0;
  virtual void CutObjects(int position) = 0;
  virtual void PasteObjects(Extended x, Extended y) = 0;
  virtual Extended GetLastY(Extended x = 0) const = 0;
  // Makes the source page of `page` a custom paper (256) of `width` x `height` report units, in
  // the page object and in its stored description (endless pages grow to their content).
  virtual void UpdatePageDimensions(TrpReportPage& page, Extended width, Extended height) = 0;
  // The last column used on the current page and its position (report units), kept with the
  // page; `reset` forgets them.
  virtual void UpdatePageLastColumn(int column, bool reset, Extended columnPosition) = 0;
  // What UpdatePageLastColumn kept for the current page; false when nothing was kept.
  virtual bool GetLastColumnPos(int& column, Extended& columnPosition) const = 0;

 protected:
  TrpPageBuilder() = default;
  ~TrpPageBuilder() = default;
};
