// Test programs run with HOME and the XDG folders pointing at a fresh temporary folder, so no
// test can read or change the real user's settings or data, and in UTC so that local-time
// formatting is the same everywhere.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "common/testing/temp_dir.h"

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
    return RUN_ALL_TESTS();
}
