#pragma once

/// The commands of Kelvane's main window. The numbers are the command identifiers that the
/// menu items carry.
enum class TutorCommand : int {
    LogInNewUser = 32781,
    ChangeUserDetails = 32780,
    SaveResults = 32785,
    LoadResults = 32786,
    SaveUserInfoOnDiskette = 32788,
    Exit = 57665,
    ChooseLesson = 32772,
    ChooseTextFile = 32775,
    Settings = 32776,
    Results = 32773,
    LessonDescription = 32778,
    Help = 32779,
    About = 57664,
    EndOfTest = 32790,
};
