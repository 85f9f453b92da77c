#pragma once

#include <QIcon>

/// Morvik's program icon, drawn in code: a stopwatch.
QIcon MorvikIcon();
