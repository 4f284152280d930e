// Evaluation of designators: the general walk over the items and the three shortcut kinds.
#include "script_engine/interpreter/designator.h"

#include <new>

#include "script_engine/front/script_error.h"
#include "script_engine/front/xml.h"
#include "script_engine/interpreter/expression.h"
#include "script_engine/interpreter/helpers.h"
#include "script_engine/interpreter/procedure.h"
#include "script_engine/interpreter/script.h"

namespace {

TscLateBinder& lateBinder() {
  static TscLateBinder binder;
  return binder;
}

bool isPlainVariable(const TscCustomVariable* v) {
  return dynamic_cast<const TscVariable*>(v) || dynamic_cast<const TscParamItem*>(v);
}

// Argument values of one item. Up to eight live on the stack, and only as many as there are
// arguments are constructed: a call neither allocates nor touches unused slots.
class Arguments {
 public:
  explicit Arguments(int count) : FCount(count) {
    if (count > kLocal) {
      FHeap.resize(std::size_t(count));
      FData = FHeap.data();
    } else {
      FData = reinterpret_cast<ScriptValue*>(FLocal);
      for (int i = 0; i < count; ++i) new (FData + i) ScriptValue();
    }
  }
  ~Arguments() {
    if (FHeap.empty())
      for (int i = 0; i < FCount; ++i) FData[i].~ScriptValue();
  }
  Arguments(const Arguments&) = delete;
  Arguments& operator=(const Arguments&) = delete;
  ScriptValue* data() { return FData; }
  ScriptValue& operator[](int i) { return FData[i]; }
  int count() const { return FCount; }

 private:
  static constexpr int kLocal = 8;
  int FCount;
  ScriptValue* FData;
  alignas(ScriptValue) unsigned char FLocal[kLocal * sizeof(ScriptValue)];
  std::vector<ScriptValue> FHeap;
};

// Up to kDirectArguments argument values of a direct call, constructed in place as they are read.
constexpr int kDirectArguments = 4;
class DirectArguments {
 public:
  DirectArguments() = default;
  ~DirectArguments() {
    for (int i = 0; i < FCount; ++i) Data()[i].~ScriptValue();
  }
  DirectArguments(const DirectArguments&) = delete;
  DirectArguments& operator=(const DirectArguments&) = delete;
  void Add(ScriptValue&& value) { new (Data() + FCount++) ScriptValue(std::move(value)); }
  ScriptValue* Data() { return reinterpret_cast<ScriptValue*>(FStorage); }

 private:
  int FCount = 0;
  alignas(ScriptValue) unsigned char FStorage[kDirectArguments * sizeof(ScriptValue)];
};

void computeArguments(TscDesignatorItem* item, Arguments& args) {
  if (item->FRef->FIsMacro) {
    // A macro function receives its arguments' source texts.
    for (int j = 0; j < args.count(); ++j) {
      auto* e = dynamic_cast<TscExpression*>(item->Argument(j));
      args[j] = ScriptValue(e ? e->FSource : QString());
    }
    return;
  }
  if (int(item->FArgumentSources.size()) != args.count()) item->Prepare();
  for (int j = 0; j < args.count(); ++j) args[j] = item->FArgumentSources[std::size_t(j)]->ReadValue();
}

}  // namespace

QString scReplaceChar(const QString& s, int index, const ScriptValue& by) {
  if (index < 1 || index > s.size())
    throw ScriptError(QStringLiteral("Character index %1 is outside the string (length %2)")
                          .arg(index)
                          .arg(s.size()));
  QString text = by.ToText();
  if (text.isEmpty()) throw ScriptError(QStringLiteral("A character is required"));
  QString result = s;
  result[index - 1] = text[0];
  return result;
}

ScriptValue scCharAt(const QString& s, int index) {
  if (index < 1 || index > s.size())
    throw ScriptError(QStringLiteral("Character index %1 is outside the string (length %2)")
                          .arg(index)
                          .arg(s.size()));
  return ScriptValue(QString(s[index - 1]));
}

// --- items ---

TscDesignatorItem::TscDesignatorItem(TscCustomVariable* ref, bool nested, const QString& pos)
    : FRef(ref), FFlag(nested), FSourcePos(pos) {}

TscDesignatorItem::~TscDesignatorItem() {
  if (FFlag) delete FRef;
}

void TscDesignatorItem::Prepare() {
  FProc = dynamic_cast<TscProcVariable*>(FRef);
  FHelper = dynamic_cast<TscCustomHelper*>(FRef);
  FHasVarParams = false;
  for (int j = 0; FRef && j < FRef->Count(); ++j)
    FHasVarParams = FHasVarParams || FRef->Param(j)->FIsVarParam;
  FArgumentSources.clear();
  for (int j = 0; j < Count(); ++j) FArgumentSources.push_back(scValueSource(Argument(j)));
  FPrepared = true;
}

// --- designators ---

TscDesignator::TscDesignator(TscScript* program)
    : TscCustomVariable(QString(), fvtVariant, QString()), FProgram(program) {}

TscDesignator::~TscDesignator() = default;

void TscDesignator::SetLateBinder(TscLateBinder binder) { lateBinder() = std::move(binder); }

TscDesignatorItem* TscDesignator::AddDesignatorItem(TscCustomVariable* ref, const QString& pos,
                                                    bool nested) {
  auto* item = new TscDesignatorItem(ref, nested, pos);
  AddItem(item);
  return item;
}

void TscDesignator::Finish() {
  FKind = dkOther;
  FRef1 = FRef2 = nullptr;
  FCallProc = nullptr;
  FCallSource = nullptr;
  const int n = Count();
  if (n == 0) return;
  for (int i = 0; i < n; ++i) DesignatorItem(i)->Prepare();
  TscCustomVariable* last = DesignatorItem(n - 1)->FRef;
  if (!last) return;
  SetType(last->FTyp, last->FTypeName);
  if (last->FTyp == fvtConstructor && n > 1 && DesignatorItem(n - 2)->FRef)
    SetType(fvtClass, DesignatorItem(n - 2)->FRef->FName);
  FIsReadOnly = last->FIsReadOnly;

  TscCustomVariable* first = DesignatorItem(0)->FRef;
  if (n == 1 && isPlainVariable(first) && DesignatorItem(0)->Count() == 0) {
    FKind = dkVariable;
    FRef1 = first;
  } else if (n == 2 && isPlainVariable(first) && DesignatorItem(1)->Count() == 1 &&
             (first->FTyp == fvtString || first->FTyp == fvtChar) &&
             dynamic_cast<TscStringHelper*>(last)) {
    FKind = dkStringArray;
    FRef1 = first;
  } else if (n == 2 && isPlainVariable(first) && first->FTyp == fvtArray &&
             dynamic_cast<TscArrayHelper*>(last)) {
    FKind = dkArray;
    FRef1 = first;
    FRef2 = last;
  } else if (n == 1 && DesignatorItem(0)->FProc && !DesignatorItem(0)->FHasVarParams &&
             !first->FIsMacro) {
    FKind = dkCall;
    FRef1 = first;
    if (DesignatorItem(0)->Count() == 1) {
      FCallProc = DesignatorItem(0)->FProc;
      FCallSource = DesignatorItem(0)->FArgumentSources[0];
    }
  }
}

TscDesignator* TscDesignator::resolved() {
  if (!FLateBindingXmlSource) return nullptr;
  if (!FResolved) {
    if (!lateBinder())
      throw ScriptError(QStringLiteral("Late binding needs the script compiler"));
    FResolved = lateBinder()(*this);
    if (!FResolved) throw ScriptError(QStringLiteral("Late binding failed"));
  }
  return FResolved.get();
}

ScriptValue TscDesignator::evaluateOther(bool needResult) {
  switch (FKind) {
    case dkVariable:
      return FRef1->GetValue();
    case dkStringArray:
      return stringChar();
    case dkArray:
      return arrayElement(nullptr);
    default:
      break;
  }
  if (TscDesignator* late = resolved()) return late->Evaluate(needResult);
  return walk(nullptr, needResult);
}

void TscDesignator::SetValue(const ScriptValue& value) {
  switch (FKind) {
    case dkVariable:
      FRef1->SetValue(value);
      return;
    case dkStringArray:
      setStringChar(value);
      return;
    case dkArray:
      arrayElement(&value);
      return;
    default:  // dkCall too: an assignment to a call runs the general walk
      break;
  }
  if (TscDesignator* late = resolved()) return late->SetValue(value);
  walk(&value, false);
}

// The direct call of a script procedure with by-value arguments: each argument's value is
// read from its source straight into its slot, and the procedure takes the values over.
[[gnu::always_inline]] inline ScriptValue TscDesignator::callDirect() {
  TscDesignatorItem* item = DesignatorItem(0);
  const int count = item->Count();
  if (int(item->FArgumentSources.size()) != count) item->Prepare();
  TscCustomVariable* const* sources = item->FArgumentSources.data();
  if (count == 1) {  // the most common call, its one value held plainly
    ScriptValue argument = sources[0]->ReadValue();
    return item->FProc->Invoke1(&argument);
  }
  return callWithArguments(item);
}

// A direct call with no or several arguments; apart from the one-argument call, so that the
// common call stays small.
[[gnu::noinline]] ScriptValue TscDesignator::callWithArguments(TscDesignatorItem* item) {
  const int count = item->Count();
  TscCustomVariable* const* sources = item->FArgumentSources.data();
  if (count <= kDirectArguments) {
    DirectArguments args;
    for (int j = 0; j < count; ++j) args.Add(sources[j]->ReadValue());
    return item->FProc->Invoke(args.Data(), count);
  }
  Arguments args(count);
  computeArguments(item, args);
  return item->FProc->Invoke(args.data(), count);
}

ScriptValue TscDesignator::stringChar() {
  int index = DesignatorItem(1)->Argument(0)->GetValue().ToInt32();
  return scCharAt(FRef1->GetValue().ToText(), index);
}

void TscDesignator::setStringChar(const ScriptValue& value) {
  int index = DesignatorItem(1)->Argument(0)->GetValue().ToInt32();
  FRef1->SetValue(ScriptValue(scReplaceChar(FRef1->GetValue().ToText(), index, value)));
}

ScriptValue TscDesignator::call() { return callDirect(); }

// A designator operand of an expression. Defined with the designators, so that a direct call
// is taken without a further layer of calls.
ScriptValue TscDesignatorNode::GetValue() {
  if (FVar) return FVar->ReadValue();
  return FDesignator->Evaluate(true);
}

TscDirectCallNode::TscDirectCallNode(TscDesignator* designator)
    : TscDesignatorNode(designator), FProc(designator->FCallProc),
      FArgumentSource(designator->FCallSource) {}


// The array helper reads and writes the array variable itself, so an element write changes the
// array in place instead of copying it.
ScriptValue TscDesignator::arrayElement(const ScriptValue* assigned) {
  TscDesignatorItem* item = DesignatorItem(1);
  Arguments args(item->Count());
  computeArguments(item, args);
  const int params = FRef2->Count();
  for (int j = 0; j < params; ++j) {
    TscParamItem* p = FRef2->Param(j);
    p->SetValue(j < args.count() ? args[j] : p->FDefValue);
  }
  auto* helper = static_cast<TscCustomHelper*>(FRef2);
  helper->FParentRef = FRef1;
  helper->FParentValue = ScriptValue::Null();
  helper->FProgram = FProgram;
  if (assigned) {
    FRef2->SetValue(*assigned);
    return ScriptValue();
  }
  return FRef2->GetValue();
}

// The items in order with a running value V: a nested designator gives its value; a procedure
// is called with the item's arguments; any other reference gets the arguments as its
// parameters, a helper also the item before it and V, and then V becomes its value (or, for the
// last item of an assignment, it receives the new value). By-reference parameters are written
// back into their argument expressions after each item.
ScriptValue TscDesignator::walk(const ScriptValue* assigned, bool needResult) {
  ScriptValue v = ScriptValue::Null();
  TscCustomVariable* previous = nullptr;
  const int n = Count();
  for (int i = 0; i < n; ++i) {
    TscDesignatorItem* item = DesignatorItem(i);
    if (!item->FPrepared) item->Prepare();
    TscCustomVariable* ref = item->FRef;
    const bool last = i == n - 1;
    if (item->FFlag) {
      if (last && assigned)
        ref->SetValue(*assigned);
      else
        v = ref->GetValue();
      previous = ref;
      continue;
    }
    Arguments args(item->Count());
    computeArguments(item, args);

    if (item->FProc) {
      if (!item->FHasVarParams) {
        v = item->FProc->Invoke(args.data(), args.count());
      } else {
        // Written back only after the call has put the caller's locals back, so a recursive
        // call cannot lose what it returns through a by-reference parameter.
        std::vector<ScriptValue> params;
        v = item->FProc->Invoke(args.data(), args.count(), &params);
        for (int j = 0; j < args.count() && j < int(params.size()); ++j)
          if (ref->Param(j)->FIsVarParam) item->Argument(j)->SetValue(params[std::size_t(j)]);
      }
      previous = ref;
      continue;
    }

    const int params = ref->Count();
    for (int j = 0; j < params; ++j) {
      TscParamItem* p = ref->Param(j);
      if (j < args.count())
        p->TakeValue(std::move(args[j]));
      else
        p->SetValue(p->FDefValue);
    }
    if (TscCustomHelper* h = item->FHelper) {
      h->FParentRef = previous;
      h->FParentValue = std::move(v);  // not kept twice: an array written in place stays unshared
      h->FProgram = FProgram;
    }
    if (last && assigned) {
      ref->SetValue(*assigned);
    } else {
      ref->FNeedResult = !last || needResult;
      v = ref->GetValue();
    }
    if (item->FHasVarParams)
      for (int j = 0; j < args.count() && j < params; ++j)
        if (ref->Param(j)->FIsVarParam) item->Argument(j)->SetValue(ref->Param(j)->GetValue());
    previous = ref;
  }
  return v;
}
