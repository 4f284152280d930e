#include "report/objects/component_state.h"

#include "report/objects/align.h"

namespace {

constexpr TrpEnumValue kRestrictions[] = {{"rfDontModify", rfDontModify},
                                          {"rfDontSize", rfDontSize},
                                          {"rfDontMove", rfDontMove},
                                          {"rfDontDelete", rfDontDelete},
                                          {"rfDontEdit", rfDontEdit}};
constexpr TrpEnumValue kStyles[] = {{"csContainer", csContainer},
                                    {"csPreviewVisible", csPreviewVisible},
                                    {"csDefaultDiff", csDefaultDiff},
                                    {"csHandlesNestedProperties", csHandlesNestedProperties}};
constexpr TrpEnumValue kPrintOn[] = {{"ptFirstPage", ptFirstPage},
                                     {"ptLastPage", ptLastPage},
                                     {"ptOddPages", ptOddPages},
                                     {"ptEvenPages", ptEvenPages},
                                     {"ptRepeatedBand", ptRepeatedBand}};
constexpr TrpEnumValue kAligns[] = {{"baNone", baNone},     {"baLeft", baLeft},
                                    {"baRight", baRight},   {"baCenter", baCenter},
                                    {"baWidth", baWidth},   {"baBottom", baBottom},
                                    {"baClient", baClient}};

}  // namespace

const TrpEnumType rpRestrictionsType{"TrpRestrictions", kRestrictions};
const TrpEnumType rpComponentStyleType{"TrpComponentStyle", kStyles};
const TrpEnumType rpPrintOnTypesType{"TrpPrintOnTypes", kPrintOn};
const TrpEnumType rpAlignType{"TrpAlign", kAligns};
