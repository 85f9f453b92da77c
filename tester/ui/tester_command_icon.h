#pragma once

#include <QIcon>

#include "tester/tester_command.h"

/// The toolbar and menu picture of a command, drawn in code so that it is sharp at every
/// size and needs no image files; a null icon for commands without one.
QIcon TesterCommandIcon(TesterCommand command);
