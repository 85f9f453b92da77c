#include "tester/description_page_model.h"

#include <gtest/gtest.h>

#include <string>

#include "common/memory_settings_store.h"
#include "tester/test_data.h"

namespace {

TEST(DescriptionPage, EditableFormStartsEmptyWithTheLastLanguageAndLevel) {
    TestData data;
    data.testName = "old";
    data.description = "old text";
    MemorySettingsStore settings;
    {
        DescriptionPageModel page(data, settings, true);
        EXPECT_EQ(page.testName, "");
        EXPECT_EQ(page.description, "");
        EXPECT_EQ(page.languageId, 1033);
        EXPECT_EQ(page.level, 5);
    }
    settings.WriteInt("", "LanguageID", 1029);
    settings.WriteInt("", "LastDifficulty", 99);
    DescriptionPageModel page(data, settings, true);
    EXPECT_EQ(page.languageId, 1029);
    EXPECT_EQ(page.level, 10) << "a stored level out of range is brought into it";
}

TEST(DescriptionPage, AnEmptyOrBlankNameKeepsThePage) {
    TestData data;
    MemorySettingsStore settings;
    DescriptionPageModel page(data, settings, true);
    for (const char* name : {"", "   ", "\r\n"}) {
        page.testName = name;
        EXPECT_EQ(page.CheckLeave(), (PageProblem{"Enter the name of the new test, please.", 1031}))
            << name;
    }
    page.testName = "Speed test";
    EXPECT_FALSE(page.CheckLeave().has_value());
}

TEST(DescriptionPage, ApplyWritesTheTestWithinItsLimitsAndTheSettings) {
    TestData data;
    MemorySettingsStore settings;
    DescriptionPageModel page(data, settings, true);
    page.testName = std::string(90, 'n');
    // 379 characters and a line break: the cut falls between CR and LF.
    page.description = std::string(379, 'd') + "\r\nmore";
    page.languageId = 1031;
    page.level = 8;
    page.Apply();
    EXPECT_EQ(data.testName, std::string(80, 'n'));
    EXPECT_EQ(data.description, std::string(379, 'd'));
    EXPECT_EQ(data.languageId, 1031);
    EXPECT_EQ(data.level, 8);
    EXPECT_EQ(settings.ReadInt("", "LanguageID", 0), 1031);
    EXPECT_EQ(settings.ReadInt("", "LastDifficulty", 0), 8);
}

TEST(DescriptionPage, ReadOnlyFormShowsTheDefinition) {
    TestData data;
    data.testName = "Story";
    data.description = "Two\r\nlines";
    data.languageId = 1031;
    data.level = 2;
    MemorySettingsStore settings;
    DescriptionPageModel page(data, settings, false);
    EXPECT_EQ(page.testName, "Story");
    EXPECT_EQ(page.description, "Two\r\nlines");
    EXPECT_EQ(page.languageId, 1031);
    EXPECT_EQ(page.level, 2);
    page.testName = "";
    EXPECT_FALSE(page.CheckLeave().has_value());
}

}  // namespace
