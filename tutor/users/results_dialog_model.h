#pragma once

#include <array>
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

    /// The tabs in their order.
    enum class Tab {
        Information = 0,
        Figures = 1,
        ErrorList = 2,
        SpeedList = 3,
        ErrorDiagram = 4,
        AverageSpeedDiagram = 5,
        CurrentSpeedDiagram = 6,
        Text = 7,
    };
    static constexpr std::array<const char*, 8> kTabTitles = {
        "Initial Information", "&Table",
        "Typing Errors",       "Typing Speed",
        "Error diagram (AVG)", "Speed diagram (AVG)",
        "Speed Diagram (CUR)", "Text"};

    struct Column {
        const char* title;
        int width;
    };
    static constexpr std::array<Column, 4> kErrorColumns = {
        Column{"Character", 80}, Column{"Errors", 100}, Column{"Number of Errors", 100},
        Column{"Total Number of Strokes", 100}};
    static constexpr std::array<Column, 3> kSpeedColumns = {
        Column{"Character", 80}, Column{"Delay [s]", 100}, Column{"Total Number of Strokes", 180}};

    /// One read-only field of the figures page, under its group.
    struct FigureField {
        const char* group;
        const char* label;
        std::string value;
    };

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

    /// The fields of the figures page in reading order: speed, error rate, characters.
    std::vector<FigureField> figureFields() const;

    const std::vector<ErrorRow>& errorRows() const { return errorRows_; }
    const std::vector<SpeedRow>& speedRows() const { return speedRows_; }
    /// The texts of a row in column order.
    static std::vector<std::string> Cells(const ErrorRow& row);
    static std::vector<std::string> Cells(const SpeedRow& row);

    /// The diagram a tab shows; null for the other tabs.
    const Diagram* diagramOf(Tab tab) const;

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
