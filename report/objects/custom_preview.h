#pragma once
// The preview as the report sees it: the preview control (TrpCustomPreview), the window that
// holds one (TrpCustomPreviewForm) and the progress window (TrpCustomProgress). They are widgets
// of a higher layer (report/preview) that implement these classes.
#include <QString>

class TrpCustomPreviewForm;
class TrpCustomPreviewPages;
class TrpReport;

// The kinds of work a progress report is about.
enum TrpProgressType { ptRunning, ptExporting, ptPrinting };

class TrpCustomPreview {
 public:
  virtual ~TrpCustomPreview() = default;
  // Shows the prepared pages of `report` held in `pages`.
  virtual void Init(TrpReport* report, TrpCustomPreviewPages* pages) = 0;
  // Forgets the report and its store.
  virtual void UnInit(TrpReport* report) = 0;
  virtual bool Lock() = 0;
  virtual void Unlock() = 0;
  virtual void RefreshReport() = 0;
  virtual void InternalOnProgressStart(TrpReport* report, TrpProgressType kind, int progress) = 0;
  virtual void InternalOnProgress(TrpReport* report, TrpProgressType kind, int progress) = 0;
  virtual void InternalOnProgressStop(TrpReport* report, TrpProgressType kind, int progress) = 0;
  // The window the control sits in when it is the report's own preview window; none otherwise.
  virtual TrpCustomPreviewForm* PreviewForm() const = 0;
};

class TrpCustomPreviewForm {
 public:
  virtual ~TrpCustomPreviewForm() = default;
  virtual TrpCustomPreview& Preview() = 0;
  // Lays the window out for its report (captions, buttons, zoom) before it is shown.
  virtual void Init() = 0;
  // Shows the window and returns when the user closed it.
  virtual void ShowModal() = 0;
  // Shows the window and returns at once; the window frees itself when closed, and tells the
  // report through TrpReport::PreviewFormClosed.
  virtual void Show() = 0;
  virtual void Close() = 0;
  // The text of the window's status line.
  virtual void SetStatusText(const QString& text) = 0;
};

class TrpCustomProgress {
 public:
  virtual ~TrpCustomProgress() = default;
  virtual void SetMessage(const QString& text) = 0;
  // Whether the user pressed Cancel.
  virtual bool Terminated() const = 0;
};
