#pragma once
// A page header that reaches up into the engine: the layer check must refuse it.
#include "report/engine/engine.h"
#include <QString>
