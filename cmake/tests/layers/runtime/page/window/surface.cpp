#include "runtime/page/window/surface.h"
