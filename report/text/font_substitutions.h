#pragma once

// The stored windows and reports name fonts of another desktop ("標楷體", "Tahoma", "Arial").
// Registering substitutions maps each of these names to a face installed here, so text set in
// them is drawn in a face of the same kind (Kai, Ming, sans, serif). Call once at start-up, after
// the application object exists; calling again changes nothing.
namespace stroval {

void RegisterFontSubstitutions();

}  // namespace stroval
