#pragma once

#include "tutor/course/stroke_keys.h"

/// One entry of a keyboard's character map: a character and the keys that type it.
struct KeyStroke {
    unsigned char character = 0;
    StrokeKeys keys;
};
