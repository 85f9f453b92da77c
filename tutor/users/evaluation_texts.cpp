#include "tutor/users/evaluation_texts.h"

#include <algorithm>

#include "common/compressed_line_file.h"
#include "common/file_error.h"
#include "common/text_number.h"
#include "tutor/users/random_source.h"

namespace {

constexpr int kHighestRandomGrade = 98;

/// Kinds the program does not know are taken as random groups.
EvaluationTexts::Kind KindOf(int kind) {
    return kind >= 1 && kind <= 9 ? static_cast<EvaluationTexts::Kind>(kind)
                                  : EvaluationTexts::Kind::Random;
}

bool EndsASentence(const std::string& text) {
    const std::size_t n = text.size();
    return (n >= 1 && text[n - 1] == '.') || (n >= 2 && text[n - 2] == '.');
}

}  // namespace

EvaluationTexts EvaluationTexts::FromLines(const std::vector<std::string>& lines) {
    EvaluationTexts texts;
    bool collecting = false;
    for (std::string line : lines) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty() && line.front() == ':') {
            texts.groups_.push_back(Group{line.substr(1), 0, {}});
            collecting = true;
        } else if (texts.groups_.empty()) {
            continue;
        } else if (line.empty()) {
            collecting = false;
        } else if (line.front() == '#' && texts.groups_.back().texts.empty()) {
            texts.groups_.back().kind = ParseLeadingInt32(std::string_view(line).substr(1));
        } else if (collecting) {
            texts.groups_.back().texts.push_back(line);
        }
    }
    return texts;
}

bool EvaluationTexts::Load(const std::string& path) {
    CompressedLineFile file;
    try {
        if (!file.Read(path)) {
            return false;
        }
    } catch (const FileError&) {
        return false;
    }
    *this = FromLines(file.lines());
    return !groups_.empty();
}

int EvaluationTexts::TextIndex(int grade, int count) {
    if (count <= 0) {
        return 0;
    }
    const int index = static_cast<int>(grade / (100.0 / count));
    return std::clamp(index, 0, count - 1);
}

std::vector<EvaluationTexts::Label> EvaluationTexts::Labels() const {
    std::vector<Label> labels;
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        if (labels.empty() || groups_[i].label != groups_[labels.back().first].label) {
            labels.push_back({i, 0});
        }
        ++labels.back().count;
    }
    return labels;
}

std::string EvaluationTexts::Compose(const Inputs& inputs, RandomSource& random) const {
    const std::vector<Label> labels = Labels();
    if (labels.empty()) {
        return {};
    }
    std::string evaluation;
    int previousGrade = inputs.grades.error;
    std::size_t labelIndex = labels.size() - 1;
    std::size_t group = groups_.size() - 1;
    for (;;) {
        const Group& g = groups_[group];
        const int count = static_cast<int>(g.texts.size());
        int grade = 0;
        bool used = true;
        std::string text;
        std::string list;
        const Kind kind = KindOf(g.kind);
        switch (kind) {
            case Kind::Random:
                grade = random.Next(kHighestRandomGrade);
                break;
            case Kind::Speed:
                grade = inputs.grades.speed;
                break;
            case Kind::PreviousGrade:
                grade = previousGrade;
                break;
            case Kind::Error:
                grade = inputs.grades.error;
                break;
            case Kind::ErrorWithCharacters:
                grade = inputs.grades.error;
                list = inputs.wrongCharacters;
                used = !list.empty();
                break;
            case Kind::Rhythm:
                grade = inputs.grades.rhythm;
                break;
            case Kind::RhythmWithSlowCharacters:
                grade = inputs.grades.rhythm;
                list = inputs.slowCharacters;
                used = !list.empty();
                break;
            case Kind::Completion:
                grade = inputs.grades.completion;
                if (grade > 80 && grade < 100) {
                    grade = 80;
                }
                break;
            case Kind::RandomWhenComplete:
                grade = random.Next(kHighestRandomGrade);
                used = inputs.grades.completion == 100;
                break;
            case Kind::UserName:
                grade = previousGrade;
                text = inputs.userName + ".";
                break;
        }
        const int index = TextIndex(grade, count);
        if (kind != Kind::UserName) {
            previousGrade = grade;
            if (count > 0) {
                text = g.texts[static_cast<std::size_t>(index)];
            } else {
                used = false;
            }
        }
        if (used) {
            evaluation += text;
            evaluation += ' ';
            if (!list.empty()) {
                // The list closes its sentence, so that the next group starts a new line.
                evaluation += list + ".";
            }
            if (EndsASentence(evaluation)) {
                evaluation += "\r\n";
            }
        }
        if (labelIndex == 0) {
            break;
        }
        // A random group leads on from all its texts to the first group of the label before;
        // a text past that label's groups leads to its last group.
        const Label& before = labels[--labelIndex];
        const std::size_t link = g.kind <= 0 || g.kind == static_cast<int>(Kind::UserName)
                                     ? 0
                                     : std::min(static_cast<std::size_t>(index), before.count - 1);
        group = before.first + link;
    }
    return evaluation;
}
