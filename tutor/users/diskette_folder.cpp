#include "tutor/users/diskette_folder.h"

FixedDisketteFolder::FixedDisketteFolder(std::string path) : path_(std::move(path)) {
    if (!path_.empty() && path_.back() != '/') {
        path_ += '/';
    }
}
