#include "tutor/users/users_folder_check.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "common/code_page.h"
#include "common/compressed_line_file.h"
#include "common/file_error.h"
#include "common/time_text.h"
#include "tutor/users/session_holder.h"
#include "tutor/users/user_name.h"
#include "tutor/users/user_profile.h"
#include "tutor/users/user_session_lock.h"

namespace fs = std::filesystem;

namespace {

// Reads a line file; false with the reason when it cannot be read whole.
bool ReadLines(const std::string& path, std::vector<std::string>& lines, std::string& why) {
    CompressedLineFile file;
    try {
        if (!file.Read(path)) {
            why = "cannot be read";
            return false;
        }
    } catch (const FileError&) {
        why = "is damaged";
        return false;
    }
    lines = file.lines();
    return true;
}

std::string Seconds(std::int64_t seconds) {
    return std::to_string(seconds) + (seconds == 1 ? " second" : " seconds");
}

}  // namespace

int RunCheckUsersFolder(const std::string& folder, const Clock& clock, std::ostream& out) {
    std::string root = folder;
    if (root.empty() || root.back() != '/') {
        root += '/';
    }
    int problems = 0;
    auto problem = [&](const std::string& file, const std::string& what) {
        ++problems;
        out << root << file << (file.empty() ? "" : ": ") << what << "\n";
    };

    std::error_code ec;
    if (!fs::is_directory(root, ec)) {
        problem("", ": no such folder (is the shared drive connected?)");
        out << "1 problem found in the users folder " << root << "\n";
        return 1;
    }
    if (access(root.c_str(), W_OK | X_OK) != 0) {
        problem("",
                ": cannot be written; the tutors could neither save results nor log users in "
                "safely");
    }

    std::vector<std::string> datFiles;
    for (fs::directory_iterator it(root, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const std::string_view extension = UserProfile::kDataExtension;
        std::error_code typeError;
        if (name.size() > extension.size() &&
            std::string_view(name).substr(name.size() - extension.size()) == extension &&
            it->is_regular_file(typeError)) {
            datFiles.push_back(name);
        }
    }
    std::sort(datFiles.begin(), datFiles.end());
    for (const std::string& file : datFiles) {
        const std::string base = file.substr(0, file.size() - UserProfile::kDataExtension.size());
        std::vector<std::string> lines;
        std::string why;
        if (!ReadLines(root + file, lines, why)) {
            problem(file, why);
            continue;
        }
        const std::string userName = UserName::FromFileName(base);
        if (lines.empty() || !UserName::EqualIgnoringCase(lines[0], userName)) {
            problem(file, "names the user \"" +
                              CodePage::Program().ToUtf8(lines.empty() ? "" : lines[0]) +
                              "\", not \"" + base + "\"");
        }
        const std::string details = base + std::string(UserProfile::kDetailsExtension);
        if (fs::exists(root + details, ec) && !ReadLines(root + details, lines, why)) {
            problem(details, why);
        }
    }

    // Who is logged in where: not problems, but what a teacher wants to see.
    UserSessionLock judge(root, clock, SessionHolder::ThisProcess());
    int loggedIn = 0;
    for (const UserSessionLock::Entry& entry : UserSessionLock::ListLocks(root)) {
        const std::string host =
            entry.holder.host.empty() ? "an unknown computer" : "\"" + entry.holder.host + "\"";
        const std::int64_t silent = clock.NowSeconds() - entry.holder.heartbeat;
        out << root << entry.fileName << ": ";
        if (judge.IsStale(entry.holder)) {
            out << "left behind by " << host << " (taken over at the next login)\n";
            continue;
        }
        ++loggedIn;
        out << "logged in on " << host;
        if (entry.holder.since > 0) {
            out << " since " << TimeText::DateTime(entry.holder.since);
        }
        out << ", last sign of life " << Seconds(std::max<std::int64_t>(silent, 0)) << " ago\n";
    }

    if (problems > 0) {
        out << problems << (problems == 1 ? " problem" : " problems")
            << " found in the users folder " << root << "\n";
        return 1;
    }
    out << "Users folder check passed: " << root << ", " << datFiles.size()
        << (datFiles.size() == 1 ? " user, " : " users, ") << loggedIn << " logged in.\n";
    return 0;
}
