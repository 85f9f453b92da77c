#pragma once

#include <QString>

#include <string>
#include <string_view>

/// Our texts are bytes of the program's code page; Qt wants Unicode. These are the only
/// crossings between the two in the user interface.
QString ToQString(std::string_view codePageText);
std::string FromQString(const QString& text);

/// File names are UTF-8 on this system; paths go between QString and std::string as UTF-8.
QString PathToQString(const std::string& path);
std::string PathFromQString(const QString& path);
