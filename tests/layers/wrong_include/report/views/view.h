#pragma once
// A visual object that reaches up into the pages that hold it: the layer check must refuse it.
#include "report/pages/band.h"
