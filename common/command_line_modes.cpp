#include "common/command_line_modes.h"

#include <algorithm>
#include <string_view>
#include <utility>

CommandLineModes::CommandLineModes(std::string programName, std::string productName,
                                   std::string version, std::string plainArguments)
    : programName_(std::move(programName)),
      productName_(std::move(productName)),
      version_(std::move(version)),
      plainArguments_(std::move(plainArguments)) {
    Add({"--help", "", "shows this help and ends",
         [this](const std::vector<std::string>&, std::ostream& out, std::ostream&) {
             PrintUsage(out);
             return 0;
         }});
    Add({"--version", "", "shows the version and ends",
         [this](const std::vector<std::string>&, std::ostream& out, std::ostream&) {
             out << productName_ << ' ' << version_ << '\n';
             return 0;
         }});
}

void CommandLineModes::Add(Mode mode) {
    auto same = [&mode](const Mode& known) { return known.option == mode.option; };
    auto it = std::find_if(modes_.begin(), modes_.end(), same);
    if (it != modes_.end()) {
        *it = std::move(mode);
    } else {
        modes_.push_back(std::move(mode));
    }
}

std::optional<int> CommandLineModes::Run(int argc, const char* const* argv, std::ostream& out,
                                         std::ostream& err) const {
    if (argc < 2 || argv == nullptr || argv[1] == nullptr) {
        return std::nullopt;
    }
    std::string_view option = argv[1];
    // Single-dash options belong to Qt ("-platform", "-style"), "--" alone ends options.
    if (option.size() <= 2 || option.substr(0, 2) != "--") {
        return std::nullopt;
    }
    for (const Mode& mode : modes_) {
        if (mode.option == option) {
            std::vector<std::string> arguments;
            for (int i = 2; i < argc && argv[i] != nullptr; ++i) {
                arguments.emplace_back(argv[i]);
            }
            return mode.run(arguments, out, err);
        }
    }
    err << programName_ << ": unknown option " << option << "\n\n";
    PrintUsage(err);
    return 1;
}

void CommandLineModes::PrintUsage(std::ostream& out) const {
    out << "Usage: " << programName_;
    if (!plainArguments_.empty()) {
        out << ' ' << plainArguments_;
    }
    out << "\n       " << programName_ << " OPTION [ARGUMENTS]\n\n"
        << "Without an option " << productName_ << " opens its window.\n\nOptions:\n";
    // Each option on a line of its own and its description below it: the arguments of some
    // options are too long for a column.
    for (const Mode& mode : modes_) {
        out << "  " << mode.option;
        if (!mode.arguments.empty()) {
            out << ' ' << mode.arguments;
        }
        out << "\n      " << mode.description << '\n';
    }
}
