#pragma once
// PreviewOptions of a report: how the preview window looks and behaves.
#include "report/objects/persistent.h"
#include "report/objects/property_descriptor.h"
#include "report/objects/report_set.h"
#include "report/units/report_units.h"

enum TrpPreviewButton {
  pbPrint, pbLoad, pbSave, pbExport, pbZoom, pbFind, pbOutline, pbPageSetup, pbTools, pbEdit,
  pbNavigator, pbExportQuick, pbNoClose, pbNoFullScreen, pbNoEmail
};
using TrpPreviewButtons = TrpSet<TrpPreviewButton>;

enum TrpZoomMode { zmDefault, zmWholePage, zmPageWidth, zmManyPages };

extern const TrpEnumType rpPreviewButtonsType;
extern const TrpEnumType rpZoomModeType;

// Every button; none of the three "no" flags.
inline constexpr TrpPreviewButtons rpDefaultPreviewButtons{
    pbPrint, pbLoad, pbSave, pbExport, pbZoom, pbFind, pbOutline, pbPageSetup, pbTools, pbEdit,
    pbNavigator, pbExportQuick};

class TrpPreviewOptions : public TrpPersistent {
 public:
  TrpPreviewOptions() = default;
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  // Copies every option of another preview option record.
  void Assign(const TrpPersistent& source) override;
  // The report's Clear: the outline and thumbnail settings and PagesInCache to their initial
  // values; the rest stays.
  void Clear();

  bool AllowEdit() const { return FAllowEdit; }
  void SetAllowEdit(bool value) { FAllowEdit = value; }
  TrpPreviewButtons Buttons() const { return FButtons; }
  void SetButtons(TrpPreviewButtons value) { FButtons = value; }
  bool DoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }
  bool Maximized() const { return FMaximized; }
  void SetMaximized(bool value) { FMaximized = value; }
  bool MDIChild() const { return FMDIChild; }
  void SetMDIChild(bool value) { FMDIChild = value; }
  bool Modal() const { return FModal; }
  void SetModal(bool value) { FModal = value; }
  bool OutlineExpand() const { return FOutlineExpand; }
  void SetOutlineExpand(bool value) { FOutlineExpand = value; }
  bool OutlineVisible() const { return FOutlineVisible; }
  void SetOutlineVisible(bool value) { FOutlineVisible = value; }
  int OutlineWidth() const { return FOutlineWidth; }  // pixels
  void SetOutlineWidth(int value) { FOutlineWidth = value; }
  int PagesInCache() const { return FPagesInCache; }
  void SetPagesInCache(int value) { FPagesInCache = value; }
  bool ShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool value) { FShowCaptions = value; }
  bool ThumbnailVisible() const { return FThumbnailVisible; }
  void SetThumbnailVisible(bool value) { FThumbnailVisible = value; }
  Extended Zoom() const { return FZoom; }
  void SetZoom(Extended value) { FZoom = value; }
  TrpZoomMode ZoomMode() const { return FZoomMode; }
  void SetZoomMode(TrpZoomMode value) { FZoomMode = value; }
  bool PictureCacheInFile() const { return FPictureCacheInFile; }
  void SetPictureCacheInFile(bool value) { FPictureCacheInFile = value; }
  bool RTLPreview() const { return FRTLPreview; }
  void SetRTLPreview(bool value) { FRTLPreview = value; }

 private:
  bool FAllowEdit = true;
  TrpPreviewButtons FButtons = rpDefaultPreviewButtons;
  bool FDoubleBuffered = true;
  bool FMaximized = true;
  bool FMDIChild = false;
  bool FModal = true;
  bool FOutlineExpand = true;
  bool FOutlineVisible = false;
  int FOutlineWidth = 120;
  int FPagesInCache = 50;
  bool FShowCaptions = false;
  bool FThumbnailVisible = false;
  Extended FZoom = 1.0L;
  TrpZoomMode FZoomMode = zmDefault;
  bool FPictureCacheInFile = false;
  bool FRTLPreview = false;
};
