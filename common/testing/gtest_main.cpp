// Test programs run with HOME and the XDG folders pointing at a fresh temporary folder, so no
// test can read or change the real user's settings or data, and in UTC so that local-time
// formatting is the same everywhere.
//
// With KELVANE_SKIPPED_TESTS=FOLDER every skipped test is written to a file in FOLDER, one line
// "program<TAB>Suite.Name", so that scripts/test.sh can run the tests skipped for the
// superuser again as an ordinary user.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/testing/temp_dir.h"

namespace {

class SkippedTestRecorder final : public testing::EmptyTestEventListener {
  public:
    explicit SkippedTestRecorder(const std::string& folder)
        : file_(folder + "/skipped-" + std::to_string(getpid()) + ".txt", std::ios::app),
          program_(std::filesystem::read_symlink("/proc/self/exe").string()) {}

    void OnTestEnd(const testing::TestInfo& test) override {
        if (test.result() != nullptr && test.result()->Skipped()) {
            file_ << program_ << '\t' << test.test_suite_name() << '.' << test.name() << '\n'
                  << std::flush;
        }
    }

  private:
    std::ofstream file_;
    std::string program_;
};

}  // namespace

int main(int argc, char** argv) {
    TempDir home;
    const std::string& h = home.path();
    std::filesystem::create_directories(h + "/.config");
    std::filesystem::create_directories(h + "/.local/share");
    setenv("HOME", h.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (h + "/.config").c_str(), 1);
    setenv("XDG_DATA_HOME", (h + "/.local/share").c_str(), 1);
    setenv("XDG_CACHE_HOME", (h + "/.cache").c_str(), 1);
    setenv("TZ", "UTC", 1);
    unsetenv("KELVANE_DATA_DIR");
    tzset();
    testing::InitGoogleTest(&argc, argv);
    if (const char* folder = std::getenv("KELVANE_SKIPPED_TESTS"); folder != nullptr && *folder) {
        testing::UnitTest::GetInstance()->listeners().Append(new SkippedTestRecorder(folder));
    }
    return RUN_ALL_TESTS();
}
