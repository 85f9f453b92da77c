#pragma once

#include <QIcon>

/// Kelvane's program icon, drawn in code so that it is sharp at every size: a key cap
/// carrying a "K".
QIcon KelvaneIcon();
