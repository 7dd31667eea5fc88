#pragma once
// Logic that reaches Qt through a window header: the layer check must name this file.
#include "runtime/page/window/surface.h"
