#include "tester/characters_page_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/data_paths.h"
#include "common/memory_settings_store.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tester/keyboard_type_file.h"
#include "tester/test_data.h"
#include "tester/tests/scripted_yes_no_question.h"

namespace {

constexpr const char* kSaveMessage =
    "Program cannot save data on file. Check filename and permission, please.";

std::vector<std::string> Names(const CharactersPageModel& page) {
    std::vector<std::string> names;
    for (const KeyboardType& type : page.types()) {
        names.push_back(type.name);
    }
    return names;
}

class CharactersPageTest : public testing::Test {
  protected:
    void SetUp() override {
        DataPaths::SetProgramFolder(program.path() + "/");
        // The program folder's own "charconfig" is where new tables go unless a test says
        // otherwise.
        DataPaths::SetWritableRoot(program.path());
        Write(program.path() + "/charconfig", "English keyboard (United States)", false, "abc");
        Write(program.path() + "/charconfig", "German keyboard", false, "\xE4\xF6\xFC");
        Write(program.path() + "/charconfig", "Mine", true, "xyz");
    }
    void TearDown() override { DataPaths::SetWritableRoot(""); }

    static void Write(const std::string& folder, const std::string& name, bool editable,
                      const std::string& chars1) {
        KeyboardType type;
        type.name = name;
        type.editable = editable;
        type.chars1 = chars1;
        type.chars2 = "AB";
        std::filesystem::create_directories(folder);
        ASSERT_TRUE(KeyboardTypeFile::Write(type, folder + "/" + KeyboardType::FileNameFor(name)));
    }

    CharactersPageModel Page(bool editable = true) {
        return CharactersPageModel(data, settings, messages, questions, editable);
    }

    TempDir program;
    TestData data;
    MemorySettingsStore settings;
    RecordingMessageSink messages;
    ScriptedYesNoQuestion questions;
};

TEST_F(CharactersPageTest, ListsTheTablesAndSelectsTheStoredKeyboard) {
    CharactersPageModel page = Page();
    EXPECT_EQ(Names(page), (std::vector<std::string>{"English keyboard (United States)",
                                                     "German keyboard", "Mine"}));
    EXPECT_EQ(page.selected(), 0) << "the default of the \"keyboard\" setting";
    EXPECT_EQ(page.sets()[0], "abc");
    EXPECT_FALSE(page.CanEditSets());
    settings.WriteString("", "keyboard", "Mine");
    CharactersPageModel mine = Page();
    EXPECT_EQ(mine.selected(), 2);
    EXPECT_TRUE(mine.CanEditSets());
    EXPECT_TRUE(mine.CanDelete());
    settings.WriteString("", "keyboard", "Gone");
    EXPECT_EQ(Page().selected(), 0);
}

TEST_F(CharactersPageTest, OnlyTablesTheUserMadeTakeTyping) {
    CharactersPageModel page = Page();
    page.SetChars(0, "changed");
    EXPECT_EQ(page.sets()[0], "abc");
    EXPECT_FALSE(page.modified());
    page.Select(2);
    page.SetChars(1, "P\r\nQ");
    EXPECT_EQ(page.sets()[1], "PQ") << "line breaks are not characters of a set";
    EXPECT_TRUE(page.modified());
}

TEST_F(CharactersPageTest, AModifiedTableIsWrittenBackBeforeAnotherIsShownAndOnApply) {
    CharactersPageModel page = Page();
    page.Select(2);
    page.SetChars(3, "\x8A\x8E");
    page.Select(0);
    std::optional<KeyboardType> stored =
        KeyboardTypeFile::Read(program.path() + "/charconfig/Mine.nchrs");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->chars4, "\x8A\x8E");
    page.Select(2);
    EXPECT_EQ(page.sets()[3], "\x8A\x8E");
    page.SetChars(0, "qrs");
    page.Apply();
    EXPECT_EQ(KeyboardTypeFile::Read(program.path() + "/charconfig/Mine.nchrs")->chars1, "qrs");
    EXPECT_EQ(data.keyboardTypeName, "Mine");
    EXPECT_EQ(data.chars1, "qrs");
    EXPECT_EQ(data.chars2, "AB");
    EXPECT_EQ(data.chars4, "\x8A\x8E");
    EXPECT_EQ(settings.ReadString("", "keyboard", ""), "Mine");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(CharactersPageTest, AddWritesANewEditableTableWithTheShownSets) {
    CharactersPageModel page = Page();
    page.Select(1);
    ASSERT_TRUE(page.Add("Austrian"));
    EXPECT_EQ(Names(page), (std::vector<std::string>{"Austrian", "English keyboard (United States)",
                                                     "German keyboard", "Mine"}));
    EXPECT_EQ(page.selected(), 0);
    EXPECT_TRUE(page.CanEditSets());
    std::optional<KeyboardType> stored =
        KeyboardTypeFile::Read(program.path() + "/charconfig/Austrian.nchrs");
    ASSERT_TRUE(stored);
    EXPECT_TRUE(stored->editable);
    EXPECT_EQ(stored->chars1, "\xE4\xF6\xFC");
    // Listed again in the next sheet.
    EXPECT_EQ(Page().types().size(), 4u);
}

TEST_F(CharactersPageTest, AddRefusesATakenName) {
    CharactersPageModel page = Page();
    for (const char* name : {"Mine", "German keyboard"}) {
        EXPECT_FALSE(page.Add(name));
    }
    // Another name for the same file is taken too.
    ASSERT_TRUE(page.Add("a/b"));
    EXPECT_TRUE(std::filesystem::exists(program.path() + "/charconfig/a_b.nchrs"));
    EXPECT_FALSE(page.Add("a_b"));
    ASSERT_EQ(messages.messages.size(), 3u);
    EXPECT_EQ(messages.messages[0].text,
              "This keyboard name is already in use. Modify the keyboard name, please.");
    EXPECT_EQ(messages.messages[0].caption, "Morvik");
    EXPECT_FALSE(page.Add("  ")) << "an empty name adds nothing";
    EXPECT_EQ(messages.messages.size(), 3u);
    EXPECT_EQ(page.types().size(), 4u);
}

TEST_F(CharactersPageTest, AReadOnlyProgramFolderSendsNewTablesToTheWritableFolder) {
    TempDir user;
    DataPaths::SetWritableRoot(user.path());
    {
        CharactersPageModel page = Page();
        ASSERT_TRUE(page.Add("Travel"));
    }
    EXPECT_TRUE(std::filesystem::exists(user.path() + "/charconfig/Travel.nchrs"));
    EXPECT_FALSE(std::filesystem::exists(program.path() + "/charconfig/Travel.nchrs"));
    // Listed with the rest; a user table named like a delivered one is listed once.
    Write(user.path() + "/charconfig", "Mine", true, "shadow");
    CharactersPageModel page = Page();
    EXPECT_EQ(Names(page), (std::vector<std::string>{"English keyboard (United States)",
                                                     "German keyboard", "Mine", "Travel"}));
    page.Select(2);
    EXPECT_EQ(page.sets()[0], "xyz");
}

TEST_F(CharactersPageTest, AFailedWriteShowsTheSaveMessageAndAddsNothing) {
    const std::string blocker = program.Write("blocker", "a file, not a folder");
    DataPaths::SetWritableRoot(blocker);
    CharactersPageModel page = Page();
    EXPECT_FALSE(page.Add("Nowhere"));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, kSaveMessage);
    EXPECT_EQ(page.types().size(), 3u);
    EXPECT_EQ(page.selected(), 0);
}

TEST_F(CharactersPageTest, DeleteAsksAndRemovesOnlyOnYes) {
    settings.WriteString("", "keyboard", "Mine");
    CharactersPageModel page = Page();
    questions.answers = {false, true};
    page.DeleteSelected();
    EXPECT_EQ(page.types().size(), 3u);
    EXPECT_TRUE(std::filesystem::exists(program.path() + "/charconfig/Mine.nchrs"));
    page.DeleteSelected();
    EXPECT_EQ(questions.asked,
              (std::vector<std::string>{
                  "Morvik: Do you really want to delete the current keyboard: Mine ?",
                  "Morvik: Do you really want to delete the current keyboard: Mine ?"}));
    EXPECT_FALSE(std::filesystem::exists(program.path() + "/charconfig/Mine.nchrs"));
    EXPECT_EQ(Names(page),
              (std::vector<std::string>{"English keyboard (United States)", "German keyboard"}));
    EXPECT_EQ(page.selected(), 1);
    EXPECT_FALSE(page.CanDelete());
    page.DeleteSelected();
    EXPECT_EQ(questions.asked.size(), 2u) << "delivered tables cannot be deleted";
}

TEST_F(CharactersPageTest, AnEmptyListKeepsTheTestsSets) {
    std::filesystem::remove_all(program.path() + "/charconfig");
    data.keyboardTypeName = "own";
    data.chars1 = "own1";
    CharactersPageModel page = Page();
    EXPECT_TRUE(page.types().empty());
    EXPECT_EQ(page.selected(), -1);
    EXPECT_EQ(page.sets()[0], "own1");
    EXPECT_FALSE(page.CanEditSets());
    page.Apply();
    EXPECT_EQ(data.keyboardTypeName, "own");
    EXPECT_EQ(data.chars1, "own1");
    EXPECT_FALSE(settings.Contains("", "keyboard"));
}

TEST_F(CharactersPageTest, ReadOnlyFormShowsTheTestsOwnSetsOnly) {
    data.keyboardTypeName = "Their keyboard";
    data.chars3 = "three";
    CharactersPageModel page = Page(false);
    EXPECT_EQ(Names(page), (std::vector<std::string>{"Their keyboard"}));
    EXPECT_EQ(page.sets()[2], "three");
    EXPECT_FALSE(page.CanEditSets());
    EXPECT_FALSE(page.Add("New"));
    page.Apply();
    EXPECT_FALSE(settings.Contains("", "keyboard"));
    EXPECT_FALSE(std::filesystem::exists(program.path() + "/charconfig/New.nchrs"));
}

}  // namespace
