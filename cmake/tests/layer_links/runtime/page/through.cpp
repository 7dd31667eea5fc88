#include "runtime/page/window/surface.h"
int unused_through = 0;
