#pragma once

#include <string>

/// Where a file dialog starts. An initial name whose last part holds a wildcard ("text/*.mvkt")
/// names a folder and the files to show there, not a file.
struct InitialFileName {
    std::string folder;
    /// The file to propose; empty for a pattern.
    std::string file;
    /// The pattern ("*.mvkt"), or empty.
    std::string pattern;

    static InitialFileName Split(const std::string& initialName);
};
