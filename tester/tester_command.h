#pragma once

/// The commands of Morvik's main window. The numbers are the command identifiers that the
/// menu items and toolbar buttons carry.
enum class TesterCommand : int {
    Font = 32771,
    BackgroundColor = 32772,
    Start = 32773,
    Pause = 32774,
    PrintResults = 32775,
    SaveResults = 32776,
    LoadResults = 32778,
    ShowResults = 32779,
    CompareTextFiles = 32782,
    SaveUserText = 32783,
    MarkingColor = 32784,
    ReplayPlay = 32786,
    UserText = 32787,
    TextAfterAssessment = 32788,
    ReplayPause = 32789,
    ReplayStop = 32790,
    CreateTypingTest = 32793,
    LoadTypingTest = 32794,
    /// The printed report in a preview window.
    PrintPreview = 32795,
    /// The printed report written to a PDF file.
    PrintToPdf = 32796,
    About = 57664,
    Exit = 57665,
    Help = 57667,
};
