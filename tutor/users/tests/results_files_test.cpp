#include "tutor/users/results_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ExtensionCase {
    const char* chosen;
    const char* saved;
};

class StatExtension : public testing::TestWithParam<ExtensionCase> {};

TEST_P(StatExtension, IsAddedOnlyToANameWithoutOne) {
    EXPECT_EQ(ResultsFiles::WithStatExtension(GetParam().chosen), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(
    Names, StatExtension,
    testing::Values(ExtensionCase{"/home/jana/run", "/home/jana/run.stat"},
                    ExtensionCase{"/home/jana/run.stat", "/home/jana/run.stat"},
                    ExtensionCase{"/home/jana/run.STAT", "/home/jana/run.STAT"},
                    ExtensionCase{"/home/jana/run.txt", "/home/jana/run.txt"},
                    ExtensionCase{"/home/jana/run.", "/home/jana/run.stat"},
                    ExtensionCase{"/home/jana/.run", "/home/jana/.run.stat"},
                    ExtensionCase{"/home/v1.2/run", "/home/v1.2/run.stat"},
                    ExtensionCase{"/home/jana/p\xC5\x99\xC3\xADklad",
                                  "/home/jana/p\xC5\x99\xC3\xADklad.stat"}));

}  // namespace
