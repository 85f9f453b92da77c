#pragma once

#include <stdexcept>
#include <string>

/// A file that cannot be read or written as its format demands. It ends the command that
/// touched the file; the command's caller shows message() to the user.
class FileError : public std::runtime_error {
  public:
    enum class Kind {
        NotFound,  ///< "%1 was not found."
        General,   ///< "An unknown error occurred while accessing %1."
    };

    FileError(Kind kind, std::string path);

    Kind kind() const { return kind_; }
    const std::string& path() const { return path_; }
    /// The user-visible text with the file name in place of %1.
    std::string message() const { return what(); }

    static std::string Format(Kind kind, const std::string& path);

  private:
    Kind kind_;
    std::string path_;
};
