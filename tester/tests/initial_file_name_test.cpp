#include "tester/initial_file_name.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* initialName;
    const char* folder;
    const char* file;
    const char* pattern;
};

class InitialFileNameSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(InitialFileNameSplit, APatternNamesAFolderAndItsFilterNotAFile) {
    const SplitCase& c = GetParam();
    InitialFileName split = InitialFileName::Split(c.initialName);
    EXPECT_EQ(split.folder, c.folder);
    EXPECT_EQ(split.file, c.file);
    EXPECT_EQ(split.pattern, c.pattern);
}

INSTANTIATE_TEST_SUITE_P(
    Names, InitialFileNameSplit,
    testing::Values(SplitCase{"/opt/morvik/text/*.mvkt", "/opt/morvik/text/", "", "*.mvkt"},
                    SplitCase{"*.txt", "", "", "*.txt"},
                    SplitCase{"/home/eva/run.2mvk", "/home/eva/", "run.2mvk", ""},
                    SplitCase{"/home/eva/r?n.2mvk", "/home/eva/", "", "r?n.2mvk"},
                    SplitCase{"plain.txt", "", "plain.txt", ""},
                    SplitCase{"/only/folder/", "/only/folder/", "", ""}));

}  // namespace
