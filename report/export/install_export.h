#pragma once
// Registers the system's export filters, in the order of the preview's export menu: PDF, PNG,
// JPEG and plain text.
void rpInstallExportFilters();
