#pragma once
// Start-up registration of the text objects with the class registry, so that the serializer can
// create them by element name.

// Registers TrpCustomMemoView, TrpMemoView, TrpSysMemoView and TrpHighlight.
void rpRegisterMemoClasses();
