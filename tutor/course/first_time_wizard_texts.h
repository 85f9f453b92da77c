#pragma once

#include <string_view>

#include "common/product_version.h"

/// The texts of the first-time wizard's pages and messages, for the windows that show them.
struct FirstTimeWizardTexts {
    static constexpr std::string_view kCaption = "Initial Test";
    static constexpr std::string_view kMessageCaption = kKelvaneName;

    static constexpr std::string_view kOpenError = "error CFirstTimePage::OnInitDialog";
    static constexpr std::string_view kNoKeyboard =
        "The program cannot find the proper keyboard type. Please, install the correct "
        "keyboard type first. Otherwise, we cannot carry on.";

    static constexpr std::string_view kKeyboardLabel =
        "Choose the keyboard type to be used during the lessons:";
    static constexpr std::string_view kLevelLabel = "Choose the level of difficulty:";

    static constexpr std::string_view kStartText =
        "Do you want to start with the first lesson?\n"
        "If not, you have to qualify for an advanced lesson.\n"
        "\n"
        "Please check the box to start the test.";
    static constexpr std::string_view kQualifyBox =
        "Do you want to qualify for an advanced lesson?";

    static constexpr std::string_view kFingeringText =
        "You cannot do advanced lessons unless you are familiar with the typing fundamentals."
        "       The tests are to be taken by those users who know the correct fingering.";
    static constexpr std::string_view kFingeringBox = "Do you know the correct fingering?";
    static constexpr std::string_view kNoExperienceHint =
        "If you have no typing experience, you have to start with the first lesson.";
    static constexpr std::string_view kNotLongHint = "It will not take too long...";

    static constexpr std::string_view kTestLessonText =
        "Please choose a lesson you can easily handle. The program will test you.";
    static constexpr std::string_view kTestRuleText =
        "If you are able to copy the text in the given time, the program allows you to proceed "
        "with the chosen lesson.";
    static constexpr std::string_view kTestTimeText = "The time limit of the test is 5 minutes.";
    static constexpr std::string_view kCharactersColumn = "Characters used in the lesson";
    static constexpr int kCharactersColumnWidth = 150;
    static constexpr std::string_view kErrorRateColumn = "Error Rate [%]";
    static constexpr int kErrorRateColumnWidth = 100;
    static constexpr std::string_view kSpeedColumn = "Required Speed";
    static constexpr int kSpeedColumnWidth = 100;
    static constexpr std::string_view kTestButton = "Test";
};
