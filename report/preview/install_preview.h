#pragma once
// Makes the report's ShowReport open the preview window and its printing show the progress
// window: installs their makers in the report services. Called once at start-up.
void rpInstallPreview();
