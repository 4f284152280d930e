// The dialogs of the system functions: standard output unless a host installs others.
#include "script/system_dialogs.h"

#include <cstdio>

namespace {

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

TscSystemDialogs& scSystemDialogs() { return *installed(); }

std::unique_ptr<TscSystemDialogs> scSetSystemDialogs(std::unique_ptr<TscSystemDialogs> dialogs) {
  if (!dialogs) dialogs = std::make_unique<StandardOutputDialogs>();
  installed().swap(dialogs);
  return dialogs;
}
