#include "tutor/users/session_holder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SessionHolder, TextGivesBackEveryField) {
    SessionHolder holder;
    holder.host = "lab-07";
    holder.machineId = "4c4c4544";
    holder.bootId = "0f9e";
    holder.pid = 4242;
    holder.since = 1700000000;
    holder.heartbeat = 1700000090;
    EXPECT_EQ(SessionHolder::FromText(holder.ToText()), holder);
}

// A host name never breaks the file into more lines.
TEST(SessionHolder, LineEndInAHostNameStaysOnItsLine) {
    SessionHolder holder;
    holder.host = "bad\nname";
    holder.pid = 1;
    std::optional<SessionHolder> read = SessionHolder::FromText(holder.ToText());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->host, "bad name");
    EXPECT_EQ(read->pid, 1);
}

struct TextCase {
    std::string label;
    std::string text;
    friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.label; }
};

class SessionHolderRefuses : public testing::TestWithParam<TextCase> {};

TEST_P(SessionHolderRefuses, TextThatIsNoLockFile) {
    EXPECT_FALSE(SessionHolder::FromText(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SessionHolderRefuses,
    testing::Values(TextCase{"Empty", ""},
                    TextCase{"OtherFormat", "Kelvane session 2\nhost=a\npid=1\nheartbeat=5\n"},
                    TextCase{"NoPid", "Kelvane session 1\nhost=a\nheartbeat=5\n"},
                    TextCase{"NoHeartbeat", "Kelvane session 1\nhost=a\npid=1\n"},
                    TextCase{"PidNotANumber", "Kelvane session 1\npid=12x\nheartbeat=5\n"},
                    TextCase{"CutInTheMiddle", "Kelvane session 1\nhost=a\npid=1\nheartbe"}),
    [](const testing::TestParamInfo<TextCase>& info) { return info.param.label; });

struct ComputerCase {
    std::string label;
    SessionHolder a;
    SessionHolder b;
    bool sameComputer;
    bool sameProcess;
    friend void PrintTo(const ComputerCase& c, std::ostream* os) { *os << c.label; }
};

SessionHolder Holder(std::string host, std::string machine, std::string boot, std::int64_t pid) {
    SessionHolder holder;
    holder.host = std::move(host);
    holder.machineId = std::move(machine);
    holder.bootId = std::move(boot);
    holder.pid = pid;
    return holder;
}

class SessionHolderCompare : public testing::TestWithParam<ComputerCase> {};

TEST_P(SessionHolderCompare, TellsComputersAndProgramsApart) {
    EXPECT_EQ(GetParam().a.SameComputer(GetParam().b), GetParam().sameComputer);
    EXPECT_EQ(GetParam().b.SameComputer(GetParam().a), GetParam().sameComputer);
    EXPECT_EQ(GetParam().a.SameProcess(GetParam().b), GetParam().sameProcess);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, SessionHolderCompare,
    testing::Values(ComputerCase{"SameProgram", Holder("pc", "m1", "b1", 5),
                                 Holder("pc", "m1", "b1", 5), true, true},
                    ComputerCase{"OtherProgram", Holder("pc", "m1", "b1", 5),
                                 Holder("pc", "m1", "b1", 6), true, false},
                    ComputerCase{"AfterARestart", Holder("pc", "m1", "b1", 5),
                                 Holder("pc", "m1", "b2", 5), true, false},
                    ComputerCase{"ClonesOfOneName", Holder("pc", "m1", "b1", 5),
                                 Holder("pc", "m2", "b1", 5), false, false},
                    ComputerCase{"RenamedComputer", Holder("pc", "m1", "b1", 5),
                                 Holder("pc2", "m1", "b1", 5), true, true},
                    ComputerCase{"NoMachineIdentitiesNamesDecide", Holder("pc", "", "", 5),
                                 Holder("pc", "", "", 5), true, true},
                    ComputerCase{"NoIdentityAtAll", Holder("", "", "", 5), Holder("", "", "", 5),
                                 false, false}),
    [](const testing::TestParamInfo<ComputerCase>& info) { return info.param.label; });

}  // namespace
