#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

/// The command-line modes of a program: options such as "--version" that do their work
/// without any window and end the program. They are looked at before the window system is
/// touched, so they run without a display. "--help" and "--version" are always there.
class CommandLineModes {
  public:
    /// Gets the arguments after the option; returns the exit code.
    using Handler = std::function<int(const std::vector<std::string>& arguments, std::ostream& out,
                                      std::ostream& err)>;

    struct Mode {
        std::string option;       // "--check-data"
        std::string arguments;    // "[FOLDER]", shown in the usage
        std::string description;  // one line for the usage
        Handler run;
    };

    /// programName as typed ("kelvane"), productName and version for "--version", and what
    /// the program takes without an option ("[FILE]" or empty) for the usage.
    CommandLineModes(std::string programName, std::string productName, std::string version,
                     std::string plainArguments = {});

    void Add(Mode mode);

    /// Nothing when the first argument is no "--" option: the program opens its window.
    /// Otherwise the mode's exit code; an unknown option prints the usage to err and gives 1.
    std::optional<int> Run(int argc, const char* const* argv, std::ostream& out,
                           std::ostream& err) const;

    void PrintUsage(std::ostream& out) const;

  private:
    std::string programName_;
    std::string productName_;
    std::string version_;
    std::string plainArguments_;
    std::vector<Mode> modes_;
};
