// Row numbers of the data loop. Each data band and group header counts its own rows: "Line" is
// the number within the current master row or group, "Line#" counts on through the whole pass.
// The rows enclosing the band being shown are kept as a path of band names and row numbers
// ("MasterData1.3"), from which drill-down keys are built.
#include "report/engine/engine.h"
#include "report/pages/data_band.h"
#include "report/pages/group_header.h"

void TrpEngine::ResetLineNumbers() {
  FBandLines.clear();
  for (const auto& bands : std::as_const(FBands)) {
    for (const auto& master : bands->Masters) ResetLineNumbers(*master);
    for (const auto& master : bands->Vertical.Masters) ResetLineNumbers(*master);
  }
}

void TrpEngine::ResetLineNumbers(TrpDataNode& node) {
  node.Band->FLineN = node.Band->FLineThrough = 0;
  for (TrpGroupLevel& level : node.Groups) level.Header->FLineN = level.Header->FLineThrough = 0;
  for (const auto& detail : node.Details) ResetLineNumbers(*detail);
}

// The band's row `line` becomes current: its number in the group and through the pass.
void TrpEngine::StartBandLine(TrpBand& band, int line) {
  band.FLineN = line;
  ++band.FLineThrough;
  SetBandLine(band);
}

// "Line" and "Line#" answer for `band` again, as after its detail bands ran.
void TrpEngine::SetBandLine(const TrpBand& band) {
  SetCurLine(band.FLineN);
  SetCurLineThrough(band.FLineThrough);
}

void TrpEngine::PushBandLine(const TrpBand& band) { FBandLines.append({band.Name(), band.FLineN}); }

void TrpEngine::PopBandLine() {
  if (!FBandLines.isEmpty()) FBandLines.removeLast();
}

QStringList TrpEngine::BandLinePath() const {
  QStringList path;
  path.reserve(FBandLines.size());
  for (const BandLine& line : FBandLines) path << line.Band + QLatin1Char('.') + QString::number(line.Line);
  return path;
}

QString TrpEngine::NestedLinePath() const { return BandLinePath().join(QLatin1Char('.')); }
