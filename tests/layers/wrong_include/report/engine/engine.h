#pragma once
// The engine may include the model below it.
#include "report/model/band.h"
