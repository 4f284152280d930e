#pragma once
// The graphics classes of report scripts: pictures (TGraphic, TBitmap, TMetafile) held as images,
// pens and brushes, and canvases that draw on a picture (TMetafileCanvas.Create(AMetafile, 0)).
// A script builds a picture, draws on it and saves it:
//   m := TMetafile.Create; m.Width := 200; m.Height := 100;
//   c := TMetafileCanvas.Create(m, 0); c.Rectangle(10, 10, 190, 90); c.Free; m.SaveToFile('box.png');
#include "script_engine/interpreter/script.h"

// Registers the classes (after the module's names) in `script`.
void rpRegisterGraphicsClasses(TscScript& script);
