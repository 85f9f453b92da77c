#include "tutor/users/sound_feedback.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tutor/users/audio_output.h"
#include "tutor/users/tutor_settings.h"

namespace {

/// Writes every call as one line of text.
class RecordingAudioOutput final : public AudioOutput {
  public:
    void PlayWav(const std::string& path, bool wait) override {
        calls.push_back((wait ? "wav-wait " : "wav ") + path);
    }
    void StopWav() override { calls.push_back("stop"); }
    void Tone(int frequencyHz, int durationMs) override {
        calls.push_back("tone " + std::to_string(frequencyHz) + " " + std::to_string(durationMs));
    }
    void Pause(int durationMs) override { calls.push_back("pause " + std::to_string(durationMs)); }
    bool MidiOpen(int device) override {
        calls.push_back("open " + std::to_string(device));
        return openSucceeds;
    }
    void MidiReset() override { calls.push_back("reset"); }
    void MidiShortMessage(std::uint32_t message) override {
        char text[16];
        std::snprintf(text, sizeof text, "msg %08X", message);
        calls.push_back(text);
    }
    void MidiClose() override { calls.push_back("close"); }

    std::vector<std::string> calls;
    bool openSucceeds = true;
};

using Calls = std::vector<std::string>;

struct SoundCase {
    int soundType;
    Calls correct;
    Calls error;
};

class StrokeSounds : public testing::TestWithParam<SoundCase> {};

TEST_P(StrokeSounds, PlayTheSequenceOfTheirType) {
    const SoundCase& c = GetParam();
    RecordingAudioOutput output;
    SoundFeedback sounds(output, "/snd/");
    sounds.playCorrectSound(c.soundType);
    EXPECT_EQ(output.calls, c.correct);
    output.calls.clear();
    sounds.playErrorSound(c.soundType);
    EXPECT_EQ(output.calls, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, StrokeSounds,
    testing::Values(
        SoundCase{0, {"stop", "wav /snd/good1.wav"}, {"stop", "wav-wait /snd/bad1.wav"}},
        SoundCase{1, {"stop", "wav /snd/good2.wav"}, {"stop", "wav-wait /snd/bad2.wav"}},
        SoundCase{2, {"stop", "wav /snd/good3.wav"}, {"stop", "wav-wait /snd/bad3.wav"}},
        SoundCase{3, {"stop", "wav /snd/good4.wav"}, {"stop", "wav-wait /snd/bad4.wav"}},
        SoundCase{4, {}, {"tone 300 20", "tone 1000 40"}},
        SoundCase{5,
                  {},
                  {"tone 300 20", "tone 1000 40", "tone 300 20", "tone 1000 40", "tone 300 20",
                   "tone 1000 40"}},
        SoundCase{6, {}, {"tone 3000 200", "tone 1000 40"}},
        SoundCase{7,
                  {"tone 500 50"},
                  {"tone 3000 200", "pause 100", "tone 3000 200", "pause 100", "tone 3000 200"}},
        SoundCase{8, {}, {}}, SoundCase{9, {}, {}}, SoundCase{-1, {}, {}}));

TEST(SoundTest, PlaysCorrectCorrectErrorCorrectCorrectThreeHundredMillisecondsApart) {
    RecordingAudioOutput output;
    SoundFeedback sounds(output, "");
    sounds.playTestSequence(6);
    EXPECT_EQ(output.calls, (Calls{"pause 300", "pause 300", "tone 3000 200", "tone 1000 40",
                                   "pause 300", "pause 300"}));
    output.calls.clear();
    sounds.playTestSequence(0);
    EXPECT_EQ(output.calls.size(), 14u);
    EXPECT_EQ(output.calls[7], "wav-wait bad1.wav");
}

TEST(MetronomeNote, DefaultsSendProgramChangeAndNoteOn) {
    TutorSettings settings;
    EXPECT_EQ(SoundFeedback::programChangeMessage(settings), 0x00000BC0u);
    EXPECT_EQ(SoundFeedback::noteOnMessage(settings), 0x00323C90u);
    RecordingAudioOutput output;
    SoundFeedback sounds(output, "");
    sounds.playMetronomeNote(settings);
    sounds.playMetronomeNote(settings);
    EXPECT_EQ(output.calls, (Calls{"open -1", "reset", "msg 00000BC0", "msg 00323C90", "reset",
                                   "msg 00000BC0", "msg 00323C90"}));
}

TEST(MetronomeNote, ChannelAndFieldsArePackedIntoTheirBytes) {
    TutorSettings settings;
    settings.midiChannel = 9;
    settings.midiProgram = 115;
    settings.midiNote = 76;
    settings.midiVelocity = 127;
    EXPECT_EQ(SoundFeedback::programChangeMessage(settings), 0x000073C9u);
    EXPECT_EQ(SoundFeedback::noteOnMessage(settings), 0x007F4C99u);
    // Values past their field stay inside it.
    settings.midiChannel = 17;
    settings.midiNote = 200;
    EXPECT_EQ(SoundFeedback::noteOnMessage(settings) & 0xFFu, 0x91u);
    EXPECT_EQ((SoundFeedback::noteOnMessage(settings) >> 8) & 0x80u, 0u);
}

TEST(MetronomeNote, ChangedDeviceClosesTheOldOutputBeforeTheNextBeat) {
    TutorSettings settings;
    RecordingAudioOutput output;
    SoundFeedback sounds(output, "");
    sounds.playMetronomeNote(settings);
    settings.midiDevice = 2;
    output.calls.clear();
    sounds.playMetronomeNote(settings);
    EXPECT_EQ(output.calls, (Calls{"close", "open 2", "reset", "msg 00000BC0", "msg 00323C90"}));
    EXPECT_EQ(sounds.midiOpenDevice(), 2);
}

TEST(MetronomeNote, OutputThatCannotOpenStaysSilentAndIsTriedAgain) {
    TutorSettings settings;
    RecordingAudioOutput output;
    output.openSucceeds = false;
    SoundFeedback sounds(output, "");
    sounds.playMetronomeNote(settings);
    sounds.playMetronomeNote(settings);
    EXPECT_EQ(output.calls, (Calls{"open -1", "open -1"}));
    EXPECT_FALSE(sounds.midiOpen());
    output.openSucceeds = true;
    sounds.playMetronomeNote(settings);
    EXPECT_TRUE(sounds.midiOpen());
    sounds.closeMidi();
    sounds.closeMidi();
    EXPECT_EQ(output.calls.back(), "close");
    EXPECT_EQ(std::count(output.calls.begin(), output.calls.end(), "close"), 1);
}

TEST(MetronomeInterval, OneBeatPerExpectedStroke) {
    EXPECT_EQ(MetronomeIntervalMs(70), 857);
    EXPECT_EQ(MetronomeIntervalMs(350), 171);
    EXPECT_EQ(MetronomeIntervalMs(0), 60000);
    EXPECT_EQ(MetronomeIntervalMs(-20), 60000);
    EXPECT_EQ(MetronomeIntervalMs(1), 60000);
}

}  // namespace
