#pragma once
// Modal results, with the window system's values: what a dialog window, a dialog page or an
// export filter's options dialog answers.
enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                    mrYes = 6, mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10 };
