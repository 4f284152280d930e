// Settings files from scripts: written, read back by another object, typed values with defaults
// for what is missing or damaged, sections, and the failures a script sees.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "script_engine/front/script_error.h"
#include "sysmodule_support.h"

namespace {

class IniFiles : public testing::Test {
 protected:
  void SetUp() override {
    PinSystemModuleEnvironment();
    ASSERT_TRUE(FDir.isValid());
    FFile = FDir.filePath(QStringLiteral("sheet.ini"));
  }
  QString run(const QString& syntax, const QStringList& lines, const char* variable = "r") {
    try {
      return RunProgram(syntax, lines)->Variable(QString::fromLatin1(variable)).ToText();
    } catch (const ScriptError& e) {
      return QStringLiteral("error: ") + e.MessageWithLine();
    }
  }
  QString fileText() const {
    QFile f(FFile);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
  }
  QTemporaryDir FDir;
  QString FFile;
};

TEST_F(IniFiles, WrittenRereadAndDamagedNumbersReadAsTheDefault) {
  const QString pascal = run(
      kPascal,
      {"var ini: TIniFile; mem: TMemIniFile; r: String;", "begin",
       QStringLiteral("  ini := TIniFile.Create('%1');").arg(FFile),
       "  ini.WriteInteger('Sheet', 'Cells', 32); ini.WriteString('Sheet', 'Title', '練習 一');",
       "  ini.WriteBool('Sheet', 'Guides', True); ini.WriteFloat('Sheet', 'Scale', 1.25);",
       "  ini.Free;", QStringLiteral("  mem := TMemIniFile.Create('%1');").arg(FFile),
       "  r := IntToStr(mem.ReadInteger('Sheet', 'Cells', 0)) + mem.ReadString('Sheet', 'Title', '') +",
       "       BoolToStr(mem.ReadBool('Sheet', 'Guides', False)) + FloatToStr(mem.ReadFloat('Sheet', 'Scale', 0));",
       "  mem.WriteString('Sheet', 'Cells', '3x');",
       "  r := r + '|' + IntToStr(mem.ReadInteger('Sheet', 'Cells', 7)) +",
       "       IntToStr(mem.ReadInteger('Other', 'Cells', 8)) + FloatToStr(mem.ReadFloat('Sheet', 'Title', 2.5))",
       "end."});
  EXPECT_EQ(pascal, "32練習 一-11.25|782.5");
  // The memory object changed nothing on disk.
  EXPECT_EQ(fileText(), "[Sheet]\nCells=32\nTitle=練習 一\nGuides=1\nScale=1.25\n");

  const QString jscript = run(
      kJScript,
      {QStringLiteral("var ini = new TIniFile(\"%1\");").arg(FFile),
       "ini.WriteString(\"Sheet\", \"Cells\", \"many\");",
       "r = IntToStr(ini.ReadInteger(\"Sheet\", \"Cells\", 5)) + ini.ReadString(\"Sheet\", \"Missing\", \"none\");",
       "ini.DeleteKey(\"Sheet\", \"Scale\");", "r = r + BoolToStr(ini.ValueExists(\"Sheet\", \"Scale\"));",
       "ini.WriteDateTime(\"Day\", \"At\", EncodeDate(2026, 12, 10) + EncodeTime(8, 30, 0, 0));",
       "ini.WriteDate(\"Day\", \"On\", EncodeDate(2026, 12, 10) + EncodeTime(8, 30, 0, 0));",
       "r = r + \"|\" + DateTimeToStr(ini.ReadDateTime(\"Day\", \"At\", 0)) + \"|\" + TimeToStr(ini.ReadTime(\"Day\", \"On\", 0.5));"});
  EXPECT_EQ(jscript.toStdString(), "5none0|10.12.2026 08:30:00|12:00:00");
  EXPECT_EQ(fileText().toStdString(),
            "[Sheet]\nCells=many\nTitle=練習 一\nGuides=1\n[Day]\nAt=10.12.2026 08:30:00\nOn=10.12.2026\n");
}

TEST_F(IniFiles, SectionsListsAndStreams) {
  QFile f(FFile);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("; made by hand\n[Words]\nmonday=永\ntuesday = 和\nplain line\n\n[Empty]\n");
  f.close();
  const QString r = run(
      kPascal,
      {"var ini: TMemIniFile; s, t: TStringList; m: TMemoryStream; r: String;", "begin",
       QStringLiteral("  ini := TMemIniFile.Create('%1');").arg(FFile),
       "  s := TStringList.Create; t := TStringList.Create;",
       "  ini.ReadSections(s); r := s.CommaText + '|';",
       "  ini.ReadSection('words', s); r := r + s.CommaText + '|';",
       "  ini.ReadSectionValues('Words', s); r := r + s.CommaText + '|';",
       "  ini.ReadSectionValuesEx('Words', s); r := r + IntToStr(s.Count) + '|';",
       "  t.Add('a'); t.Add('b c'); ini.WriteTStrings('List', t); t.Clear;",
       "  ini.ReadTStrings('List', t); r := r + t.CommaText + '|';",
       "  m := TMemoryStream.Create; m.Write('xyz', 3); m.Position := 0;",
       "  ini.WriteBinaryStream('Bin', 'Data', m); m.Clear;",
       "  r := r + ini.ReadString('Bin', 'Data', '') + IntToStr(ini.ReadBinaryStream('Bin', 'Data', m));",
       "  r := r + BoolToStr(ini.SectionExists('empty')); ini.EraseSection('Empty');",
       "  r := r + BoolToStr(ini.SectionExists('empty'))", "end."});
  EXPECT_EQ(r.toStdString(), "Words,Empty|monday,tuesday|monday=永,tuesday=和|3|a,\"b c\"|78797A3-10");
}

TEST_F(IniFiles, AnUnwritableFileIsAScriptError) {
  const QString file = FDir.filePath(QStringLiteral("missing-folder/sheet.ini"));
  EXPECT_TRUE(run(kBasic, {QStringLiteral("Set ini = New TIniFile(\"%1\")").arg(file),
                           "ini.WriteInteger(\"a\", \"b\", 1)"})
                  .startsWith(QStringLiteral("error: Cannot create file \"%1\"").arg(file)));
  // A memory object keeps its changes until asked to write them.
  EXPECT_TRUE(run(kPascal, {"var ini: TMemIniFile;", "begin",
                            QStringLiteral("  ini := TMemIniFile.Create('%1');").arg(file),
                            "  ini.WriteInteger('a', 'b', 1);", "  ini.UpdateFile", "end."})
                  .endsWith("(line 5)"));
}

}  // namespace
