#pragma once

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
/// --compare assesses two text files as "Compare two text files" does; --assess a saved
/// results file as Load Results does. Both print the counts, the basic results and the marked
/// positions, as text or as one JSON object.

/// The tester's modes with "--help" and "--version": the one list the usage is printed from.
CommandLineModes MorvikCommandLineModes();

/// True when args (without the program name) ask for a command-line mode.
bool IsMorvikCommandLine(const std::vector<std::string>& args);

/// Runs a command-line mode; args are the arguments without the program name. Returns 0, 1
/// when a file cannot be read or assessed, 2 for a malformed command line.
int RunMorvikCommandLine(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err);
