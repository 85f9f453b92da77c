#include "tutor/users/user_profile.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "common/compressed_line_file.h"
#include "common/file_error.h"
#include "tutor/users/password_hash.h"
#include "tutor/users/user_name.h"
#include "tutor/users/user_session_lock.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kDamagedSuffix = ".damaged";

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

const std::string& LineAt(const std::vector<std::string>& lines, std::size_t index) {
    static const std::string empty;
    return index < lines.size() ? lines[index] : empty;
}

bool ReadWholeFile(const std::string& path, std::string& contents) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Writes beside the target and renames over it, so that the target is either the old or the
// new file, never a half-written one.
bool WriteFileAtomically(const std::string& path, const std::string& contents) {
    std::string temp = path + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    bool ok = true;
    std::size_t written = 0;
    while (ok && written < contents.size()) {
        ssize_t n = write(fd, contents.data() + written, contents.size() - written);
        ok = n > 0;
        if (ok) {
            written += static_cast<std::size_t>(n);
        }
    }
    ok = ok && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        unlink(temp.c_str());
    }
    return ok;
}

bool CopyFileAtomically(const std::string& from, const std::string& to) {
    std::string contents;
    return ReadWholeFile(from, contents) && WriteFileAtomically(to, contents);
}

// Reads the lines of one of the user's files. A damaged file gives the lines before the
// damage; the file itself is kept under another name first, since the next save replaces it.
bool ReadUserFile(const std::string& path, std::vector<std::string>& lines) {
    CompressedLineFile file;
    try {
        if (!file.Read(path)) {
            return false;
        }
    } catch (const FileError&) {
        CopyFileAtomically(path, path + std::string(kDamagedSuffix));
    }
    lines = file.lines();
    return true;
}

bool WriteUserFile(const std::string& path, const std::vector<std::string>& lines) {
    CompressedLineFile file;
    for (const std::string& line : lines) {
        file.AddLine(line);
    }
    return file.Write(path);
}

}  // namespace

UserProfile::UserProfile(const Clock& clock, std::string usersFolder,
                         const DisketteFolder& diskette)
    : clock_(clock), usersFolder_(WithSlash(std::move(usersFolder))), diskette_(&diskette) {}

std::string UserProfile::userPath(std::string_view name) const {
    if (!UserName::IsSafe(name)) {
        return {};
    }
    return UserName::BasePath(usersFolder_, name, kDataExtension);
}

std::string UserProfile::diskettePath(std::string_view name) const {
    std::string folder = WithSlash(diskette_->Path());
    if (folder.empty() || !UserName::IsSafe(name)) {
        return {};
    }
    return UserName::BasePath(folder, name, kDataExtension);
}

bool UserProfile::scanUserFiles(const std::string& folder) {
    knownUsers_.clear();
    defaultUserIndex_ = -1;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec || folder.empty()) {
        return false;
    }
    fs::file_time_type newest;
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string fileName = it->path().filename().string();
        std::error_code typeError;
        if (fileName.size() < kDataExtension.size() ||
            std::string_view(fileName).substr(fileName.size() - kDataExtension.size()) !=
                kDataExtension ||
            it->is_directory(typeError)) {
            continue;
        }
        std::size_t dot = fileName.find('.');
        std::string name = UserName::FromFileName(
            dot == 0 || dot == std::string::npos ? fileName : fileName.substr(0, dot));
        knownUsers_.push_back(name);
        std::error_code timeError;
        fs::file_time_type written = it->last_write_time(timeError);
        if (timeError) {
            continue;
        }
        // Only a strictly newer file displaces the one chosen so far.
        if (defaultUserIndex_ == -1 || written > newest) {
            newest = written;
            defaultUserIndex_ = static_cast<int>(knownUsers_.size()) - 1;
        }
    }
    return !knownUsers_.empty();
}

void UserProfile::clearForLoad(std::string_view name) {
    results_.clear();
    password_.clear();
    keyboardId_.clear();
    courseName_.clear();
    settingsText_.clear();
    details_ = Details{};
    name_ = name;
}

bool UserProfile::load(std::string_view name, bool fromDiskette) {
    clearForLoad(name);
    // The name becomes a path; it must not lead out of the folder.
    if (!UserName::IsSafe(name)) {
        return false;
    }
    std::string basePath;
    if (fromDiskette) {
        copyFromDiskette(name);
        basePath = diskettePath(name);
    } else {
        basePath = userPath(name);
    }
    bool known = false;
    for (const std::string& user : knownUsers_) {
        known = known || UserName::EqualIgnoringCase(user, name);
    }
    if (!known || basePath.empty()) {
        return false;
    }
    std::vector<std::string> lines;
    if (!ReadUserFile(basePath + std::string(kDataExtension), lines) || !readDatLines(lines)) {
        return false;
    }
    std::vector<std::string> detailLines;
    if (ReadUserFile(basePath + std::string(kDetailsExtension), detailLines)) {
        readDitLines(detailLines);
    }
    return true;
}

bool UserProfile::readDatLines(const std::vector<std::string>& lines) {
    if (!UserName::EqualIgnoringCase(LineAt(lines, 0), name_)) {
        return false;
    }
    password_ = LineAt(lines, 1);
    keyboardId_ = LineAt(lines, 2);
    courseName_ = LineAt(lines, 3);
    settingsText_ = LineAt(lines, 4);
    results_.clear();
    for (std::size_t i = kFirstResultLine; i < lines.size(); ++i) {
        std::optional<LessonResult> result = LessonResult::fromText(lines[i]);
        if (!result) {
            break;
        }
        results_.push_back(*result);
    }
    // A password as typed, from a file of an earlier version, is replaced by its hash at the
    // next save.
    if (!PasswordHash::IsHash(password_)) {
        modified_ = true;
    }
    return true;
}

void UserProfile::readDitLines(const std::vector<std::string>& lines) {
    details_.firstName = LineAt(lines, 0);
    details_.lastName = LineAt(lines, 1);
    details_.dateOfBirth = LineAt(lines, 2);
    details_.email = LineAt(lines, 3);
    details_.city = LineAt(lines, 4);
    details_.country = LineAt(lines, 5);
}

std::vector<std::string> UserProfile::toDatLines() const {
    std::vector<std::string> lines = {name_, password_, keyboardId_, courseName_, settingsText_};
    lines.reserve(kFirstResultLine + results_.size());
    for (const LessonResult& result : results_) {
        lines.push_back(result.toText());
    }
    return lines;
}

std::vector<std::string> UserProfile::toDitLines() const {
    return {details_.firstName, details_.lastName, details_.dateOfBirth,
            details_.email,     details_.city,     details_.country};
}

bool UserProfile::save(const std::string& basePath, bool force) {
    if (!modified_ && !force) {
        return true;
    }
    if (basePath.empty() || !UserName::IsSafe(name_) || !MayWriteUsersFolder(basePath, name_)) {
        return false;
    }
    if (!PasswordHash::IsHash(password_)) {
        std::optional<std::string> hash = PasswordHash::Hash(password_);
        if (!hash) {
            return false;
        }
        password_ = *hash;
    }
    WriteUserFile(basePath + std::string(kDetailsExtension), toDitLines());
    if (!WriteUserFile(basePath + std::string(kDataExtension), toDatLines())) {
        return false;
    }
    modified_ = false;
    return true;
}

bool UserProfile::copyFromDiskette(std::string_view name) {
    fromDiskette_ = true;
    std::string from = diskettePath(name);
    if (from.empty() || !UserName::IsSafe(name)) {
        return false;
    }
    // A user new to this computer keeps the letter case of the diskette's file.
    std::optional<std::string> local = UserName::FindBase(usersFolder_, name, kDataExtension);
    std::string to = local ? *local : usersFolder_ + fs::path(from).filename().string();
    if (!MayWriteUsersFolder(to, name)) {
        return false;
    }
    CopyFileAtomically(from + std::string(kDetailsExtension), to + std::string(kDetailsExtension));
    return CopyFileAtomically(from + std::string(kDataExtension), to + std::string(kDataExtension));
}

bool UserProfile::MayWriteUsersFolder(const std::string& basePath, std::string_view name) const {
    const bool inUsersFolder = basePath.compare(0, usersFolder_.size(), usersFolder_) == 0;
    return sessionLock_ == nullptr || !inUsersFolder || sessionLock_->Holds(name);
}

bool UserProfile::saveToDiskette(std::string_view name) {
    std::string folder = diskette_->Path();
    bool folderReady = false;
    if (!folder.empty()) {
        // An existing folder is fine; only a folder that is still missing afterwards fails.
        std::error_code ec;
        fs::create_directories(folder, ec);
        folderReady = fs::is_directory(folder, ec);
    }
    save(userPath(name), false);
    fromDiskette_ = false;
    if (!folderReady) {
        return false;
    }
    return save(diskettePath(name), true);
}

bool UserProfile::saveOnExit() {
    bool saved = save(userPath(name_), false);
    results_.clear();
    return saved;
}

bool UserProfile::checkPassword(std::string_view typed) const {
    return PasswordHash::Verify(password_, typed);
}

void UserProfile::setPassword(std::string_view password) {
    // Should hashing fail, the password stays as typed for now; save hashes it or fails.
    std::optional<std::string> hash = PasswordHash::Hash(password);
    password_ = hash ? *hash : std::string(password);
    modified_ = true;
}

void UserProfile::addKnownUser(std::string_view name) {
    knownUsers_.emplace_back(name);
}

void UserProfile::setSettingsText(std::string_view text) {
    settingsText_ = text;
    modified_ = true;
}

void UserProfile::setDetails(const Details& details) {
    details_ = details;
    modified_ = true;
}

void UserProfile::setCourse(std::string_view keyboardId, std::string_view courseName) {
    keyboardId_ = keyboardId;
    courseName_ = courseName;
    modified_ = true;
}

void UserProfile::setResult(std::int32_t lessonIndex, std::int64_t time, double errorRate,
                            std::int32_t speed, std::int64_t activeSeconds) {
    modified_ = true;
    if (lessonIndex >= 0 && static_cast<std::size_t>(lessonIndex) >= results_.size()) {
        results_.push_back(LessonResult::empty(clock_.NowSeconds()));
    }
    if (lessonIndex >= 0 && static_cast<std::size_t>(lessonIndex) < results_.size()) {
        results_[static_cast<std::size_t>(lessonIndex)].merge(time, errorRate, speed,
                                                              activeSeconds);
    }
}

void UserProfile::addEmptyResults(std::int32_t count) {
    for (std::int32_t i = 0; i < count; ++i) {
        results_.push_back(LessonResult::empty(clock_.NowSeconds()));
    }
    modified_ = true;
}

int UserProfile::rating(std::int32_t lessonIndex, double errorLimit) const {
    if (lessonIndex < 0 || static_cast<std::size_t>(lessonIndex) >= results_.size()) {
        return 0;
    }
    return ResultRating(results_[static_cast<std::size_t>(lessonIndex)], errorLimit);
}
