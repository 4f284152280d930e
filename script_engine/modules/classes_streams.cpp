// The script classes TStream, TFileStream and TMemoryStream.
#include "script_engine/modules/class_binding.h"
#include "script_engine/modules/classes_module.h"
#include "script_engine/modules/script_streams.h"

namespace {

using Stream = TscStreamObject;

ScriptValue none() { return ScriptValue::Null(); }

Stream& streamArgument(const ScriptValue& v, const char* member) {
  return scArgumentAs<Stream>(v, scGeneralClasses().Stream, QString::fromLatin1(member));
}

// Write's bytes: the first `count` bytes of the text's bytes. A count that equals the text's
// length writes the whole text, so that Write(s, Length(s)) writes every character of a text
// whose characters take more than one byte.
QByteArray bytesToWrite(const QString& text, qint64 count) {
  const QByteArray bytes = scBytesOf(text);
  if (count == text.size()) return bytes;
  if (count < 0) throw ScriptError(QStringLiteral("Write: negative count %1").arg(count));
  return bytes.left(count);
}

void registerStream(TscClassVariable* c) {
  scBindMethod<Stream>(c, "function Read(var Buffer: string; Count: Longint): Longint",
                       [](Stream& s, TscArgs& a) {
                         const QByteArray bytes = s.ReadBytes(a[1].ToInt64());
                         a[0] = ScriptValue(scTextOfBytes(bytes));
                         return ScriptValue(int(bytes.size()));
                       });
  scBindMethod<Stream>(c, "function Write(Buffer: string; Count: Longint): Longint",
                       [](Stream& s, TscArgs& a) {
                         const QByteArray bytes = bytesToWrite(a[0].ToText(), a[1].ToInt64());
                         s.WriteBytes(bytes);
                         return ScriptValue(int(bytes.size()));
                       });
  scBindMethod<Stream>(c, "function Seek(Offset: Longint; Origin: Word): Longint", [](Stream& s, TscArgs& a) {
    return ScriptValue::FromInteger(s.Seek(a[0].ToInt64(), a[1].ToInt32()));
  });
  scBindMethod<Stream>(c, "function CopyFrom(Source: TStream; Count: Longint): Longint",
                       [](Stream& s, TscArgs& a) {
                         Stream& source = streamArgument(a[0], "CopyFrom");
                         qint64 count = a[1].ToInt64();
                         if (count <= 0) {  // the whole source
                           source.SetPosition(0);
                           count = source.Size();
                         }
                         s.WriteBytes(source.ReadExactly(count));
                         return ScriptValue::FromInteger(count);
                       });
  scBindProperty<Stream>(
      c, "Position", "Longint", [](Stream& s) { return ScriptValue::FromInteger(s.Position()); },
      [](Stream& s, const ScriptValue& v) { s.SetPosition(v.ToInt64()); });
  scBindProperty<Stream>(c, "Size", "Longint", [](Stream& s) { return ScriptValue::FromInteger(s.Size()); });
}

void registerMemoryStream(TscClassVariable* c, TscScript& script) {
  using Memory = TscMemoryStream;
  scBindConstructor(c, "constructor Create", script, [](const TscHostClass&, TscMethodHelper&) {
    return std::make_unique<Memory>();
  });
  scBindMethod<Memory>(c, "procedure Clear", [](Memory& s, TscArgs&) {
    s.Clear();
    return none();
  });
  scBindMethod<Memory>(c, "procedure LoadFromStream(Stream: TStream)", [](Memory& s, TscArgs& a) {
    Stream& source = streamArgument(a[0], "LoadFromStream");
    source.SetPosition(0);
    s.SetData(source.ReadAll());
    return none();
  });
  scBindMethod<Memory>(c, "procedure LoadFromFile(Filename: String)", [](Memory& s, TscArgs& a) {
    s.SetData(scReadFile(a[0].ToText()));
    return none();
  });
  scBindMethod<Memory>(c, "procedure SaveToStream(Stream: TStream)", [](Memory& s, TscArgs& a) {
    streamArgument(a[0], "SaveToStream").WriteBytes(s.Data());
    return none();
  });
  scBindMethod<Memory>(c, "procedure SaveToFile(Filename: String)", [](Memory& s, TscArgs& a) {
    scWriteFile(a[0].ToText(), s.Data());
    return none();
  });
}

}  // namespace

void scRegisterStreamClasses(TscScript& script) {
  const TscGeneralClasses& classes = scGeneralClasses();
  if (TscClassVariable* stream = script.AddClass(&classes.Stream, QStringLiteral("TObject")))
    registerStream(stream);
  if (TscClassVariable* file = script.AddClass(&classes.FileStream, QStringLiteral("TStream")))
    scBindConstructor(file, "constructor Create(Filename: String; Mode: Word)", script,
                      [](const TscHostClass&, TscMethodHelper& call) {
                        return std::make_unique<TscFileStream>(call.Argument(0).ToText(),
                                                               call.Argument(1).ToInt32());
                      });
  if (TscClassVariable* memory = script.AddClass(&classes.MemoryStream, QStringLiteral("TStream")))
    registerMemoryStream(memory, script);
}
