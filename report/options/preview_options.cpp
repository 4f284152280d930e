#include "report/options/preview_options.h"

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"

namespace {
constexpr TrpEnumValue kButtons[] = {
    {"pbPrint", pbPrint},         {"pbLoad", pbLoad},
    {"pbSave", pbSave},           {"pbExport", pbExport},
    {"pbZoom", pbZoom},           {"pbFind", pbFind},
    {"pbOutline", pbOutline},     {"pbPageSetup", pbPageSetup},
    {"pbTools", pbTools},         {"pbEdit", pbEdit},
    {"pbNavigator", pbNavigator}, {"pbExportQuick", pbExportQuick},
    {"pbNoClose", pbNoClose},     {"pbNoFullScreen", pbNoFullScreen},
    {"pbNoEmail", pbNoEmail}};
constexpr TrpEnumValue kZoomModes[] = {{"zmDefault", zmDefault},
                                       {"zmWholePage", zmWholePage},
                                       {"zmPageWidth", zmPageWidth},
                                       {"zmManyPages", zmManyPages}};
}  // namespace

const TrpEnumType rpPreviewButtonsType{"TrpPreviewButtons", kButtons};
const TrpEnumType rpZoomModeType{"TrpZoomMode", kZoomModes};

const TrpClassInfo& TrpPreviewOptions::StaticClassInfo() {
  using C = TrpPreviewOptions;
  static const TrpClassInfo info(
      "TrpPreviewOptions", nullptr, nullptr,
      {
          rpBoolean<&C::AllowEdit, &C::SetAllowEdit>("AllowEdit", true),
          rpSet<&C::Buttons, &C::SetButtons>("Buttons", rpPreviewButtonsType),  // always written
          rpBoolean<&C::DoubleBuffered, &C::SetDoubleBuffered>("DoubleBuffered", true),
          rpBoolean<&C::Maximized, &C::SetMaximized>("Maximized", true),
          rpBoolean<&C::MDIChild, &C::SetMDIChild>("MDIChild", false),
          rpBoolean<&C::Modal, &C::SetModal>("Modal", true),
          rpBoolean<&C::OutlineExpand, &C::SetOutlineExpand>("OutlineExpand", true),
          rpBoolean<&C::OutlineVisible, &C::SetOutlineVisible>("OutlineVisible", false),
          rpInteger<&C::OutlineWidth, &C::SetOutlineWidth>("OutlineWidth", 120),
          rpInteger<&C::PagesInCache, &C::SetPagesInCache>("PagesInCache", 50),
          rpBoolean<&C::ShowCaptions, &C::SetShowCaptions>("ShowCaptions", false),
          rpBoolean<&C::ThumbnailVisible, &C::SetThumbnailVisible>("ThumbnailVisible", false),
          rpFloat<&C::Zoom, &C::SetZoom>("Zoom"),  // always written
          rpEnum<&C::ZoomMode, &C::SetZoomMode>("ZoomMode", rpZoomModeType, zmDefault),
          rpBoolean<&C::PictureCacheInFile, &C::SetPictureCacheInFile>("PictureCacheInFile",
                                                                       false),
          rpBoolean<&C::RTLPreview, &C::SetRTLPreview>("RTLPreview").PublicOnly(),
      });
  return info;
}

const TrpClassInfo& TrpPreviewOptions::ClassInfo() const { return StaticClassInfo(); }

void TrpPreviewOptions::Assign(const TrpPersistent& source) {
  const auto* other = dynamic_cast<const TrpPreviewOptions*>(&source);
  if (!other || other == this) return;
  FAllowEdit = other->FAllowEdit;
  FButtons = other->FButtons;
  FDoubleBuffered = other->FDoubleBuffered;
  FMaximized = other->FMaximized;
  FMDIChild = other->FMDIChild;
  FModal = other->FModal;
  FOutlineExpand = other->FOutlineExpand;
  FOutlineVisible = other->FOutlineVisible;
  FOutlineWidth = other->FOutlineWidth;
  FPagesInCache = other->FPagesInCache;
  FShowCaptions = other->FShowCaptions;
  FThumbnailVisible = other->FThumbnailVisible;
  FZoom = other->FZoom;
  FZoomMode = other->FZoomMode;
  FPictureCacheInFile = other->FPictureCacheInFile;
  FRTLPreview = other->FRTLPreview;
}

void TrpPreviewOptions::Clear() {
  FOutlineExpand = true;
  FOutlineVisible = false;
  FOutlineWidth = 120;
  FPagesInCache = 50;
  FThumbnailVisible = false;
}
