#include "tutor/users/ui/linux_audio_output.h"

#include <QTest>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

#include "common/testing/temp_dir.h"
#include "tutor/users/sound_feedback.h"
#include "tutor/users/tutor_settings.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

/// Sends what the process writes to stderr into a file while it lives.
class CapturedStderr {
  public:
    explicit CapturedStderr(const std::string& path) {
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        FILE* file = std::fopen(path.c_str(), "w");
        dup2(fileno(file), STDERR_FILENO);
        std::fclose(file);
    }
    ~CapturedStderr() {
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }

  private:
    int saved_ = -1;
};

const std::string kSounds = std::string(KELVANE_BIN_DIR) + "/sounds/";

}  // namespace

class LinuxAudioOutputTest : public QObject {
    Q_OBJECT

  private slots:
    // Without a sound device the tutor is silent, says nothing, and its sounds take as long
    // as they would with one.
    void WithoutADeviceIsSilentQuietAndKeepsTime() {
        TempDir dir;
        const std::string log = dir.File("stderr.txt");
        Clock::duration toneTime{};
        Clock::duration errorTime{};
        Clock::duration overbeepTime{};
        {
            CapturedStderr captured(log);
            LinuxAudioOutput output("kelvane_no_such_device");
            SoundFeedback feedback(output, kSounds);

            Clock::time_point started = Clock::now();
            output.Tone(1000, 100);
            toneTime = Clock::now() - started;

            started = Clock::now();
            feedback.playErrorSound(0);  // bad1.wav, 280 ms, waited
            errorTime = Clock::now() - started;

            started = Clock::now();
            feedback.playErrorSound(7);  // three 200 ms tones with two 100 ms pauses
            overbeepTime = Clock::now() - started;

            feedback.playCorrectSound(0);  // does not wait
            TutorSettings settings;
            settings.metronomeFlags = 2;
            feedback.playMetronomeNote(settings);
            QVERIFY(feedback.midiOpen());
            QVERIFY(!output.pump().onDevice());
            feedback.closeMidi();
        }
        QVERIFY(toneTime >= 100ms);
        QVERIFY(toneTime < 2s);
        QVERIFY(errorTime >= 280ms);
        QVERIFY(errorTime < 3s);
        QVERIFY(overbeepTime >= 800ms);
        QVERIFY(overbeepTime < 5s);
        QCOMPARE(QString::fromStdString(TempDir::ReadAll(log)), QString());
    }

    void ClosingDoesNotWaitForASound() {
        auto output = std::make_unique<LinuxAudioOutput>("kelvane_no_such_device");
        std::thread worker([&] { output->PlayWav(kSounds + "wellcome.wav", true); });
        while (output->mixer().waitingCallers() < 1) {
            std::this_thread::yield();
        }
        const Clock::time_point closing = Clock::now();
        output->Shutdown();
        worker.join();
        output.reset();
        QVERIFY(Clock::now() - closing < 500ms);
    }

    void ReadsEachDeliveredSoundOnce() {
        LinuxAudioOutput output("kelvane_no_such_device");
        SoundFeedback feedback(output, kSounds);
        for (int round = 0; round < 3; ++round) {
            for (int type = 0; type < 4; ++type) {
                feedback.playCorrectSound(type);
            }
        }
        QCOMPARE(output.output().wavFilesRead(), 4);
    }
};

QTEST_GUILESS_MAIN(LinuxAudioOutputTest)
#include "linux_audio_output_test.moc"
