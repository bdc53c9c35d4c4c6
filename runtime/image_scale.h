// Scaling of a decoded image to the size a loader asks for: shrinking
// averages the covered source pixels (so a large sprite stays legible at
// 25x25), enlarging repeats the nearest one. Used by loadBitmap.
#pragma once
#include "platform/platform.h"

platform::Image scaleImage(const platform::Image& source, int width, int height);
