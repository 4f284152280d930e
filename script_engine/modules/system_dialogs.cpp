// The dialogs of the system functions: standard output unless a host installs others.
#include "script_engine/modules/system_dialogs.h"

#include <cstdio>

namespace {

// Modal results, with the window system's values.
constexpr int mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7,
              mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;

class StandardOutputDialogs : public TscSystemDialogs {
 public:
  void ShowMessage(const QString& text) override {
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
  }
};

std::unique_ptr<TscSystemDialogs>& installed() {
  static std::unique_ptr<TscSystemDialogs> dialogs = std::make_unique<StandardOutputDialogs>();
  return dialogs;
}

}  // namespace

int scDefaultMessageAnswer(int buttons) {
  using namespace TscMsgDlgButton;
  if (buttons & mbOK) return mrOk;
  if (buttons & mbYes) return mrYes;
  static constexpr struct {
    int button, result;
  } kOrder[] = {{mbNo, mrNo},       {mbCancel, mrCancel},   {mbAbort, mrAbort},
                {mbRetry, mrRetry}, {mbIgnore, mrIgnore},   {mbAll, mrAll},
                {mbNoToAll, mrNoToAll}, {mbYesToAll, mrYesToAll}};
  for (const auto& b : kOrder)
    if (buttons & b.button) return b.result;
  return mrOk;  // no button asked for: the box has its OK
}

int TscSystemDialogs::MessageDlg(const QString& text, int, int buttons) {
  ShowMessage(text);
  return scDefaultMessageAnswer(buttons);
}

bool TscSystemDialogs::InputQuery(const QString&, const QString&, QString&) { return false; }

bool TscSystemDialogs::FileDialog(TscFileDialogRequest&) { return false; }

TscSystemDialogs& scSystemDialogs() { return *installed(); }

std::unique_ptr<TscSystemDialogs> scSetSystemDialogs(std::unique_ptr<TscSystemDialogs> dialogs) {
  if (!dialogs) dialogs = std::make_unique<StandardOutputDialogs>();
  installed().swap(dialogs);
  return dialogs;
}
