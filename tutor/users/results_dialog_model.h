#pragma once

#include <string>
#include <vector>

#include "tutor/users/character_statistics.h"
#include "tutor/users/evaluation_grades.h"
#include "tutor/users/results_series.h"
#include "tutor/users/run_figures.h"

class EvaluationTexts;
class RandomSource;
class StrokeLog;

/// Everything the results dialog shows for one stroke log, computed once when it opens: the
/// header and written evaluation, the figures page, the typing-error and typing-speed lists,
/// the three diagrams and the copied text.
class ResultsDialogModel {
  public:
    static constexpr const char* kCaption = "Results";
    static constexpr const char* kTypingWell = "You are typing well.";
    static constexpr const char* kOwnText = "Copying a text file of your own.";
    /// The image of the single row when no character was typed.
    static constexpr int kTypingWellImage = 5;

    /// One row of the "Typing Errors" list.
    struct ErrorRow {
        std::string character;
        std::string errors;
        std::string errorCount;
        std::string strokeCount;
        int image = 0;
    };
    /// One row of the "Typing Speed" list.
    struct SpeedRow {
        std::string character;
        std::string delaySeconds;
        std::string strokeCount;
        int image = 0;
    };

    /// texts may be empty (no evaluation file): the evaluation is then empty.
    ResultsDialogModel(const StrokeLog& log, const EvaluationTexts& texts, RandomSource& random);

    const RunFigures& figures() const { return figures_; }
    const EvaluationGrades& grades() const { return grades_; }
    const CharacterStatistics& statistics() const { return statistics_; }
    const ResultsSeries& series() const { return series_; }

    /// "Date:\t\t...\r\n\r\nName:\t\t...\r\n\r\nLesson:\t\t5.  Title\r\n\r\n".
    const std::string& header() const { return header_; }
    const std::string& evaluation() const { return evaluation_; }
    /// The header followed by the evaluation: the first page.
    std::string initialInformation() const { return header_ + evaluation_; }
    /// The expected characters of all strokes.
    const std::string& copiedText() const { return copiedText_; }

    // The figures page.
    std::string speedLimitText() const;
    std::string speedNowText() const;
    std::string errorLimitText() const;
    std::string errorNowText() const;
    std::string totalTimeText() const;
    std::string copiedShareText() const;
    std::string totalCharactersText() const;
    std::string strokesText() const;
    std::string errorsText() const;

    const std::vector<ErrorRow>& errorRows() const { return errorRows_; }
    const std::vector<SpeedRow>& speedRows() const { return speedRows_; }

  private:
    RunFigures figures_;
    EvaluationGrades grades_;
    CharacterStatistics statistics_;
    ResultsSeries series_;
    std::string header_;
    std::string evaluation_;
    std::string copiedText_;
    std::vector<ErrorRow> errorRows_;
    std::vector<SpeedRow> speedRows_;
};
