#pragma once

// The stored windows and reports name fonts of another desktop ("標楷體", "Tahoma", "Arial").
// Registering substitutions maps each of these names to a face installed here, so text set in
// them is drawn in a face of the same kind (Kai, Ming, sans, serif). Call once at start-up, after
// the application object exists; calling again changes nothing.
#include <QString>
#include <span>

namespace stroval {

struct FontSubstitution {
  const char* family;             // the name the stored descriptions use (UTF-8)
  const char* const* substitutes; // installed faces, best first, nullptr-terminated
};

// The names and their substitutes, as the program registers them.
std::span<const FontSubstitution> FontSubstitutions();

void RegisterFontSubstitutions();

// The same substitutions as a fontconfig file, so that other programs on the system (a PDF
// viewer, an office suite opening an export) find the same faces for these names. Installed in
// fontconfig's folder of available settings and enabled in its folder of active ones.
QString FontconfigSubstitutions();

}  // namespace stroval
