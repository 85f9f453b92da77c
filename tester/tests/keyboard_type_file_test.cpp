#include "tester/keyboard_type_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/compressed_line_file.h"
#include "common/file_error.h"
#include "common/testing/temp_dir.h"

namespace {

KeyboardType Table(const std::string& name) {
    KeyboardType table = KeyboardType::BuiltInDefault();
    table.name = name;
    table.editable = true;
    table.fifth = "carried";
    table.pairs = {{"x", "y"}};
    return table;
}

TEST(KeyboardTypeFileTest, TableWrittenAndReadBackIsTheSame) {
    TempDir dir;
    KeyboardType written = Table("Czech");
    const std::string path = dir.File(KeyboardType::FileNameFor(written.name));
    ASSERT_TRUE(KeyboardTypeFile::Write(written, path));
    EXPECT_EQ(written.path, path);

    const std::optional<KeyboardType> read = KeyboardTypeFile::Read(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->ToLines(), written.ToLines());
    EXPECT_EQ(read->path, path);
    EXPECT_EQ(read->chars4, KeyboardType::BuiltInDefault().chars4);
}

TEST(KeyboardTypeFileTest, MissingOrDamagedFilesGiveNoTable) {
    TempDir dir;
    EXPECT_FALSE(KeyboardTypeFile::Read(dir.File("absent.nchrs")));
    const std::string damaged = dir.Write("damaged.nchrs", std::string("\x09\x00\x00\x00zz", 6));
    EXPECT_FALSE(KeyboardTypeFile::Read(damaged));
    EXPECT_THROW(KeyboardTypeFile::FromContents(TempDir::ReadAll(damaged), damaged), FileError);
    KeyboardType table = Table("x");
    EXPECT_FALSE(KeyboardTypeFile::Write(table, dir.File("no/folder/x.nchrs")));
}

TEST(KeyboardTypeFileTest, FolderListsItsReadableTablesByName) {
    TempDir dir;
    for (const char* name : {"Swiss", "Czech", "English"}) {
        KeyboardType table = Table(name);
        ASSERT_TRUE(KeyboardTypeFile::Write(table, dir.File(KeyboardType::FileNameFor(name))));
    }
    dir.Write("damaged.nchrs", std::string("\x09\x00\x00\x00zz", 6));
    dir.Write("other.txt", CompressedLineFile::Encode({"2:Not a table"}));
    dir.Write("folder.nchrs/inner.txt", "");

    std::vector<std::string> names;
    for (const KeyboardType& table : KeyboardTypeFile::ListFolder(dir.path())) {
        names.push_back(table.name);
        EXPECT_EQ(table.path, dir.File(table.name + ".nchrs"));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Czech", "English", "Swiss"}));
    EXPECT_TRUE(KeyboardTypeFile::ListFolder(dir.File("absent")).empty());
}

}  // namespace
