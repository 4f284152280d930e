#pragma once
// Paper orientation as reports and printers use it.
enum TPrinterOrientation { poPortrait, poLandscape };
