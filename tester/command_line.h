#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "common/command_line_modes.h"

/// The tester's command-line modes, which need no display (teachers grade many files at once):
///
///   morvik --compare ORIGINAL TYPED [--unit strokes|words] [--points-per-error N]
///                    [--duration SECONDS] [--json]
///   morvik --assess RESULTS.2mvk [--unit strokes|words] [--points-per-error N]
///                   [--duration SECONDS] [--json]
///
///   morvik --pdf RESULTS.2mvk OUT.pdf [--unit strokes|words] [--points-per-error N]
///                [--duration SECONDS]
///
/// --compare assesses two text files as "Compare two text files" does; --assess a saved
/// results file as Load Results does. Both print the counts, the basic results and the marked
/// positions, as text or as one JSON object. --pdf assesses a saved results file and writes
/// its printed report to a PDF file (a teacher prints a whole class's results in one go).

class TestData;

/// Writes the printed report of assessed results to a PDF file; false when the file cannot be
/// written. The window system's printing does it; the core only decides what to print.
using ReportPdfWriter = std::function<bool(const TestData& data, const std::string& pdfPath)>;

/// The tester's modes with "--help" and "--version": the one list the usage is printed from.
/// "--pdf" is among them when a PDF writer is given.
CommandLineModes MorvikCommandLineModes(ReportPdfWriter writePdf = {});

/// True when args (without the program name) ask for a command-line mode.
bool IsMorvikCommandLine(const std::vector<std::string>& args);

/// Runs a command-line mode; args are the arguments without the program name. Returns 0, 1
/// when a file cannot be read, assessed or written, 2 for a malformed command line (and for
/// --pdf without a PDF writer).
int RunMorvikCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                         const ReportPdfWriter& writePdf = {});
