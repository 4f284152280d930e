#pragma once
// The widgets of a dialog page's controls: a label, line edit, push button, check box or combo
// box for each control on the page, placed where the control is. What the user enters goes back
// into the controls at once (Text, Checked, ItemIndex), so expressions of the report read it;
// the controls' events run through `runEvent` with the control as sender, and a button with a
// modal result closes the dialog through `close`.
#include <QString>

#include <functional>

class QWidget;
class TrpComponent;
class TrpDialogPage;

using TrpControlEvent = std::function<bool(TrpComponent& sender, const QString& procedure)>;

// Builds the widgets as children of `form`.
void rpBuildDialogControls(QWidget& form, TrpDialogPage& page, const TrpControlEvent& runEvent,
                           const std::function<void(int result)>& close);
// Lets go of the controls' window hooks (the window is closing).
void rpReleaseDialogControls(TrpDialogPage& page);
