#include "common/atomic_file_writer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "common/compressed_line_file.h"
#include "common/testing/temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Makes every write beyond limit bytes fail for the life of the object, as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t limit) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace

TEST(AtomicFileWriter, ReplacesContentsAndLeavesNoTemporaryFile) {
    TempDir dir;
    const std::string path = dir.Write("file.dat", "old contents that are longer");
    ASSERT_TRUE(AtomicFileWriter::Write(path, "new"));
    EXPECT_EQ(TempDir::ReadAll(path), "new");
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"file.dat"});
}

TEST(AtomicFileWriter, CreatesNewAndEmptyFiles) {
    TempDir dir;
    ASSERT_TRUE(AtomicFileWriter::Write(dir.File("a"), ""));
    EXPECT_TRUE(fs::exists(dir.File("a")));
    EXPECT_EQ(fs::file_size(dir.File("a")), 0u);
}

TEST(AtomicFileWriter, FailedWriteKeepsOldFileAndLeavesNoTemporaryFile) {
    TempDir dir;
    const std::string path = dir.Write("file.dat", "old");
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(AtomicFileWriter::Write(path, std::string(5000, 'x')));
    }
    EXPECT_EQ(TempDir::ReadAll(path), "old");
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"file.dat"});
}

TEST(AtomicFileWriter, FolderAsTargetIsRefusedAndLeftAlone) {
    TempDir dir;
    dir.Write("target/inside.txt", "x");
    EXPECT_FALSE(AtomicFileWriter::Write(dir.File("target"), "new"));
    EXPECT_EQ(TempDir::ReadAll(dir.File("target/inside.txt")), "x");
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"target"});
}

TEST(AtomicFileWriter, MissingFolderOrEmptyPathIsRefused) {
    TempDir dir;
    EXPECT_FALSE(AtomicFileWriter::Write(dir.File("missing/file"), "x"));
    EXPECT_FALSE(AtomicFileWriter::Write("", "x"));
}

TEST(AtomicFileWriter, ReadOnlyFolderIsRefusedAndOldFileKept) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "the superuser may write into read-only folders";
    }
    TempDir dir;
    const std::string path = dir.Write("ro/file.dat", "old");
    fs::permissions(dir.File("ro"), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(AtomicFileWriter::Write(path, "new"));
    fs::permissions(dir.File("ro"), fs::perms::owner_all);
    EXPECT_EQ(TempDir::ReadAll(path), "old");
    EXPECT_EQ(Entries(dir.File("ro")), std::vector<std::string>{"file.dat"});
}

TEST(AtomicFileWriter, SymbolicLinkStaysAndItsFileIsReplaced) {
    TempDir dir;
    const std::string real = dir.Write("real.dat", "old");
    fs::create_symlink(real, dir.File("link.dat"));
    ASSERT_TRUE(AtomicFileWriter::Write(dir.File("link.dat"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir.File("link.dat")));
    EXPECT_EQ(TempDir::ReadAll(real), "new");
}

TEST(AtomicFileWriter, ExistingFileKeepsItsPermissions) {
    TempDir dir;
    const std::string path = dir.Write("file.dat", "old");
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, perms);
    ASSERT_TRUE(AtomicFileWriter::Write(path, "new"));
    EXPECT_EQ(fs::status(path).permissions(), perms);
}

TEST(AtomicFileWriter, LineFileWriteThatFailsKeepsTheOldFile) {
    TempDir dir;
    CompressedLineFile old;
    old.AddLine("old line");
    const std::string path = dir.File("lines.dat");
    ASSERT_TRUE(old.Write(path));

    CompressedLineFile bigger;
    for (int i = 0; i < 2000; ++i) {
        bigger.AddLine(std::to_string(i * 7919) + " different text on every line " +
                       std::to_string(i));
    }
    {
        FileSizeLimit limit(2000);
        EXPECT_FALSE(bigger.Write(path));
    }
    CompressedLineFile read;
    ASSERT_TRUE(read.Read(path));
    EXPECT_EQ(read.lines(), old.lines());
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"lines.dat"});
}
