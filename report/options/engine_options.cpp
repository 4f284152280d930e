#include "report/options/engine_options.h"

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"

namespace {
constexpr TrpEnumValue kSilentModes[] = {
    {"simMessageBoxes", simMessageBoxes}, {"simSilent", simSilent}, {"simReThrow", simReThrow}};
}

const TrpEnumType rpSilentModeType{"TrpSilentMode", kSilentModes};

const TrpClassInfo& TrpEngineOptions::StaticClassInfo() {
  using C = TrpEngineOptions;
  static const TrpClassInfo info(
      "TrpEngineOptions", nullptr, nullptr,
      {
          rpBoolean<&C::ConvertNulls, &C::SetConvertNulls>("ConvertNulls", true),
          rpBoolean<&C::DestroyForms, &C::SetDestroyForms>("DestroyForms").PublicOnly(),
          rpBoolean<&C::DoublePass, &C::SetDoublePass>("DoublePass", false),
          rpInteger<&C::MaxMemSize, &C::SetMaxMemSize>("MaxMemSize", 10),
          rpBoolean<&C::PrintIfEmpty, &C::SetPrintIfEmpty>("PrintIfEmpty", true),
          rpBoolean<&C::EnableThreadSafe, &C::SetEnableThreadSafe>("EnableThreadSafe")
              .PublicOnly(),
          rpEnum<&C::NewSilentMode, &C::SetNewSilentMode>("NewSilentMode", rpSilentModeType,
                                                          simMessageBoxes),
          // Written only as a companion of simSilent: a full write of simReThrow must not carry a
          // "False" that would read back as simMessageBoxes.
          rpBoolean<&C::SilentMode, &C::SetSilentMode>("SilentMode", false)
              .StoredIf([](const TrpPersistent& o) {
                return static_cast<const C&>(o).SilentMode();
              }),
          rpString<&C::TempDir, &C::SetTempDir>("TempDir"),
          rpBoolean<&C::UseFileCache, &C::SetUseFileCache>("UseFileCache", false),
          rpBoolean<&C::UseGlobalDataSetList, &C::SetUseGlobalDataSetList>("UseGlobalDataSetList")
              .PublicOnly(),
          rpBoolean<&C::IgnoreDevByZero, &C::SetIgnoreDevByZero>("IgnoreDevByZero", false),
      });
  return info;
}

const TrpClassInfo& TrpEngineOptions::ClassInfo() const { return StaticClassInfo(); }

void TrpEngineOptions::Assign(const TrpPersistent& source) {
  const auto* other = dynamic_cast<const TrpEngineOptions*>(&source);
  if (!other) return;
  FConvertNulls = other->FConvertNulls;
  FDoublePass = other->FDoublePass;
  FMaxMemSize = other->FMaxMemSize;
  FPrintIfEmpty = other->FPrintIfEmpty;
  FNewSilentMode = other->FNewSilentMode;
  FTempDir = other->FTempDir;
  FUseFileCache = other->FUseFileCache;
  FIgnoreDevByZero = other->FIgnoreDevByZero;
}

void TrpEngineOptions::Clear() {
  FConvertNulls = true;
  FDoublePass = false;
  FIgnoreDevByZero = false;
}
