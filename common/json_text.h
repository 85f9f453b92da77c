#pragma once

#include <string>
#include <string_view>

/// A JSON string literal (with its quotes) for UTF-8 text: quotes, backslashes and control
/// characters escaped, everything else kept.
std::string JsonString(std::string_view utf8);
