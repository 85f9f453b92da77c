#pragma once

#include <string_view>

class SettingsStore;

/// What both programs do once their QApplication exists and before any window opens:
/// numbers in the "C" locale again (Qt has set the user's), the program folder found from
/// the executable, and the program's code page taken from the setting "CodePage" ("1250"
/// when missing; an unknown name is reported on standard error and ignored).
void PrepareProgram(std::string_view applicationName, SettingsStore& settings);

/// Gives the heap's free pages back to the system. A closed dialog frees its widgets and
/// pictures, but the C library keeps the freed pages inside its heap (they lie between blocks
/// still in use) and the program would go on holding them; the style's cache of drawn
/// controls is emptied first.
void ReturnFreedMemory();
