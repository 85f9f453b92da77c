#include "common/file_error.h"

FileError::FileError(Kind kind, std::string path)
    : std::runtime_error(Format(kind, path)), kind_(kind), path_(std::move(path)) {}

std::string FileError::Format(Kind kind, const std::string& path) {
    if (kind == Kind::NotFound) {
        return path + " was not found.";
    }
    return "An unknown error occurred while accessing " + path + ".";
}
