#include "runtime/page/window/surface.h"
int unused_page = 0;
