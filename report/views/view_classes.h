#pragma once
// Start-up registration of the visual objects with the class registry, so that the serializer
// can create them by element name.

// Registers TrpShapeView, TrpCustomLineView, TrpLineView, TrpPictureView and TrpFrame.
void rpRegisterViewClasses();
