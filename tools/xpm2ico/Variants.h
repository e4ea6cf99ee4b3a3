#pragma once

#include "PixelArt.h"

// The art as a disabled button shows it: each opaque pixel a light grey of
// its own brightness, so the shape and its inner lines stay, paled as the
// Qt edition's disabled icons are. Transparency is kept.
PixelArt greyed(const PixelArt& art);
// Each pixel as a factor by factor block: sharp at a whole enlargement.
PixelArt enlarged(const PixelArt& art, int factor);
