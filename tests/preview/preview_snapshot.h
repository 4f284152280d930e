#pragma once
// What a test sees of the modal preview window once its one prepared page is laid out: the
// window's texts, the zoom, the page's place and two grabs of the workspace, the second after
// scrolling down (a maximised window is shorter than the page).
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

class TrpPreviewForm;

struct PreviewSnapshot {
  bool Window = false;
  bool Maximised = false;
  QString Caption;
  QString Status;
  QString PageBox;
  QString OfLabel;
  QString ZoomText;
  long double Zoom = 0;
  long double PageWidthZoom = 0;  // the zoom at which the page fills the workspace's width
  QRect Page;
  QImage Image;
  QImage Scrolled;
  int ScrolledBy = 0;
};

// Calls `open`, which opens the preview window modally; watches the window until the page is
// there (or 20 s have passed), notes what it shows, scrolls down by `scrollBy(zoom)` pixels
// (the view stops where it ends), grabs again and closes the window.
PreviewSnapshot rpSnapshotPreview(const std::function<void()>& open,
                                  const std::function<int(long double zoom)>& scrollBy);

// Calls `open`, which opens the preview window modally; once the window shows `pages` prepared
// pages (or 20 s have passed), calls `act` with it, then closes it.
void rpDrivePreview(const std::function<void()>& open, int pages,
                    const std::function<void(TrpPreviewForm&)>& act);
