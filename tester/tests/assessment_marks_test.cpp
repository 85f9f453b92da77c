#include "tester/assessment_marks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct MarkCase {
    CharClass charClass;
    std::vector<MarkSegment> segments;
};

void PrintTo(const MarkCase& c, std::ostream* out) {
    *out << CharClassName(c.charClass);
}

class MarkCases : public testing::TestWithParam<MarkCase> {};

// A character from x = 10 to 22 on a line 24 high; an "f" is 6 wide, the centre is at 16.
TEST_P(MarkCases, DrawsTheClassMark) {
    const MarkCase& c = GetParam();
    EXPECT_EQ(MarkSegments(c.charClass, CharBox{10, 22}, 24, 6), c.segments);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, MarkCases,
    testing::Values(MarkCase{CharClass::Correct, {}},
                    MarkCase{CharClass::WrongChar, {{10, 6, 22, 6}}},
                    MarkCase{CharClass::ExtraChar, {{10, 12, 22, 12}, {10, 16, 22, 16}}},
                    MarkCase{CharClass::OmissionBefore, {{13, 6, 19, 12}, {19, 12, 13, 18}}},
                    MarkCase{CharClass::WrongCharAndOmission,
                             {{13, 6, 19, 12}, {19, 12, 13, 18}, {10, 6, 22, 6}}},
                    MarkCase{CharClass::NotAssessed, {{10, 12, 22, 16}, {10, 16, 22, 12}}}),
    [](const testing::TestParamInfo<MarkCase>& info) {
        return std::string(CharClassName(info.param.charClass));
    });

}  // namespace
