#pragma once
// TrpDialogPage: a page shown as a dialog window before the report runs. This is the page's
// definition: its window look, its client size (the page's Width and Height) and the script
// procedures of its window events. Showing it as a window belongs to the layers above.
#include <QString>

#include <functional>

#include "report/objects/modal_result.h"
#include "report/pages/page.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition {
  poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter
};
enum TWindowState { wsNormal, wsMinimized, wsMaximized };

extern const TrpEnumType rpFormBorderStyleType;
extern const TrpEnumType rpPositionType;
extern const TrpEnumType rpWindowStateType;

// The face colour of dialogs: system colour 15, as the colour names code it.
constexpr TColor rpDialogFaceColor = static_cast<TColor>(0xFF00000FU);

class TrpDialogPage : public TrpPage {
 public:
  // A new dialog is a 300 x 200 dialog-framed window centred on the screen.
  explicit TrpDialogPage(TrpComponent* owner);

  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
  QString GetDescription() const override;

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle value) { FBorderStyle = value; }
  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& value) { FCaption = value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor value) { FColor = value; }
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition value) { FPosition = value; }
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState value) { FWindowState = value; }
  // The client area is the page itself.
  int ClientWidth() const { return static_cast<int>(rpRound(Width())); }
  void SetClientWidth(int value) { SetWidth(value); }
  int ClientHeight() const { return static_cast<int>(rpRound(Height())); }
  void SetClientHeight(int value) { SetHeight(value); }
  // The result of the last showing (0 until then). While the window is shown, setting a
  // result other than mrNone closes it (through OnModalResult).
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int value);
  // The open window's hook: it closes the window when a script sets ModalResult.
  std::function<void(int)> OnModalResult;

  // Shows the dialog modally through the window layer's hook (TrpReportServices::ShowDialogPage)
  // and returns its modal result. Raises TrpError when the program has no windows for dialogs.
  int ShowModal();

  // Script procedures of the window's events.
  const QString& OnActivate() const { return FOnActivate; }
  void SetOnActivate(const QString& value) { FOnActivate = value; }
  const QString& OnClick() const { return FOnClick; }
  void SetOnClick(const QString& value) { FOnClick = value; }
  const QString& OnDeactivate() const { return FOnDeactivate; }
  void SetOnDeactivate(const QString& value) { FOnDeactivate = value; }
  const QString& OnHide() const { return FOnHide; }
  void SetOnHide(const QString& value) { FOnHide = value; }
  const QString& OnKeyDown() const { return FOnKeyDown; }
  void SetOnKeyDown(const QString& value) { FOnKeyDown = value; }
  const QString& OnKeyPress() const { return FOnKeyPress; }
  void SetOnKeyPress(const QString& value) { FOnKeyPress = value; }
  const QString& OnKeyUp() const { return FOnKeyUp; }
  void SetOnKeyUp(const QString& value) { FOnKeyUp = value; }
  const QString& OnMouseDown() const { return FOnMouseDown; }
  void SetOnMouseDown(const QString& value) { FOnMouseDown = value; }
  const QString& OnMouseMove() const { return FOnMouseMove; }
  void SetOnMouseMove(const QString& value) { FOnMouseMove = value; }
  const QString& OnMouseUp() const { return FOnMouseUp; }
  void SetOnMouseUp(const QString& value) { FOnMouseUp = value; }
  const QString& OnResize() const { return FOnResize; }
  void SetOnResize(const QString& value) { FOnResize = value; }
  const QString& OnShow() const { return FOnShow; }
  void SetOnShow(const QString& value) { FOnShow = value; }

 private:
  TFormBorderStyle FBorderStyle = bsDialog;
  QString FCaption;
  TColor FColor = rpDialogFaceColor;
  TPosition FPosition = poScreenCenter;
  TWindowState FWindowState = wsNormal;
  int FModalResult = 0;
  QString FOnActivate, FOnClick, FOnDeactivate, FOnHide, FOnKeyDown, FOnKeyPress, FOnKeyUp;
  QString FOnMouseDown, FOnMouseMove, FOnMouseUp, FOnResize, FOnShow;
};
