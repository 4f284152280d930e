#pragma once
// The engine may include the pages below it.
#include "report/pages/band.h"
