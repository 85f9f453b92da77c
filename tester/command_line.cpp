#include "tester/command_line.h"

#include <optional>
#include <string_view>

#include "common/code_page.h"
#include "common/file_error.h"
#include "common/json_text.h"
#include "common/product_version.h"
#include "common/text_number.h"
#include "tester/result_commands.h"
#include "tester/test_data.h"
#include "tester/test_record_file.h"
#include "tester/text_file_reader.h"

namespace {

struct Options {
    enum class Mode { Compare, Assess, Pdf } mode = Mode::Compare;
    std::vector<std::string> files;
    std::optional<int> unit;
    std::optional<int> pointsPerError;
    std::optional<std::int64_t> duration;
    bool json = false;
};

bool IsDecimal(std::string_view text) {
    if (text.empty() || text.size() > 12) {
        return false;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// The options, or nothing with the reason in error.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    Options options;
    if (!IsMorvikCommandLine(args)) {
        error = "expected --compare, --assess or --pdf";
        return std::nullopt;
    }
    options.mode = args[0] == "--compare"  ? Options::Mode::Compare
                   : args[0] == "--assess" ? Options::Mode::Assess
                                           : Options::Mode::Pdf;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--json") {
            options.json = true;
        } else if (arg == "--unit" && hasValue) {
            const std::string& value = args[++i];
            if (value == "strokes") {
                options.unit = TestData::kStrokesUnit;
            } else if (value == "words") {
                options.unit = TestData::kWordsUnit;
            } else {
                error = "--unit takes strokes or words";
                return std::nullopt;
            }
        } else if (arg == "--points-per-error" && hasValue) {
            const std::string& value = args[++i];
            if (!IsDecimal(value) || ParseLeadingInt32(value) < 1) {
                error = "--points-per-error takes a positive whole number";
                return std::nullopt;
            }
            options.pointsPerError = ParseLeadingInt32(value);
        } else if (arg == "--duration" && hasValue) {
            const std::string& value = args[++i];
            if (!IsDecimal(value)) {
                error = "--duration takes whole seconds";
                return std::nullopt;
            }
            options.duration = ParseLeadingInt64(value);
        } else if (arg.starts_with("--")) {
            error = "unknown or incomplete option " + arg;
            return std::nullopt;
        } else {
            options.files.push_back(arg);
        }
    }
    const std::size_t expected = options.mode == Options::Mode::Assess ? 1 : 2;
    if (options.files.size() != expected) {
        error = options.mode == Options::Mode::Compare ? "--compare needs two files"
                : options.mode == Options::Mode::Assess
                    ? "--assess needs one results file"
                    : "--pdf needs a results file and a PDF file";
        return std::nullopt;
    }
    if (options.mode == Options::Mode::Pdf && options.json) {
        error = "--json does not go with --pdf";
        return std::nullopt;
    }
    return options;
}

std::string Utf8(std::string_view bytes) {
    return CodePage::Program().ToUtf8(bytes);
}

// File names are kept as the file system gives them; those that are not UTF-8 are shown
// through the code page.
std::string PathText(const std::string& path) {
    return CodePage::IsValidUtf8(path) ? path : Utf8(path);
}

// Line breaks and other control characters made visible for the text report.
std::string Visible(std::string_view utf8) {
    std::string text;
    for (char c : utf8) {
        if (c == '\r') {
            text += "\\r";
        } else if (c == '\n') {
            text += "\\n";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            text += '?';
        } else {
            text += c;
        }
    }
    return text;
}

template <typename T, typename Format>
std::string JsonArray(const std::vector<T>& values, Format format) {
    std::string json = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            json += ",";
        }
        json += format(values[i]);
    }
    return json + "]";
}

std::string UnitName(int unit) {
    return unit == TestData::kStrokesUnit ? "strokes" : "words";
}

void PrintJson(const Options& options, TestData& data, const BasicResults& results,
               std::ostream& out) {
    const Classification& a = data.classification;
    auto number = [](auto value) { return FormatInt(static_cast<std::int64_t>(value)); };
    std::string json = "{";
    if (options.mode == Options::Mode::Compare) {
        json += "\"original\":" + JsonString(PathText(options.files[0])) + ",";
        json += "\"typed\":" + JsonString(PathText(options.files[1])) + ",";
    } else {
        json += "\"results\":" + JsonString(PathText(options.files[0])) + ",";
    }
    json += "\"unit\":" + JsonString(UnitName(results.unit)) + ",";
    json += "\"charClasses\":" +
            JsonArray(a.charClasses, [&](CharClass c) { return number(static_cast<int>(c)); }) +
            ",";
    json += "\"errorPositions\":" + JsonArray(a.errorPositions, number) + ",";
    json +=
        "\"omittedTexts\":" +
        JsonArray(a.omittedTexts, [](const std::string& text) { return JsonString(Utf8(text)); }) +
        ",";
    json += "\"omittedPositions\":" + JsonArray(a.omittedPositions, number) + ",";
    json += "\"points\":" + number(data.points) + ",";
    json += "\"typedLength\":" + number(data.typedLength) + ",";
    json += "\"errorCount\":" + number(data.errorCount) + ",";
    json += "\"wrongCharCount\":" + number(data.wrongCharCount) + ",";
    json += "\"durationSeconds\":" + number(data.durationSeconds) + ",";
    json += "\"pointsPerError\":" + number(data.pointsPerError) + ",";
    json += "\"totalTime\":" + JsonString(results.totalTime) + ",";
    json += "\"grossStrokes\":" + number(results.grossStrokes) + ",";
    json += "\"netSpeed\":" + FormatFixed(results.netSpeed, 2) + ",";
    json += "\"errorRate\":" + JsonString(results.errorRate) + ",";
    json += "\"numberOfErrors\":" + number(results.errors) + ",";
    json += "\"dateOfTest\":" + JsonString(results.dateOfTest) + ",";
    json += "\"timeEnded\":" + JsonString(results.timeEnded);
    json += "}";
    out << json << "\n";
}

void PrintText(const Options& options, TestData& data, const BasicResults& results,
               std::ostream& out) {
    const Classification& a = data.classification;
    if (options.mode == Options::Mode::Compare) {
        out << "Original: " << PathText(options.files[0]) << "\n";
        out << "Typed: " << PathText(options.files[1]) << "\n";
    } else {
        out << "Results: " << PathText(options.files[0]) << "\n";
    }
    out << "Points: " << data.points << "\n";
    out << "Typed length: " << data.typedLength << "\n";
    out << "Errors: " << data.errorCount << "\n";
    out << "Wrong characters: " << data.wrongCharCount << "\n";
    out << "Total Time: " << results.totalTime << "\n";
    out << "Gross Strokes: " << results.grossStrokes << "\n";
    out << "Net Speed: " << FormatFixed(results.netSpeed, 2)
        << (results.unit == TestData::kStrokesUnit ? " strokes/min." : " words/min.") << "\n";
    out << "Error Rate: " << results.errorRate << " %\n";
    out << "Number of Errors: " << results.errors << "\n";
    out << "Date of Test: " << results.dateOfTest << "\n";
    out << "Time Ended: " << results.timeEnded << "\n";

    out << "Error positions:";
    for (std::uint16_t position : a.errorPositions) {
        out << " " << position;
    }
    out << "\n";
    out << "Omitted texts:\n";
    for (std::size_t i = 0; i < a.omittedTexts.size() && i < a.omittedPositions.size(); ++i) {
        out << "  at " << a.omittedPositions[i] << ": \"" << Visible(Utf8(a.omittedTexts[i]))
            << "\"\n";
    }
    out << "Marked characters:\n";
    for (std::size_t i = 0; i < a.charClasses.size() && i < data.typedText.size(); ++i) {
        if (a.charClasses[i] != CharClass::Correct) {
            out << "  " << i << " " << CharClassName(a.charClasses[i]) << " '"
                << Visible(Utf8(data.typedText.substr(i, 1))) << "'\n";
        }
    }
}

// Reads the texts as "Compare two text files" does.
bool LoadComparison(const Options& options, TestData& data, std::ostream& err) {
    for (std::size_t i = 0; i < 2; ++i) {
        std::optional<std::string> text = TextFileReader::ReadText(options.files[i]);
        if (!text) {
            err << "morvik: cannot read " << PathText(options.files[i]) << "\n";
            return false;
        }
        (i == 0 ? data.originalText : data.typedText) = std::move(*text);
    }
    data.Reset();
    data.twoFilesMode = 1;
    data.durationSeconds = 0;
    return true;
}

// Reads a results file as Load Results does, with its message when it cannot.
bool LoadResults(const Options& options, TestData& data, std::ostream& err) {
    const std::string& path = options.files[0];
    data.fromTestDefinition = 0;
    data.Reset();
    try {
        if (!TestRecordFile::ReadRecords(path, data)) {
            err << "morvik: " << PathText(path) << ": " << ResultCommands::kCannotLoadMessage
                << "\n";
            return false;
        }
    } catch (const FileError& error) {
        err << "morvik: " << PathText(error.message()) << "\n";
        return false;
    }
    if (data.fromTestDefinition != 1) {
        data.testId.clear();
    }
    return true;
}

}  // namespace

CommandLineModes MorvikCommandLineModes(ReportPdfWriter writePdf) {
    CommandLineModes modes("morvik", kMorvikName, std::string(kProductVersion),
                           "[TEST.mvkt | RESULTS.2mvk]");
    auto run = [writePdf](std::string option) {
        return [option, writePdf](const std::vector<std::string>& arguments, std::ostream& out,
                                  std::ostream& err) {
            std::vector<std::string> args{option};
            args.insert(args.end(), arguments.begin(), arguments.end());
            return RunMorvikCommandLine(args, out, err, writePdf);
        };
    };
    const std::string options =
        "[--unit strokes|words] [--points-per-error N] [--duration SECONDS] [--json]";
    modes.Add({"--compare", "ORIGINAL TYPED " + options,
               "assess a typed text file against its original and print the results",
               run("--compare")});
    modes.Add({"--assess", "RESULTS.2mvk " + options,
               "assess a saved results file again and print the results", run("--assess")});
    if (writePdf) {
        modes.Add({"--pdf",
                   "RESULTS.2mvk OUT.pdf [--unit strokes|words] [--points-per-error N] "
                   "[--duration SECONDS]",
                   "print the report of a saved results file to a PDF file, without a window",
                   run("--pdf")});
    }
    return modes;
}

bool IsMorvikCommandLine(const std::vector<std::string>& args) {
    return !args.empty() && (args[0] == "--compare" || args[0] == "--assess" || args[0] == "--pdf");
}

int RunMorvikCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                         const ReportPdfWriter& writePdf) {
    std::string error;
    std::optional<Options> options = ParseOptions(args, error);
    if (options && options->mode == Options::Mode::Pdf && !writePdf) {
        options.reset();
        error = "--pdf needs the window system's printing, which this build lacks";
    }
    if (!options) {
        err << "morvik: " << error << "\n";
        MorvikCommandLineModes(writePdf).PrintUsage(err);
        return 2;
    }

    TestData data;
    const bool compare = options->mode == Options::Mode::Compare;
    if (!(compare ? LoadComparison(*options, data, err) : LoadResults(*options, data, err))) {
        return 1;
    }
    if (options->pointsPerError) {
        data.pointsPerError = *options->pointsPerError;
    }
    if (options->duration) {
        data.durationSeconds = *options->duration;
    }
    const std::string original =
        compare ? data.originalText : TestData::ExtendOriginal(data.originalText, data.typedText);
    if (!data.Assess(original, data.typedText)) {
        err << "morvik: " << TestData::kTooLongMessage << "\n";
        return 1;
    }
    data.resultsAvailable = 1;
    const BasicResults results = data.ComputeBasicResults(options->unit.value_or(data.speedUnit));
    if (options->mode == Options::Mode::Pdf) {
        const std::string& pdf = options->files[1];
        if (!writePdf(data, pdf)) {
            err << "morvik: " << PathText(pdf) << ": " << ResultCommands::kCannotSaveMessage
                << "\n";
            return 1;
        }
        return 0;
    }
    if (options->json) {
        PrintJson(*options, data, results, out);
    } else {
        PrintText(*options, data, results, out);
    }
    return 0;
}
