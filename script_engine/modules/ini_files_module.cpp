// The settings-file module.
#include "script_engine/modules/ini_files_module.h"

#include <QFileInfo>

#include <cmath>

#include "script_engine/modules/class_binding.h"
#include "script_engine/modules/classes_module.h"
#include "script_engine/modules/ini_file.h"
#include "script_engine/modules/script_streams.h"
#include "script_engine/modules/strings_object.h"
#include "script_engine/modules/system_locale.h"
#include "script_engine/modules/system_module.h"
#include "script_engine/modules/system_parse.h"

namespace {

struct IniClasses {
  TscHostClass Custom{QStringLiteral("TCustomIniFile"), &scGeneralClasses().Object};
  TscHostClass Memory{QStringLiteral("TMemIniFile"), &Custom};
  TscHostClass File{QStringLiteral("TIniFile"), &Custom};
};
const IniClasses& iniClasses() {
  static const IniClasses classes;
  return classes;
}

class IniObject : public TscHostObject {
 public:
  IniObject(const TscHostClass& cls, const QString& fileName)
      : FClass(cls), FFileName(fileName), FWriteThrough(&cls == &iniClasses().File) {
    reload();
  }
  const TscHostClass* HostClass() const override { return &FClass; }
  void Release() override { FIni.Clear(); }
  const QString& FileName() const { return FFileName; }

  // The text to read from (a TIniFile's file read anew).
  const TscIniFile& ForReading() {
    if (FWriteThrough) reload();
    return FIni;
  }
  // Changes the text; a TIniFile's file is read before and written after.
  template <class Edit>
  void Change(Edit change) {
    if (FWriteThrough) reload();
    change(FIni);
    if (FWriteThrough) UpdateFile();
  }
  void UpdateFile() {
    if (FFileName.isEmpty()) return;
    scWriteFile(FFileName, FIni.Text().toUtf8());
  }
  TscIniFile& Ini() { return FIni; }

 private:
  // A missing file is an empty one; an existing file that cannot be read is an error.
  void reload() {
    if (FFileName.isEmpty() || !QFileInfo::exists(FFileName)) {
      FIni.Clear();
      return;
    }
    FIni.SetText(scDecodeText(scReadFile(FFileName)));
  }

  const TscHostClass& FClass;
  QString FFileName;
  bool FWriteThrough;
  TscIniFile FIni;
};

using Self = IniObject;
ScriptValue none() { return ScriptValue::Null(); }

QString readText(Self& s, TscArgs& a) {
  return s.ForReading().ReadString(a[0].ToText(), a[1].ToText(), QString());
}
bool hasValue(Self& s, TscArgs& a) { return s.ForReading().ValueExists(a[0].ToText(), a[1].ToText()); }
void writeText(Self& s, TscArgs& a, const QString& value) {
  s.Change([&](TscIniFile& ini) { ini.WriteString(a[0].ToText(), a[1].ToText(), value); });
}

TscStringsObject& stringsArgument(const ScriptValue& v, const char* member) {
  return scArgumentAs<TscStringsObject>(v, scGeneralClasses().Strings, QString::fromLatin1(member));
}
TscStreamObject& streamArgument(const ScriptValue& v, const char* member) {
  return scArgumentAs<TscStreamObject>(v, scGeneralClasses().Stream, QString::fromLatin1(member));
}

// A value that is no number of the kind asked for reads as the default.
using Parse = bool (*)(const QString&, double&);
ScriptValue readNumber(Self& s, TscArgs& a, Parse parse) {
  double value = 0;
  if (hasValue(s, a) && parse(readText(s, a), value)) return ScriptValue(value);
  return a[2];
}
bool parseFloat(const QString& t, double& v) {
  return scParseFloat(t, scLocaleFormat(), v) || scParseFloat(t, TscLocaleFormat::Invariant(), v);
}
bool parseDate(const QString& t, double& v) { return scParseDate(t, scLocaleFormat(), v); }
bool parseTime(const QString& t, double& v) { return scParseTime(t, scLocaleFormat(), v); }
bool parseDateTime(const QString& t, double& v) { return scParseDateTime(t, scLocaleFormat(), v); }

void registerTypedValues(TscClassVariable* c) {
  scBindMethod<Self>(c, "function ReadInteger(const Section, Ident: String; Default: LongInt): LongInt",
                     [](Self& s, TscArgs& a) {
                       std::int64_t value = 0;
                       if (hasValue(s, a) && scParseInteger(readText(s, a), value))
                         return ScriptValue::FromInteger(value);
                       return a[2];
                     });
  scBindMethod<Self>(c, "procedure WriteInteger(const Section, Ident: String; Value: LongInt)",
                     [](Self& s, TscArgs& a) {
                       writeText(s, a, QString::number(a[2].ToInt64()));
                       return none();
                     });
  scBindMethod<Self>(c, "function ReadBool(const Section, Ident: String; Default: Boolean): Boolean",
                     [](Self& s, TscArgs& a) {
                       const QString text = readText(s, a).trimmed();
                       std::int64_t n = 0;
                       if (hasValue(s, a) && scParseInteger(text, n)) return ScriptValue(n != 0);
                       if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return ScriptValue(true);
                       if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return ScriptValue(false);
                       return a[2];
                     });
  scBindMethod<Self>(c, "procedure WriteBool(const Section, Ident: String; Value: Boolean)",
                     [](Self& s, TscArgs& a) {
                       writeText(s, a, a[2].ToBool() ? QStringLiteral("1") : QStringLiteral("0"));
                       return none();
                     });
  // Numbers, dates and times: read with the system's parsing, written in its formats.
  struct Typed {
    const char* read;
    const char* write;
    Parse parse;
    QString (*text)(double);
  };
  static const Typed kTyped[] = {
      {"function ReadFloat(const Section, Name: String; Default: Double): Double",
       "procedure WriteFloat(const Section, Name: String; Value: Double)", parseFloat, FloatToText},
      {"function ReadDate(const Section, Name: String; Default: TDateTime): TDateTime",
       "procedure WriteDate(const Section, Name: String; Value: TDateTime)", parseDate,
       [](double d) { return scDateText(std::trunc(d)); }},
      {"function ReadDateTime(const Section, Name: String; Default: TDateTime): TDateTime",
       "procedure WriteDateTime(const Section, Name: String; Value: TDateTime)", parseDateTime,
       scDateTimeText},
      {"function ReadTime(const Section, Name: String; Default: TDateTime): TDateTime",
       "procedure WriteTime(const Section, Name: String; Value: TDateTime);", parseTime, scTimeText},
  };
  for (const Typed& t : kTyped) {
    scBindMethod<Self>(c, t.read, [&t](Self& s, TscArgs& a) { return readNumber(s, a, t.parse); });
    scBindMethod<Self>(c, t.write, [&t](Self& s, TscArgs& a) {
      writeText(s, a, t.text(a[2].ToDouble()));
      return none();
    });
  }
}

// Binary values are written as hexadecimal digits: the stream's bytes from its position on.
void registerBinaryValues(TscClassVariable* c) {
  scBindMethod<Self>(c, "function ReadBinaryStream(const Section, Name: String; Value: TStream): Integer",
                     [](Self& s, TscArgs& a) {
                       const QByteArray bytes = QByteArray::fromHex(readText(s, a).toLatin1());
                       streamArgument(a[2], "ReadBinaryStream").WriteBytes(bytes);
                       return ScriptValue(int(bytes.size()));
                     });
  scBindMethod<Self>(c, "procedure WriteBinaryStream(const Section, Name: String; Value: TStream)",
                     [](Self& s, TscArgs& a) {
                       const QByteArray bytes = streamArgument(a[2], "WriteBinaryStream").ReadAll();
                       writeText(s, a, QString::fromLatin1(bytes.toHex().toUpper()));
                       return none();
                     });
}

// A string list kept in a section as "Count" and "Item0", "Item1", ...
void registerStringLists(TscClassVariable* c) {
  scBindMethod<Self>(c, "procedure WriteTStrings(const Section :String; Value :TStrings; IsClear :Boolean = True)",
                     [](Self& s, TscArgs& a) {
                       const TscStringList& list = stringsArgument(a[1], "WriteTStrings").List;
                       const QString section = a[0].ToText();
                       s.Change([&](TscIniFile& ini) {
                         if (a[2].ToBool()) ini.EraseSection(section);
                         ini.WriteString(section, QStringLiteral("Count"), QString::number(list.Count()));
                         for (int i = 0; i < list.Count(); ++i)
                           ini.WriteString(section, QStringLiteral("Item%1").arg(i), list.Strings(i));
                       });
                       return none();
                     });
  scBindMethod<Self>(c, "function ReadTStrings(const Section :String; Value :TStrings; IsClear :Boolean = True): String;",
                     [](Self& s, TscArgs& a) {
                       TscStringList& list = stringsArgument(a[1], "ReadTStrings").List;
                       const TscIniFile& ini = s.ForReading();
                       const QString section = a[0].ToText();
                       if (a[2].ToBool()) list.Clear();
                       const int count = ini.ReadString(section, QStringLiteral("Count"), QString()).toInt();
                       for (int i = 0; i < count; ++i)
                         list.Add(ini.ReadString(section, QStringLiteral("Item%1").arg(i), QString()));
                       return ScriptValue(list.Text());
                     });
}

void registerCustom(TscClassVariable* c, TscScript& script) {
  scBindConstructor(c, "constructor Create(const FileName: String)", script,
                    [](const TscHostClass& cls, TscMethodHelper& call) {
                      return std::make_unique<IniObject>(cls, call.Argument(0).ToText());
                    });
  registerTypedValues(c);
  registerBinaryValues(c);
  registerStringLists(c);
  scBindMethod<Self>(c, "function SectionExists(const Section: String): Boolean", [](Self& s, TscArgs& a) {
    return ScriptValue(s.ForReading().SectionExists(a[0].ToText()));
  });
  scBindMethod<Self>(c, "function ValueExists(const Section, Ident: String): Boolean",
                     [](Self& s, TscArgs& a) { return ScriptValue(hasValue(s, a)); });
  scBindProperty<Self>(c, "FileName", "String", [](Self& s) { return s.FileName(); });
}

void fill(const ScriptValue& target, const char* member, const QStringList& lines) {
  TscStringList& list = stringsArgument(target, member).List;
  list.Clear();
  for (const QString& line : lines) list.Add(line);
}

// The members TMemIniFile and TIniFile share.
void registerTextMembers(TscClassVariable* c) {
  scBindMethod<Self>(c, "procedure WriteString(const Section, Ident, Value: String)", [](Self& s, TscArgs& a) {
    writeText(s, a, a[2].ToText());
    return none();
  });
  scBindMethod<Self>(c, "function ReadString(const Section, Ident, Default: String): String;",
                     [](Self& s, TscArgs& a) {
                       return ScriptValue(s.ForReading().ReadString(a[0].ToText(), a[1].ToText(), a[2].ToText()));
                     });
  scBindMethod<Self>(c, "procedure DeleteKey(const Section, Ident: String)", [](Self& s, TscArgs& a) {
    s.Change([&](TscIniFile& ini) { ini.DeleteKey(a[0].ToText(), a[1].ToText()); });
    return none();
  });
  scBindMethod<Self>(c, "procedure EraseSection(const Section: String)", [](Self& s, TscArgs& a) {
    s.Change([&](TscIniFile& ini) { ini.EraseSection(a[0].ToText()); });
    return none();
  });
  scBindMethod<Self>(c, "procedure ReadSection(const Section: String; Strings: TStrings)", [](Self& s, TscArgs& a) {
    fill(a[1], "ReadSection", s.ForReading().SectionNames(a[0].ToText()));
    return none();
  });
  scBindMethod<Self>(c, "procedure ReadSections(Strings: TStrings)", [](Self& s, TscArgs& a) {
    fill(a[0], "ReadSections", s.ForReading().Sections());
    return none();
  });
  scBindMethod<Self>(c, "procedure ReadSectionValues(const Section: String; Strings: TStrings)",
                     [](Self& s, TscArgs& a) {
                       fill(a[1], "ReadSectionValues", s.ForReading().SectionValues(a[0].ToText()));
                       return none();
                     });
  scBindMethod<Self>(c, "procedure ReadSectionValuesEx(const Section: String; Strings: TStrings)",
                     [](Self& s, TscArgs& a) {
                       fill(a[1], "ReadSectionValuesEx", s.ForReading().SectionLines(a[0].ToText()));
                       return none();
                     });
  scBindMethod<Self>(c, "procedure SaveIniFileToStream(oStream: TStream)", [](Self& s, TscArgs& a) {
    streamArgument(a[0], "SaveIniFileToStream").WriteBytes(s.ForReading().Text().toUtf8());
    return none();
  });
  scBindMethod<Self>(c, "procedure LoadIniFileFromStream(oStream: TStream)", [](Self& s, TscArgs& a) {
    const QString text = scDecodeText(streamArgument(a[0], "LoadIniFileFromStream").ReadAll());
    s.Change([&](TscIniFile& ini) { ini.SetText(text); });
    return none();
  });
}

void registerMemory(TscClassVariable* c, TscScript& script) {
  scBindConstructor(c, "constructor Create(const FileName: String)", script,
                    [](const TscHostClass& cls, TscMethodHelper& call) {
                      return std::make_unique<IniObject>(cls, call.Argument(0).ToText());
                    });
  registerTextMembers(c);
  scBindMethod<Self>(c, "procedure Clear", [](Self& s, TscArgs&) {
    s.Ini().Clear();
    return none();
  });
  scBindMethod<Self>(c, "procedure GetStrings(List: TStrings)", [](Self& s, TscArgs& a) {
    stringsArgument(a[0], "GetStrings").List.SetText(s.Ini().Text());
    return none();
  });
  scBindMethod<Self>(c, "procedure SetStrings(List: TStrings)", [](Self& s, TscArgs& a) {
    s.Ini().SetText(stringsArgument(a[0], "SetStrings").List.Text());
    return none();
  });
  // Writes the text in memory to the file.
  scBindMethod<Self>(c, "procedure UpdateFile", [](Self& s, TscArgs&) {
    s.UpdateFile();
    return none();
  });
}

class IniFilesModule : public TscRTTIModule {
 public:
  explicit IniFilesModule(TscScript* script) : TscRTTIModule(script) {
    const IniClasses& classes = iniClasses();
    if (TscClassVariable* custom = script->AddClass(&classes.Custom, QStringLiteral("TObject")))
      registerCustom(custom, *script);
    if (TscClassVariable* memory = script->AddClass(&classes.Memory, QStringLiteral("TCustomIniFile")))
      registerMemory(memory, *script);
    if (TscClassVariable* file = script->AddClass(&classes.File, QStringLiteral("TCustomIniFile")))
      registerTextMembers(file);
  }
};

}  // namespace

TscRTTIModule* scCreateIniFilesModule(TscScript* script) { return new IniFilesModule(script); }
