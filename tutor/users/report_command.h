#pragma once

#include <iosfwd>
#include <string>
#include <vector>

/// "kelvane --report RUN.stat [--json]": prints what the results dialog shows for a results
/// file, without a window: the run figures, the grades, the character statistics and the
/// written evaluation (from "textinfo.ddd" in the program folder's "config"; without it the
/// output says so and goes on). args are the arguments after "--report". The evaluation's
/// random choices are seeded from the file's contents, so a file always reads the same.
/// Returns 0, 1 for a file that cannot be read as a results file, 2 for wrong arguments.
int RunReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

/// The same with the evaluation texts read from textInfoPath.
int RunReport(const std::vector<std::string>& args, const std::string& textInfoPath,
              std::ostream& out, std::ostream& err);
