// linefile: packs the lines of plain text files into the programs' compressed line container
// and unpacks them again, and shows the plain lines of rich-text files, for people who write
// courses, keyboards and tests.

#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/atomic_file_writer.h"
#include "common/compressed_line_file.h"
#include "common/extract_rich_text.h"
#include "common/file_error.h"
#include "common/text_lines.h"

namespace {

constexpr int kFailure = 1;

std::optional<std::string> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

int Fail(const std::string& message) {
    std::cerr << "linefile: " << message << '\n';
    return kFailure;
}

int Pack(std::span<const std::string> args) {
    const std::string& textPath = args[0];
    const std::string& outPath = args[1];
    const std::optional<std::string> text = ReadBytes(textPath);
    if (!text) {
        return Fail("cannot read " + textPath);
    }
    CompressedLineFile file;
    for (const std::string& line : SplitTextLines(*text)) {
        file.AddLine(line);
    }
    if (!file.Write(outPath)) {
        return Fail("cannot write " + outPath);
    }
    return 0;
}

int Unpack(std::span<const std::string> args) {
    const std::string& inPath = args[0];
    const std::string& textPath = args[1];
    CompressedLineFile file;
    if (!file.Read(inPath)) {
        return Fail("cannot read " + inPath);
    }
    if (!AtomicFileWriter::Write(textPath, JoinTextLines(file.lines()))) {
        return Fail("cannot write " + textPath);
    }
    return 0;
}

// The plain lines a rich-text document gives, as the programs see them (width 70 unless
// given), one per line.
int RichText(std::span<const std::string> args) {
    const std::string& rtfPath = args[0];
    const std::string& textPath = args[1];
    int width = 70;
    if (args.size() > 2) {
        const std::string& text = args[2];
        width = 0;
        for (char c : text) {
            if (c < '0' || c > '9' || width > 100000) {
                return Fail("the width must be a whole number from 1 to 100000: " + text);
            }
            width = width * 10 + (c - '0');
        }
        if (width < 1 || width > 100000) {
            return Fail("the width must be a whole number from 1 to 100000: " + text);
        }
    }
    std::vector<std::string> lines;
    ExtractRichText(rtfPath, lines, width);
    if (!AtomicFileWriter::Write(textPath, JoinTextLines(lines))) {
        return Fail("cannot write " + textPath);
    }
    return 0;
}

struct Command {
    std::string_view name;
    std::string_view arguments;
    std::size_t minArguments;
    std::size_t maxArguments;
    std::string_view description;
    int (*run)(std::span<const std::string> args);
};

// Every command is one entry here; usage and argument checks follow from the table.
constexpr Command kCommands[] = {
    {"pack", "TEXT OUT", 2, 2,
     "packs the lines of a plain text file (LF or CR LF line ends) into a line file", Pack},
    {"unpack", "IN TEXT", 2, 2, "writes the lines of a line file as plain text, one per line",
     Unpack},
    {"rtf", "IN.rtf OUT.txt [WIDTH]", 2, 3,
     "writes the plain lines of a rich-text file (width 70 unless given), one per line", RichText},
};

int Usage() {
    std::cerr << "usage:\n";
    for (const Command& command : kCommands) {
        std::cerr << "  linefile " << command.name << ' ' << command.arguments << "\n      "
                  << command.description << '\n';
    }
    return kFailure;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Usage();
    }
    const std::string_view name = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (command.name != name) {
            continue;
        }
        if (args.size() < command.minArguments || args.size() > command.maxArguments) {
            return Usage();
        }
        try {
            return command.run(args);
        } catch (const FileError& error) {
            return Fail(error.message());
        }
    }
    return Usage();
}
