#pragma once

#include <string>
#include <vector>

#include "tutor/users/evaluation_grades.h"

class RandomSource;

/// The text modules of the written evaluation ("textinfo.ddd" in "config") and their
/// composition. The file is a sequence of groups: a label line beginning with ":", a line "#"
/// with the group's kind, then its texts up to an empty line. Consecutive groups with the same
/// label form one label. Composition starts at the last group of the file; the text a group
/// picks by its grade leads on to the group of the same index in the label before, until the
/// first label has been used.
class EvaluationTexts {
  public:
    /// What a group's kind takes its grade from.
    enum class Kind {
        Random = 0,
        Speed = 1,
        PreviousGrade = 2,
        Error = 3,
        ErrorWithCharacters = 4,
        Rhythm = 5,
        RhythmWithSlowCharacters = 6,
        Completion = 7,
        RandomWhenComplete = 8,
        UserName = 9,
    };

    struct Group {
        std::string label;
        int kind = 0;
        std::vector<std::string> texts;
    };

    /// The inputs of one run's evaluation.
    struct Inputs {
        EvaluationGrades grades;
        std::string userName;
        /// "a, b, Space": the characters typed wrongly and the slow ones.
        std::string wrongCharacters;
        std::string slowCharacters;
    };

    /// Reads the groups from the lines of the file.
    static EvaluationTexts FromLines(const std::vector<std::string>& lines);
    /// Reads "textinfo.ddd"; false when it cannot be read or is damaged.
    bool Load(const std::string& path);

    const std::vector<Group>& groups() const { return groups_; }
    bool empty() const { return groups_.empty(); }

    /// The evaluation text; sentences that end a group's contribution are followed by "\r\n".
    std::string Compose(const Inputs& inputs, RandomSource& random) const;

    /// The index of the text a grade picks among count texts.
    static int TextIndex(int grade, int count);

  private:
    /// The first group of each label, and the number of groups it has.
    struct Label {
        std::size_t first = 0;
        std::size_t count = 0;
    };
    std::vector<Label> Labels() const;

    std::vector<Group> groups_;
};
