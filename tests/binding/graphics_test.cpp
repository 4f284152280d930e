// The graphics classes of report scripts: a picture made, drawn on through a canvas with a pen and
// a brush, saved and read back; from two syntaxes, and the failures a script sees.
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "report/binding/graphics_module.h"
#include "script_engine/compiler/compiler.h"
#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/script.h"

namespace {

class Graphics : public testing::Test {
 protected:
  void SetUp() override {
    scInstallCompiler();
    scAddRTTIModule(rpCreateGraphicsModule);
    ASSERT_TRUE(FDir.isValid());
  }
  void TearDown() override { scRemoveRTTIModule(rpCreateGraphicsModule); }
  // Runs the program; the error's message with its line, or "".
  QString run(const QString& syntax, const QStringList& lines) {
    TscScript script;
    script.AddRTTI();
    script.SetSyntaxType(syntax);
    script.SetLines(lines);
    if (!script.Compile()) return QStringLiteral("compile: ") + script.FErrorMsg;
    try {
      script.Execute();
    } catch (const ScriptError& e) {
      return e.MessageWithLine();
    }
    return QString();
  }
  QString path(const char* name) const { return FDir.filePath(QString::fromLatin1(name)); }
  QTemporaryDir FDir;
};

TEST_F(Graphics, APictureIsDrawnThroughItsCanvasAndSaved) {
  const QString box = path("box.png"), js = path("js.png");
  ASSERT_EQ(run(QStringLiteral("PascalScript"),
                {"var m: TMetafile; c: TMetafileCanvas;", "begin", "  m := TMetafile.Create; m.Width := 100; m.Height := 60;",
                 "  c := TMetafileCanvas.Create(m, 0);", "  c.Brush.Color := clYellow; c.Pen.Color := clRed;",
                 "  c.Rectangle(10, 10, 90, 50); c.Pixels[1, 1] := clBlue;",
                 "  c.MoveTo(0, 59); c.LineTo(99, 59);", QStringLiteral("  c.Free; m.SaveToFile('%1')").arg(box),
                 "end."}),
            QString());
  const QImage image(box);
  ASSERT_EQ(image.size(), QSize(100, 60));
  EXPECT_EQ(image.pixelColor(50, 30), QColor(Qt::yellow));  // the brush fills the rectangle
  EXPECT_EQ(image.pixelColor(10, 30), QColor(Qt::red));     // the pen draws its border
  EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::blue));
  EXPECT_EQ(image.pixelColor(50, 59), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(95, 5), QColor(Qt::white));

  ASSERT_EQ(run(QStringLiteral("JScript"),
                {"var b = new TBitmap;", QStringLiteral("b.LoadFromFile(\"%1\");").arg(box),
                 "var m = new TMetafile; m.Width = 50; m.Height = 30;", "var c = new TMetafileCanvas(m, 0);",
                 "c.StretchDraw(0, 0, 50, 30, b); c.Ellipse(0, 0, 10, 10);",
                 "if (c.Pixels[25, 15] != clYellow) RaiseException(\"not drawn\");",
                 QStringLiteral("m.SaveToFile(\"%1\");").arg(js)}),
            QString());
  EXPECT_EQ(QImage(js).size(), QSize(50, 30));
}

TEST_F(Graphics, FailuresAreScriptErrors) {
  const QString pascal = QStringLiteral("PascalScript");
  EXPECT_EQ(run(pascal, {"var c: TCanvas;", "begin", "  c := TCanvas.Create;", "  c.LineTo(5, 5)", "end."}),
            "LineTo: the canvas has no picture to draw on (line 4)");
  EXPECT_EQ(run(pascal, {"var m: TMetafile;", "begin", "  m := TMetafile.Create;", "  m.Width := 100000", "end."}),
            "A picture of 100000 x 1 is not possible (line 4)");
  EXPECT_EQ(run(pascal, {"var b: TBitmap;", "begin", "  b := TBitmap.Create;",
                         QStringLiteral("  b.LoadFromFile('%1')").arg(path("missing.png")), "end."}),
            QStringLiteral("Cannot read the picture \"%1\" (line 4)").arg(path("missing.png")));
  EXPECT_EQ(run(pascal, {"var m: TMetafile; c: TMetafileCanvas;", "begin", "  m := TMetafile.Create;",
                         "  c := TMetafileCanvas.Create(m, 0); m.Free;", "  c.Rectangle(0, 0, 5, 5)", "end."}),
            "Rectangle: the canvas has no picture to draw on (line 5)");
}

}  // namespace
