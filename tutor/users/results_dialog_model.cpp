#include "tutor/users/results_dialog_model.h"

#include "common/text_number.h"
#include "common/time_text.h"
#include "tutor/users/evaluation_texts.h"
#include "tutor/users/stroke_log.h"

ResultsDialogModel::ResultsDialogModel(const StrokeLog& log, const EvaluationTexts& texts,
                                       RandomSource& random)
    : figures_(RunFigures::FromLog(log)),
      grades_(EvaluationGrades::Of(figures_, log.records())),
      statistics_(CharacterStatistics::FromRecords(log.records())),
      series_(ResultsSeries::Build(log.records(), log.speedLimit(), log.errorLimit())) {
    header_ = "Date:\t\t" + TimeText::Date(log.startTime()) + "\r\n\r\nName:\t\t" + log.userName() +
              "\r\n\r\nLesson:\t\t";
    if (log.lessonIndex() == StrokeLog::kOwnTextLesson) {
        header_ += kOwnText;
    } else {
        header_ += FormatInt(std::int64_t{log.lessonIndex()} + 1) + ".  " + log.lessonTitle();
    }
    header_ += "\r\n\r\n";

    // Nothing typed, nothing to judge: before the first run of the program the written
    // evaluation would praise a run that never was.
    if (!log.records().empty()) {
        EvaluationTexts::Inputs inputs;
        inputs.grades = grades_;
        inputs.userName = log.userName();
        inputs.wrongCharacters = statistics_.WrongCharacterList();
        inputs.slowCharacters = statistics_.SlowCharacterList(log.speedLimit());
        evaluation_ = texts.Compose(inputs, random);
    }

    for (const StrokeRecord& record : log.records()) {
        copiedText_ += record.expected;
    }

    for (const CharacterEntry& entry : statistics_.TypedEntries()) {
        const std::string name = CharacterStatistics::DisplayName(entry.character);
        errorRows_.push_back(
            {name, entry.WrongTypedText(), FormatInt(entry.wrong), FormatInt(entry.strokes),
             CharacterStatistics::ErrorClass(entry.ErrorRate(), log.errorLimit())});
        speedRows_.push_back(
            {name, FormatFixed(entry.AverageDelayMs() / 1000.0, 3), FormatInt(entry.strokes),
             CharacterStatistics::SpeedClass(entry.AverageDelayMs(), log.speedLimit())});
    }
    if (errorRows_.empty()) {
        errorRows_.push_back({kTypingWell, {}, {}, {}, kTypingWellImage});
        speedRows_.push_back({kTypingWell, {}, {}, kTypingWellImage});
    }
}

std::string ResultsDialogModel::speedLimitText() const {
    return FormatFixed(figures_.speedLimitPerSecond * 60.0, 2);
}

std::string ResultsDialogModel::speedNowText() const {
    return FormatFixed(figures_.speedPerMinute(), 2);
}

std::string ResultsDialogModel::errorLimitText() const {
    return FormatFixed(figures_.errorLimit, 2) + "%";
}

std::string ResultsDialogModel::errorNowText() const {
    return FormatFixed(figures_.errorRate, 2) + "%";
}

std::string ResultsDialogModel::totalTimeText() const {
    return TimeText::SpanWithinDay(figures_.totalMs / 1000);
}

std::string ResultsDialogModel::copiedShareText() const {
    return FormatFixed(figures_.copiedPercent, 1) + "%";
}

std::string ResultsDialogModel::totalCharactersText() const {
    return FormatInt(figures_.characterCount);
}

std::string ResultsDialogModel::strokesText() const {
    return FormatInt(figures_.strokes);
}

std::string ResultsDialogModel::errorsText() const {
    return FormatInt(figures_.errors);
}

std::vector<ResultsDialogModel::FigureField> ResultsDialogModel::figureFields() const {
    static constexpr const char* kSpeed = "Speed (strokes/min)";
    static constexpr const char* kErrorRate = "Error Rate";
    static constexpr const char* kCharacters = "Characters";
    return {
        {kSpeed, "Limit:", speedLimitText()},           {kSpeed, "Now:", speedNowText()},
        {kErrorRate, "Limit:", errorLimitText()},       {kErrorRate, "Now:", errorNowText()},
        {kCharacters, "Total Time", totalTimeText()},   {kCharacters, "Copied:", copiedShareText()},
        {kCharacters, "Total:", totalCharactersText()}, {kCharacters, "Now:", strokesText()},
        {kCharacters, "Errors:", errorsText()},
    };
}

std::vector<std::string> ResultsDialogModel::Cells(const ErrorRow& row) {
    return {row.character, row.errors, row.errorCount, row.strokeCount};
}

std::vector<std::string> ResultsDialogModel::Cells(const SpeedRow& row) {
    return {row.character, row.delaySeconds, row.strokeCount};
}

const Diagram* ResultsDialogModel::diagramOf(Tab tab) const {
    switch (tab) {
        case Tab::ErrorDiagram:
            return &series_.errors;
        case Tab::AverageSpeedDiagram:
            return &series_.averageSpeed;
        case Tab::CurrentSpeedDiagram:
            return &series_.currentSpeed;
        default:
            return nullptr;
    }
}
