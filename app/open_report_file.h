#pragma once
// `stroval FILE`: a report definition (prepared first) or a prepared report shown straight in the
// preview window instead of the worksheet window.
#include <QString>

class TrpErrorBox;

namespace stroval {

// Shows `fileName` in the preview window and runs the message loop until the window closes.
// What goes wrong (a missing or damaged file, a report that cannot be prepared) is shown in a
// message box (or `messages`, when given) and written to standard error; the result is then 1,
// else 0.
int ShowReportFile(const QString& fileName, TrpErrorBox* messages = nullptr);

}  // namespace stroval
