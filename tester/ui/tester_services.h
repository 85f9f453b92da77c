#pragma once

class Clock;
class MessageSink;
class PathSettings;
class SettingsStore;
class Sleeper;
class TestData;
class TesterFileDialogs;
class YesNoQuestion;

/// What Morvik's main window works with, made once by the program's main (tests hand in
/// fakes). The window makes message boxes, questions, file dialogs and a sleeper for the
/// re-play (one that sleeps for real) of its own for those left out.
struct TesterServices {
    SettingsStore& settings;
    PathSettings& paths;
    Clock& clock;
    TestData& data;
    MessageSink* messages = nullptr;
    YesNoQuestion* questions = nullptr;
    TesterFileDialogs* fileDialogs = nullptr;
    Sleeper* sleeper = nullptr;
};
