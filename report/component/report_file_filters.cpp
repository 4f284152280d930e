// The registered compressor and crypter of report files.
#include "report/objects/custom_compressor.h"
#include "report/objects/custom_crypter.h"

namespace {
TrpCompressorClass& compressorClass() {
  static TrpCompressorClass maker;
  return maker;
}
TrpCrypterClass& crypterClass() {
  static TrpCrypterClass maker;
  return maker;
}
}  // namespace

const TrpCompressorClass& rpCompressorClass() { return compressorClass(); }
void rpSetCompressorClass(TrpCompressorClass maker) { compressorClass() = std::move(maker); }
const TrpCrypterClass& rpCrypterClass() { return crypterClass(); }
void rpSetCrypterClass(TrpCrypterClass maker) { crypterClass() = std::move(maker); }
