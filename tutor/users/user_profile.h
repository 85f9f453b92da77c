#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/clock.h"
#include "tutor/users/diskette_folder.h"
#include "tutor/users/lesson_result.h"

class UserSessionLock;

/// The logged-in user of the tutor: login data, course choice, settings text, personal details
/// and the best result of every lesson reached. A user owns two files in the users folder,
/// name + ".dat" (login, course, settings, results) and name + ".dit" (details), and can carry
/// them on a removable medium (the diskette folder).
class UserProfile {
  public:
    static constexpr std::string_view kDefaultKeyboardId = "00000409";
    static constexpr std::string_view kDefaultCourseName = "_a";
    static constexpr std::string_view kDataExtension = ".dat";
    static constexpr std::string_view kDetailsExtension = ".dit";
    /// The first line of the results in the ".dat" file.
    static constexpr std::size_t kFirstResultLine = 5;

    struct Details {
        std::string firstName;
        std::string lastName;
        std::string dateOfBirth;
        std::string email;
        std::string city;
        std::string country;

        bool operator==(const Details&) const = default;
    };

    /// usersFolder holds the users' files; clock and diskette must outlive the profile.
    UserProfile(const Clock& clock, std::string usersFolder, const DisketteFolder& diskette);

    void setDisketteFolder(const DisketteFolder& diskette) { diskette_ = &diskette; }

    const std::string& usersFolder() const { return usersFolder_; }

    /// The program's session lock of the users folder (none: no locking, as in most tests).
    /// With one, the login takes the user's lock and the user's files in the users folder are
    /// written only while this program holds it, so a session taken over elsewhere can no
    /// longer overwrite the results of the new one. The lock must outlive its use here.
    void setSessionLock(UserSessionLock* lock) { sessionLock_ = lock; }
    UserSessionLock* sessionLock() const { return sessionLock_; }
    /// The users folder plus the file name of name, without extension; an existing file whose
    /// name differs only in letter case is taken. Empty for a name that IsSafe refuses.
    std::string userPath(std::string_view name) const;
    /// The same in the diskette folder; empty without a medium.
    std::string diskettePath(std::string_view name) const;
    std::string disketteFolder() const { return diskette_->Path(); }

    /// Lists the users of a folder (its "*.dat" files) into knownUsers and picks the most
    /// recently written one as the default. False when there is none or the folder cannot be
    /// read.
    bool scanUserFiles(const std::string& folder);
    /// Reads the user's files, from the diskette folder when fromDiskette. False for a name
    /// that is not a known user, an unreadable ".dat" or one of another user; the profile then
    /// holds the name with all other data empty.
    bool load(std::string_view name, bool fromDiskette);
    /// Writes basePath + ".dit" and basePath + ".dat" when there are changes or when forced.
    /// False (and the changes still marked) when the ".dat" could not be written.
    bool save(const std::string& basePath, bool force);
    /// Copies the user's files from the diskette folder over those in the users folder.
    bool copyFromDiskette(std::string_view name);
    /// Saves the user to the users folder and to the diskette folder.
    bool saveToDiskette(std::string_view name);
    /// At the end of the program: saves changes to the users folder and frees the results.
    bool saveOnExit();

    /// Whether typed is the user's password (letter case counts).
    bool checkPassword(std::string_view typed) const;
    /// Keeps the password as a salted hash.
    void setPassword(std::string_view password);
    void addKnownUser(std::string_view name);
    void setSettingsText(std::string_view text);
    void setDetails(const Details& details);
    /// The course chosen for the user: the lesson file is keyboardId + courseName + ".ddd".
    void setCourse(std::string_view keyboardId, std::string_view courseName);

    std::size_t resultCount() const { return results_.size(); }
    const LessonResult& result(std::size_t index) const { return results_.at(index); }
    const std::vector<LessonResult>& results() const { return results_; }
    /// Records an attempt at a lesson. An index at or past the end first appends one empty
    /// record (so an index further out only appends that one); then an index inside the list
    /// merges the attempt into its record.
    void setResult(std::int32_t lessonIndex, std::int64_t time, double errorRate,
                   std::int32_t speed, std::int64_t activeSeconds);
    /// Appends count empty records, unlocking that many more lessons.
    void addEmptyResults(std::int32_t count);
    /// The ResultRating of a lesson's record; 0 for a lesson without one.
    int rating(std::int32_t lessonIndex, double errorLimit) const;

    const std::string& name() const { return name_; }
    /// As stored: a hash, or a password as typed read from an older file.
    const std::string& password() const { return password_; }
    const std::string& keyboardId() const { return keyboardId_; }
    const std::string& courseName() const { return courseName_; }
    const std::string& settingsText() const { return settingsText_; }
    const Details& details() const { return details_; }
    bool modified() const { return modified_; }
    bool fromDiskette() const { return fromDiskette_; }
    const std::vector<std::string>& knownUsers() const { return knownUsers_; }
    int defaultUserIndex() const { return defaultUserIndex_; }

    /// The lines of the ".dat" and ".dit" files.
    std::vector<std::string> toDatLines() const;
    std::vector<std::string> toDitLines() const;
    /// Takes login data, course, settings and results from the lines of a ".dat" file; false
    /// (nothing taken) when the first line is not this profile's name. The results end at the
    /// first line that is not a result.
    bool readDatLines(const std::vector<std::string>& lines);
    void readDitLines(const std::vector<std::string>& lines);

  private:
    void clearForLoad(std::string_view name);
    /// Whether the user's files in the users folder may be written at basePath.
    bool MayWriteUsersFolder(const std::string& basePath, std::string_view name) const;

    const Clock& clock_;
    std::string usersFolder_;
    const DisketteFolder* diskette_;
    UserSessionLock* sessionLock_ = nullptr;

    std::string password_;
    std::string name_;
    std::string keyboardId_{kDefaultKeyboardId};
    std::string courseName_{kDefaultCourseName};
    std::vector<LessonResult> results_;
    bool modified_ = false;
    bool fromDiskette_ = false;
    std::vector<std::string> knownUsers_;
    int defaultUserIndex_ = -1;
    std::string settingsText_;
    Details details_;
};
