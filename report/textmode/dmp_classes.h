#pragma once
// Start-up registration of the text-mode (dot-matrix) classes with the class registry, so that
// report files and prepared-report files can name them.

// Registers TrpDMPPage, TrpDMPMemoView, TrpDMPLineView and TrpDMPCommand.
void rpRegisterDMPClasses();
