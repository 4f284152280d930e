#include "report/options/duplex_mode.h"

namespace {
constexpr TrpEnumValue kDuplexModes[] = {{"dmNone", dmNone},
                                         {"dmVertical", dmVertical},
                                         {"dmHorizontal", dmHorizontal},
                                         {"dmSimplex", dmSimplex}};
}  // namespace

const TrpEnumType rpDuplexModeType{"TrpDuplexMode", kDuplexModes};
