#include "tutor/users/report_command.h"

#include <fstream>
#include <iterator>
#include <locale>
#include <ostream>
#include <sstream>

#include "common/code_page.h"
#include "common/data_paths.h"
#include "common/json_text.h"
#include "common/system_clock.h"
#include "common/text_number.h"
#include "tutor/users/evaluation_texts.h"
#include "tutor/users/random_source.h"
#include "tutor/users/results_dialog_model.h"
#include "tutor/users/stroke_log.h"

namespace {

constexpr const char* kCorrupted = "This file has an incorrect format or it has been corrupted.";
constexpr const char* kUsage = "Usage: kelvane --report RUN.stat [--json]";

std::string Utf8(const std::string& bytes) {
    return CodePage::Program().ToUtf8(bytes);
}

/// Line breaks of the dialog ("\r\n") as plain new lines.
std::string PlainLines(std::string text) {
    std::string result;
    for (char c : text) {
        if (c != '\r') {
            result += c;
        }
    }
    return result;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Pad(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

void PrintText(const ResultsDialogModel& model, bool haveTexts, const std::string& textInfoPath,
               std::ostream& out) {
    const EvaluationGrades& g = model.grades();
    out << Utf8(PlainLines(model.header()));
    out << "Speed (strokes/min)\tLimit: " << model.speedLimitText()
        << "\tNow: " << model.speedNowText() << "\n";
    out << "Error Rate\t\tLimit: " << model.errorLimitText() << "\tNow: " << model.errorNowText()
        << "\n";
    out << "Characters\t\tTotal Time " << model.totalTimeText()
        << "\tCopied: " << model.copiedShareText() << "\tTotal: " << model.totalCharactersText()
        << "\tNow: " << model.strokesText() << "\tErrors: " << model.errorsText() << "\n";
    out << "Grades\t\t\tspeed " << g.speed << ", errors " << g.error << ", rhythm " << g.rhythm
        << ", completion " << g.completion << "\n";

    out << "\nTyping Errors\n";
    out << Pad("Character", 12) << Pad("Errors", 16) << Pad("Number of Errors", 18)
        << Pad("Total Number of Strokes", 25) << "Class\n";
    for (const ResultsDialogModel::ErrorRow& row : model.errorRows()) {
        out << Pad(Utf8(row.character), 12) << Pad(Utf8(row.errors), 16) << Pad(row.errorCount, 18)
            << Pad(row.strokeCount, 25) << row.image << "\n";
    }
    out << "\nTyping Speed\n";
    out << Pad("Character", 12) << Pad("Delay [s]", 12) << Pad("Total Number of Strokes", 25)
        << "Class\n";
    for (const ResultsDialogModel::SpeedRow& row : model.speedRows()) {
        out << Pad(Utf8(row.character), 12) << Pad(row.delaySeconds, 12) << Pad(row.strokeCount, 25)
            << row.image << "\n";
    }
    out << "\nEvaluation\n";
    if (haveTexts) {
        out << Utf8(PlainLines(model.evaluation())) << "\n";
    } else {
        out << "The evaluation texts cannot be read (" << textInfoPath
            << "): no written evaluation.\n";
    }
}

void PrintJson(const ResultsDialogModel& model, const StrokeLog& log, bool haveTexts,
               std::ostream& out) {
    const RunFigures& f = model.figures();
    const EvaluationGrades& g = model.grades();
    out << "{\"strokes\":" << f.strokes << ",\"errors\":" << f.errors
        << ",\"totalMs\":" << FormatInt(f.totalMs)
        << ",\"speedPerMinute\":" << FormatFixed(f.speedPerMinute(), 2)
        << ",\"errorRate\":" << FormatFixed(f.errorRate, 2)
        << ",\"copiedPercent\":" << FormatFixed(f.copiedPercent, 1)
        << ",\"speedLimit\":" << f.speedLimit << ",\"errorLimit\":" << FormatFixed(f.errorLimit, 3)
        << ",\"speedGrade\":" << g.speed << ",\"errorGrade\":" << g.error
        << ",\"rhythmGrade\":" << g.rhythm << ",\"completion\":" << g.completion
        << ",\"characters\":[";
    bool first = true;
    for (const CharacterEntry& entry : model.statistics().entries()) {
        out << (first ? "" : ",")
            << "{\"char\":" << static_cast<unsigned>(static_cast<unsigned char>(entry.character))
            << ",\"strokes\":" << entry.strokes << ",\"errors\":" << entry.wrong << ",\"wrong\":[";
        for (std::size_t i = 0; i < entry.wrongTyped.size(); ++i) {
            out << (i ? "," : "")
                << static_cast<unsigned>(static_cast<unsigned char>(entry.wrongTyped[i]));
        }
        out << "],\"averageDelayMs\":" << entry.AverageDelayMs() << ",\"errorClass\":"
            << CharacterStatistics::ErrorClass(entry.ErrorRate(), log.errorLimit())
            << ",\"speedClass\":"
            << CharacterStatistics::SpeedClass(entry.AverageDelayMs(), log.speedLimit()) << "}";
        first = false;
    }
    out << "],\"evaluation\":" << JsonString(Utf8(PlainLines(model.evaluation())))
        << ",\"evaluationAvailable\":" << (haveTexts ? "true" : "false") << "}\n";
}

}  // namespace

int RunReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return RunReport(args, DataPaths::DataPath("config", "textinfo.ddd"), out, err);
}

int RunReport(const std::vector<std::string>& args, const std::string& textInfoPath,
              std::ostream& out, std::ostream& err) {
    std::string path;
    bool json = false;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else if (path.empty() && !arg.starts_with("--")) {
            path = arg;
        } else {
            err << kUsage << "\n";
            return 2;
        }
    }
    if (path.empty()) {
        err << kUsage << "\n";
        return 2;
    }

    StrokeLog log(SystemClock::Instance());
    if (!log.loadStat(path)) {
        err << kCorrupted << "\n";
        return 1;
    }
    EvaluationTexts texts;
    const bool haveTexts = texts.Load(textInfoPath);
    SeededRandomSource random(SeededRandomSource::SeedFrom(ReadBytes(path)));
    const ResultsDialogModel model(log, texts, random);
    // Numbers are written the same whatever locale the program runs in.
    std::ostringstream buffer;
    buffer.imbue(std::locale::classic());
    if (json) {
        PrintJson(model, log, haveTexts, buffer);
    } else {
        PrintText(model, haveTexts, textInfoPath, buffer);
    }
    out << buffer.str();
    return 0;
}
