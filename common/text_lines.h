#pragma once

#include <string>
#include <string_view>
#include <vector>

/// The lines of a plain text file: ended by LF or CR LF; a last line without a line end is
/// kept. Bytes pass unchanged otherwise.
std::vector<std::string> SplitTextLines(std::string_view text);

/// The lines as a plain text file, each ended by LF.
std::string JoinTextLines(const std::vector<std::string>& lines);
