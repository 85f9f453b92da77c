#pragma once

#include <QIcon>

/// The small grade pictures of the lesson list and the results lists, drawn in code: 0 a
/// white disc, 1 a light smiling face, 2 a grey neutral face, 3 a dark frowning face, 4 a
/// black disc, 5 a red equals sign (not yet practised). Other numbers give a null icon.
QIcon RatingImage(int index);
