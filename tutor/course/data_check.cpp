#include "tutor/course/data_check.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <set>
#include <vector>

#include "common/code_page.h"
#include "common/compressed_line_file.h"
#include "common/file_error.h"
#include "common/text_number.h"
#include "tutor/course/course_record.h"
#include "tutor/course/hands_data.h"
#include "tutor/course/key_layout.h"
#include "tutor/course/keyboard.h"
#include "tutor/course/keyboard_record.h"
#include "tutor/course/lesson_course.h"
#include "tutor/course/own_text_reader.h"

namespace fs = std::filesystem;

namespace {

std::string HexByte(unsigned char byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return std::string("0x") + kDigits[byte >> 4] + kDigits[byte & 0xF];
}

class DataChecker {
  public:
    DataChecker(const std::string& folder, std::ostream& out) : out_(out) {
        root_ = folder.empty() ? std::string("./") : folder;
        if (root_.back() != '/') {
            root_ += '/';
        }
    }

    int Run() {
        if (!fs::is_directory(root_ + "config") && !fs::is_directory(root_ + "lessons")) {
            Problem(root_, 0, "holds neither a \"config\" nor a \"lessons\" folder");
            return 1;
        }
        CheckKeyboardList();
        CheckCourseList();
        CheckLayoutFiles();
        CheckComposedFiles();
        CheckHands();
        CheckLessonFiles();
        if (problems_ > 0) {
            out_ << problems_ << (problems_ == 1 ? " problem" : " problems") << " found in "
                 << root_ << "\n";
            return 1;
        }
        out_ << "Data check passed: " << lessonFiles_ << " lesson files, " << layoutFiles_
             << " keyboard layouts, " << composedFiles_ << " composed-character files, "
             << "hands.ddd with " << handGroups_ << " finger groups.\n";
        return 0;
    }

  private:
    // file is relative to the data folder; line 0 names no line. message is in the program's
    // code page, shown as UTF-8.
    void Problem(const std::string& file, int line, const std::string& message) {
        ++problems_;
        out_ << file;
        if (line > 0) {
            out_ << ":" << line;
        }
        out_ << ": " << CodePage::Program().ToUtf8(message) << "\n";
    }

    bool Exists(const std::string& relative) const {
        std::error_code ec;
        return fs::is_regular_file(root_ + relative, ec);
    }

    // Reads a line container; reports why it cannot be read.
    bool ReadLines(const std::string& relative, std::vector<std::string>& lines) {
        CompressedLineFile file;
        try {
            if (!file.Read(root_ + relative)) {
                Problem(relative, 0, "cannot be opened");
                return false;
            }
        } catch (const FileError&) {
            Problem(relative, static_cast<int>(file.lines().size()) + 1,
                    "damaged: the line container cannot be decoded from here on");
            return false;
        }
        lines = file.lines();
        return true;
    }

    std::vector<std::string> FilesEndingWith(const std::string& folder,
                                             const std::string& suffix) const {
        std::vector<std::string> names;
        std::error_code ec;
        fs::directory_iterator it(root_ + folder, ec);
        if (ec) {
            return names;
        }
        for (; it != fs::directory_iterator(); it.increment(ec)) {
            if (ec) {
                break;
            }
            std::error_code typeError;
            std::string name = it->path().filename().string();
            if (!it->is_directory(typeError) && name.size() > suffix.size() &&
                name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
                names.push_back(name);
            }
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    void CheckKeyboardFiles(const std::string& file, int line, const std::string& id) {
        if (!Exists("config/" + id + ".kdd")) {
            Problem(file, line, "keyboard " + id + ": config/" + id + ".kdd does not exist");
        }
        std::string composed = Keyboard::ComposedFileName(id);
        if (!composed.empty() && !Exists("config/" + composed)) {
            Problem(file, line, "keyboard " + id + ": config/" + composed + " does not exist");
        }
    }

    void CheckKeyboardList() {
        const std::string file = "config/keyboards.txt";
        std::vector<KeyboardRecord> records;
        if (!KeyboardRecord::ReadFile(root_ + file, records)) {
            Problem(file, 0, "cannot be opened");
            return;
        }
        for (const KeyboardRecord& record : records) {
            if (record.id.empty() && record.caption.empty()) {
                continue;
            }
            if (record.id.empty()) {
                Problem(file, record.line, "record without keyboard identifier");
                continue;
            }
            CheckKeyboardFiles(file, record.line, record.id);
        }
    }

    void CheckCourseList() {
        const std::string file = "config/lessons.txt";
        std::vector<CourseRecord> records;
        if (!CourseRecord::ReadFile(root_ + file, records)) {
            Problem(file, 0, "cannot be opened");
            return;
        }
        for (const CourseRecord& record : records) {
            if (record.courseCode.empty() && record.keyboardId.empty()) {
                continue;
            }
            if (record.keyboardId.empty()) {
                Problem(file, record.line, "course " + record.courseCode + " names no keyboard");
                continue;
            }
            if (!Exists("config/" + record.keyboardId + ".kdd")) {
                Problem(file, record.line,
                        "keyboard " + record.keyboardId + ": config/" + record.keyboardId +
                            ".kdd does not exist");
            }
            std::string lessonFile = record.LessonFileName();
            if (!Exists("lessons/" + lessonFile)) {
                Problem(file, record.line, "lessons/" + lessonFile + " does not exist");
            } else if (courseKeyboards_.count(lessonFile) == 0) {
                courseKeyboards_[lessonFile] = record.keyboardId;
            }
        }
    }

    void CheckLayoutFiles() {
        for (const std::string& name : FilesEndingWith("config", ".kdd")) {
            ++layoutFiles_;
            std::string relative = "config/" + name;
            std::vector<std::string> lines;
            if (!ReadLines(relative, lines)) {
                continue;
            }
            KeyLayout layout;
            if (layout.ParseLines(lines, root_ + relative)) {
                continue;
            }
            if (layout.failedLine() == 1) {
                Problem(relative, 1, "identification line does not occur in the file's path");
            } else {
                Problem(relative, layout.failedLine(), "key line without all seven fields");
            }
        }
    }

    void CheckComposedFiles() {
        for (const std::string& name : FilesEndingWith("config", ".odd")) {
            ++composedFiles_;
            std::string relative = "config/" + name;
            std::vector<std::string> lines;
            if (!ReadLines(relative, lines)) {
                continue;
            }
            Keyboard keyboard;
            if (keyboard.AddComposedLines(lines, root_ + relative)) {
                continue;
            }
            if (keyboard.composedFailedLine() == 1) {
                Problem(relative, 1, "identification line does not occur in the file's path");
            } else {
                Problem(relative, keyboard.composedFailedLine(),
                        "composed-character line without all three fields");
            }
        }
    }

    void CheckHands() {
        const std::string relative = "config/hands.ddd";
        std::vector<std::string> lines;
        if (!ReadLines(relative, lines)) {
            return;
        }
        HandsData hands;
        if (!hands.ParseLines(lines)) {
            Problem(relative, hands.failedLine(), "stroke line without all seven fields");
        }
        handGroups_ = hands.GroupCount();
        if (!hands.IsComplete()) {
            Problem(relative, 0,
                    "has " + FormatInt(hands.GroupCount()) +
                        " finger groups closed by END; 10 are needed");
        }
    }

    // The keyboard a lesson file is written for: the one lessons.txt names for it, else the
    // file name up to "_".
    const Keyboard* KeyboardOf(const std::string& lessonFile, std::string& id) {
        auto listed = courseKeyboards_.find(lessonFile);
        id = listed != courseKeyboards_.end() ? listed->second
                                              : lessonFile.substr(0, lessonFile.find('_'));
        auto cached = keyboards_.find(id);
        if (cached == keyboards_.end()) {
            Keyboard keyboard;
            keyboard.LoadKeyboardFrom(root_ + "config/", id);
            cached = keyboards_.emplace(id, std::move(keyboard)).first;
        }
        return cached->second.layout().keys().empty() ? nullptr : &cached->second;
    }

    void CheckLessonFiles() {
        std::set<std::string> files;
        for (const auto& [lessonFile, keyboardId] : courseKeyboards_) {
            files.insert(lessonFile);
        }
        for (const std::string& name : FilesEndingWith("lessons", ".ddd")) {
            files.insert(name);
        }
        for (const std::string& name : files) {
            ++lessonFiles_;
            CheckLessonFile(name);
        }
    }

    void CheckLessonFile(const std::string& name) {
        std::string relative = "lessons/" + name;
        std::vector<std::string> lines;
        if (!ReadLines(relative, lines)) {
            return;
        }
        LessonCourse course;
        std::vector<LessonSourceInfo> info;
        if (!course.LoadLines(lines, root_ + relative, &info)) {
            Problem(relative, 1, "identification line does not occur in the file's path");
            return;
        }
        std::string keyboardId;
        const Keyboard* keyboard = KeyboardOf(name, keyboardId);
        if (!keyboard) {
            Problem(relative, 0,
                    "keyboard " + keyboardId + " has no layout: characters cannot be checked");
        }
        std::array<bool, 256> accepted{};
        if (keyboard) {
            for (char c : keyboard->AcceptedCharacters()) {
                accepted[static_cast<unsigned char>(c)] = true;
            }
        }
        bool testable = false;
        const std::vector<Lesson>& lessons = course.lessons();
        for (std::size_t i = 0; i < lessons.size(); ++i) {
            const Lesson& lesson = lessons[i];
            const LessonSourceInfo& where = info[i];
            testable = testable || lesson.testable != 0;
            if (where.titleLine == 0) {
                Problem(relative, static_cast<int>(lines.size()),
                        lessons.size() == 1 ? std::string("holds no lesson")
                                            : "blank line at the end adds an empty lesson");
                continue;
            }
            if (where.parameterLine == 0) {
                Problem(relative, where.titleLine,
                        "lesson \"" + lesson.title + "\" has no parameter line");
            } else if (where.parameterFields < 4) {
                Problem(relative, where.parameterLine,
                        "parameter line has " + FormatInt(where.parameterFields) +
                            " of its four colon-terminated fields");
            }
            for (std::size_t n = 0; n < lesson.lines.size(); ++n) {
                CheckTextLine(relative, where.textLines[n], lesson.lines[n],
                              keyboard ? &accepted : nullptr, keyboardId);
            }
        }
        if (!testable) {
            Problem(relative, 0, "no lesson is testable: the initial test has nothing to offer");
        }
    }

    void CheckTextLine(const std::string& relative, int lineNumber, const std::string& text,
                       const std::array<bool, 256>* accepted, const std::string& keyboardId) {
        if (text.size() > OwnTextReader::kLineWidth) {
            Problem(relative, lineNumber,
                    "line is " + FormatInt(static_cast<std::int64_t>(text.size())) +
                        " characters long; at most 70 fit");
        }
        if (!accepted) {
            return;
        }
        std::string reported;
        for (char c : text) {
            auto byte = static_cast<unsigned char>(c);
            if (!(*accepted)[byte] && reported.find(c) == std::string::npos) {
                reported += c;
                std::string shown = byte >= 0x20 ? "'" + std::string(1, c) + "' " : "";
                Problem(relative, lineNumber,
                        "character " + shown + "(" + HexByte(byte) +
                            ") cannot be typed on keyboard " + keyboardId);
            }
        }
    }

    std::ostream& out_;
    std::string root_;
    int problems_ = 0;
    int lessonFiles_ = 0;
    int layoutFiles_ = 0;
    int composedFiles_ = 0;
    int handGroups_ = 0;
    std::map<std::string, std::string> courseKeyboards_;
    std::map<std::string, Keyboard> keyboards_;
};

}  // namespace

int RunCheckData(const std::string& folder, std::ostream& out) {
    return DataChecker(folder, out).Run();
}
