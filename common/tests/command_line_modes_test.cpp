#include "common/command_line_modes.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Outcome {
    std::optional<int> exitCode;
    std::string out;
    std::string err;
};

Outcome RunWith(const CommandLineModes& modes, std::vector<const char*> args) {
    args.insert(args.begin(), "morvik");
    std::ostringstream out;
    std::ostringstream err;
    Outcome outcome;
    outcome.exitCode = modes.Run(static_cast<int>(args.size()), args.data(), out, err);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

CommandLineModes MorvikModes(std::vector<std::string>* seen = nullptr) {
    CommandLineModes modes("morvik", "Morvik", "1.0", "[FILE]");
    modes.Add({"--assess", "ORIGINAL TYPED", "assesses a typed text",
               [seen](const std::vector<std::string>& arguments, std::ostream& out, std::ostream&) {
                   if (seen != nullptr) {
                       *seen = arguments;
                   }
                   out << "assessed\n";
                   return 4;
               }});
    return modes;
}

}  // namespace

struct WindowCase {
    const char* name;
    std::vector<const char*> args;
};

class CommandLineModesOpensTheWindow : public testing::TestWithParam<WindowCase> {};

TEST_P(CommandLineModesOpensTheWindow, WhenNoModeIsAskedFor) {
    Outcome outcome = RunWith(MorvikModes(), GetParam().args);
    EXPECT_FALSE(outcome.exitCode.has_value());
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineModesOpensTheWindow,
    testing::Values(WindowCase{"NoArguments", {}}, WindowCase{"FileName", {"test.mvkt"}},
                    WindowCase{"QtOption", {"-platform", "offscreen"}},
                    WindowCase{"DoubleDashAlone", {"--"}},
                    WindowCase{"OptionAfterFileName", {"results.2mvk", "--version"}}),
    [](const testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

TEST(CommandLineModes, VersionNamesProductAndVersion) {
    Outcome outcome = RunWith(MorvikModes(), {"--version"});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out, "Morvik 1.0\n");
}

TEST(CommandLineModes, HelpListsEveryModeOnStandardOutput) {
    Outcome outcome = RunWith(MorvikModes(), {"--help"});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_NE(outcome.out.find("Usage: morvik [FILE]\n"), std::string::npos);
    EXPECT_NE(outcome.out.find("  --help\n      shows this help and ends\n"), std::string::npos);
    EXPECT_NE(outcome.out.find("  --assess ORIGINAL TYPED\n      assesses a typed text\n"),
              std::string::npos)
        << outcome.out;
}

TEST(CommandLineModes, AddedModeGetsTheArgumentsAfterItsOption) {
    std::vector<std::string> seen;
    Outcome outcome = RunWith(MorvikModes(&seen), {"--assess", "a.txt", "b.txt"});
    EXPECT_EQ(outcome.exitCode, 4);
    EXPECT_EQ(outcome.out, "assessed\n");
    EXPECT_EQ(seen, (std::vector<std::string>{"a.txt", "b.txt"}));
}

TEST(CommandLineModes, UnknownOptionPrintsTheUsageToStandardErrorAndFails) {
    Outcome outcome = RunWith(MorvikModes(), {"--frobnicate"});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err.rfind("morvik: unknown option --frobnicate\n", 0), 0u);
    EXPECT_NE(outcome.err.find("Usage: morvik"), std::string::npos);
}

TEST(CommandLineModes, AModeAddedAgainReplacesTheFirst) {
    CommandLineModes modes("kelvane", "Kelvane", "1.0");
    modes.Add({"--version", "", "prints more",
               [](const std::vector<std::string>&, std::ostream& out, std::ostream&) {
                   out << "other\n";
                   return 0;
               }});
    Outcome outcome = RunWith(modes, {"--version"});
    EXPECT_EQ(outcome.out, "other\n");
    std::ostringstream usage;
    modes.PrintUsage(usage);
    EXPECT_EQ(usage.str().find("shows the version"), std::string::npos);
}
