#include "report/preview/dialog_page_form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include <stdexcept>

#include "report/component/report.h"
#include "report/dialogs/dialog_page.h"
#include "report/objects/custom_report_script.h"
#include "report/preview/dialog_control_widgets.h"
#include "report/preview/virtual_keys.h"
#include "report/text/color_names.h"

namespace {

constexpr int kReturn = 13;  // VK_RETURN
constexpr int kEscape = 27;  // VK_ESCAPE

Qt::WindowFlags flagsOf(TFormBorderStyle style) {
  switch (style) {
    case bsNone: return Qt::Dialog | Qt::FramelessWindowHint;
    case bsToolWindow:
    case bsSizeToolWin: return Qt::Tool;
    default: return Qt::Dialog;
  }
}

bool resizable(TFormBorderStyle style) { return style == bsSizeable || style == bsSizeToolWin; }

}  // namespace

TrpDialogPageForm::TrpDialogPageForm(TrpCustomReport& report, TrpDialogPage& page, QWidget* parent)
    : QDialog(parent), FReport(report), FPage(page) {
  ApplyLook();
  // A script that sets ModalResult closes the window with it.
  FPage.OnModalResult = [this](int result) { CloseWith(result); };
  rpBuildDialogControls(
      *this, FPage,
      [this](TrpComponent& sender, const QString& procedure) {
        std::vector<ScriptValue> none;
        return RunEvent(procedure, none, &sender);
      },
      [this](int result) { CloseWith(result); });
}

TrpDialogPageForm::~TrpDialogPageForm() {
  FPage.OnModalResult = nullptr;
  rpReleaseDialogControls(FPage);
}

void TrpDialogPageForm::ApplyLook() {
  setWindowFlags(flagsOf(FPage.BorderStyle()));
  setWindowTitle(FPage.Caption());
  if (FPage.Color() != clNone) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, rpToQColor(FPage.Color()));
    setPalette(palette);
    setAutoFillBackground(true);
  }
  const QSize client(FPage.ClientWidth(), FPage.ClientHeight());
  if (resizable(FPage.BorderStyle())) resize(client);
  else setFixedSize(client);
  PlaceOnScreen();
  if (FPage.WindowState() == wsMaximized) setWindowState(Qt::WindowMaximized);
  if (FPage.WindowState() == wsMinimized) setWindowState(Qt::WindowMinimized);
}

// Centred on the screen, at the page's own position, or where the window system puts it.
void TrpDialogPageForm::PlaceOnScreen() {
  switch (FPage.Position()) {
    case poScreenCenter:
    case poDesktopCenter:
      if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
      }
      break;
    case poDesigned:
      move(static_cast<int>(rpRound(FPage.Left())), static_cast<int>(rpRound(FPage.Top())));
      break;
    default:
      break;
  }
}

// Closing waits for the event loop: a script may ask for it while the window is being shown,
// before the modal loop that the closing has to end is running.
void TrpDialogPageForm::CloseWith(int result) {
  QTimer::singleShot(0, this, [this, result] { done(result); });
}

int TrpDialogPageForm::Execute() {
  const int result = exec();
  const int modalResult = result == QDialog::Rejected ? mrCancel : result;
  FPage.OnModalResult = nullptr;  // the window is closed: setting the result no longer closes it
  FPage.SetModalResult(modalResult);
  return modalResult;
}

bool TrpDialogPageForm::RunEvent(const QString& procedure, std::vector<ScriptValue>& args,
                                 TrpComponent* sender) {
  if (procedure.isEmpty() || FFailed) return !FFailed;
  TrpCustomReportScript* script = FReport.ReportScript();
  try {
    if (!script) throw std::runtime_error("The report has no script for its dialog's events");
    args.insert(args.begin(), script->ObjectValue(sender ? sender : &FPage));
    script->DoParamEvent(procedure, args);
    args.erase(args.begin());
    return true;
  } catch (const std::exception& e) {
    // An exception must not cross the window system: the failure is listed and the dialog given
    // up, which ends the run.
    const QString message = QString::fromUtf8(e.what());
    FReport.AddError(FPage.Name().isEmpty() ? message : FPage.Name() + QStringLiteral(": ") + message);
    FFailed = true;
    CloseWith(QDialog::Rejected);
    return false;
  }
}

bool TrpDialogPageForm::RunEvent(const QString& procedure) {
  std::vector<ScriptValue> none;
  return RunEvent(procedure, none);
}

void TrpDialogPageForm::RunMouseEvent(const QString& procedure, QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const int shift = rpShiftState(event->modifiers(), event->buttons());
  std::vector<ScriptValue> args{ScriptValue(rpMouseButton(event->button())), ScriptValue(shift),
                                ScriptValue(at.x()), ScriptValue(at.y())};
  if (event->type() == QEvent::MouseMove) args.erase(args.begin());  // (Sender, Shift, X, Y)
  RunEvent(procedure, args);
}

void TrpDialogPageForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  RunEvent(FPage.OnShow());
}

void TrpDialogPageForm::hideEvent(QHideEvent* event) {
  RunEvent(FPage.OnHide());
  QDialog::hideEvent(event);
}

void TrpDialogPageForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange)
    RunEvent(isActiveWindow() ? FPage.OnActivate() : FPage.OnDeactivate());
}

void TrpDialogPageForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  RunEvent(FPage.OnResize());
}

// OnKeyDown receives the key code by reference: a script that sets it to 0 takes the key, one
// that changes it to Enter or Escape confirms or cancels. OnKeyPress then receives the character.
void TrpDialogPageForm::keyPressEvent(QKeyEvent* event) {
  std::vector<ScriptValue> down{ScriptValue(rpVirtualKey(event->key())),
                                ScriptValue(rpShiftState(event->modifiers()))};
  if (!RunEvent(FPage.OnKeyDown(), down)) return;
  const int key = down.front().ToInt32();
  if (key == 0) return;
  if (!event->text().isEmpty()) {
    std::vector<ScriptValue> press{ScriptValue(event->text().left(1))};
    if (!RunEvent(FPage.OnKeyPress(), press)) return;
  }
  if (key == kReturn) done(mrOk);
  else if (key == kEscape) reject();
  else QDialog::keyPressEvent(event);
}

void TrpDialogPageForm::keyReleaseEvent(QKeyEvent* event) {
  std::vector<ScriptValue> up{ScriptValue(rpVirtualKey(event->key())),
                              ScriptValue(rpShiftState(event->modifiers()))};
  RunEvent(FPage.OnKeyUp(), up);
  QDialog::keyReleaseEvent(event);
}

void TrpDialogPageForm::mousePressEvent(QMouseEvent* event) {
  RunMouseEvent(FPage.OnMouseDown(), event);
  QDialog::mousePressEvent(event);
}

void TrpDialogPageForm::mouseReleaseEvent(QMouseEvent* event) {
  RunMouseEvent(FPage.OnMouseUp(), event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    RunEvent(FPage.OnClick());
  QDialog::mouseReleaseEvent(event);
}

void TrpDialogPageForm::mouseMoveEvent(QMouseEvent* event) {
  RunMouseEvent(FPage.OnMouseMove(), event);
  QDialog::mouseMoveEvent(event);
}
