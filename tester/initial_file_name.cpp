#include "tester/initial_file_name.h"

InitialFileName InitialFileName::Split(const std::string& initialName) {
    InitialFileName split;
    const std::size_t slash = initialName.find_last_of('/');
    const std::string last =
        slash == std::string::npos ? initialName : initialName.substr(slash + 1);
    split.folder = slash == std::string::npos ? std::string() : initialName.substr(0, slash + 1);
    if (last.find_first_of("*?") != std::string::npos) {
        split.pattern = last;
    } else {
        split.file = last;
    }
    return split;
}
