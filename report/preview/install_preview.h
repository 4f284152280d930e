#pragma once
// Makes the report's ShowReport open the preview window, its printing show the progress window
// and its dialog pages show as modal windows: installs their makers in the report services.
// Called once at start-up.
void rpInstallPreview();
