#pragma once

#include <string_view>

class MessageSink;
class QWidget;
class SettingsStore;

/// How ShowHelp showed the help.
enum class HelpShown { Chm, Hlp, HtmlWindow, Missing };

/// Opens the program's help from the program folder: productName + ".chm", else
/// productName + ".hlp", each only when it exists and the desktop accepts it; else the
/// HTML help "help/<product name in lower case>/index.html" in a HelpWindow of ours (one per
/// program, brought to the front when open). When none exists the user is told so.
HelpShown ShowHelp(QWidget* owner, std::string_view productName, SettingsStore& settings,
                   MessageSink& messages);
