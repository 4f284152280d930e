#pragma once
// Makes the report's ShowReport open the preview window, its printing show the progress window,
// its dialog pages show as modal windows and a protected report ask for its password with the
// password dialog: installs their makers in the report services. Called once at start-up.
void rpInstallPreview();
