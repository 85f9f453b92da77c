#include "tutor/users/ui/settings_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "tutor/users/audio_output.h"
#include "tutor/users/sound_feedback.h"
#include "tutor/users/tutor_settings.h"
#include "tutor/users/ui/cursor_page.h"
#include "tutor/users/ui/metronome_page.h"
#include "tutor/users/ui/settings_icons.h"
#include "tutor/users/ui/sounds_page.h"

namespace {

using Calls = std::vector<std::string>;

/// Records every call as a line of text, from whichever thread makes it. While held, each
/// call waits until the test lets it go, as a sound that takes long would.
class FakeAudioOutput final : public AudioOutput {
  public:
    void PlayWav(const std::string& path, bool wait) override {
        Record((wait ? "wav-wait " : "wav ") + path);
    }
    void StopWav() override { Record("stop"); }
    void Tone(int frequencyHz, int durationMs) override {
        Record("tone " + std::to_string(frequencyHz) + " " + std::to_string(durationMs));
    }
    void Pause(int durationMs) override { Record("pause " + std::to_string(durationMs)); }
    bool MidiOpen(int device) override {
        Record("open " + std::to_string(device));
        return true;
    }
    void MidiReset() override { Record("reset"); }
    void MidiShortMessage(std::uint32_t message) override {
        char text[16];
        std::snprintf(text, sizeof text, "msg %08X", message);
        Record(text);
    }
    void MidiClose() override { Record("close"); }

    Calls calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    void clear() {
        std::lock_guard lock(mutex_);
        calls_.clear();
    }
    void Hold() {
        std::lock_guard lock(mutex_);
        held_ = true;
    }
    void Release() {
        {
            std::lock_guard lock(mutex_);
            held_ = false;
        }
        released_.notify_all();
    }

  private:
    void Record(std::string call) {
        std::unique_lock lock(mutex_);
        calls_.push_back(std::move(call));
        released_.wait(lock, [this] { return !held_; });
    }

    mutable std::mutex mutex_;
    std::condition_variable released_;
    Calls calls_;
    bool held_ = false;
};

// One sound feedback for the whole test program, as the program has one: a sound test may
// end after its dialog has gone.
FakeAudioOutput& Audio() {
    static FakeAudioOutput audio;
    return audio;
}

SoundFeedback& Sounds() {
    static SoundFeedback sounds(Audio(), "/snd/");
    return sounds;
}

SettingsDialog::Services TestServices() {
    return {Sounds(), {"paper", "standard"}, "/nonexistent/pictures/"};
}

template <typename T>
T* Find(QWidget* parent, const QString& text) {
    for (T* widget : parent->findChildren<T*>()) {
        if (widget->text() == text) {
            return widget;
        }
    }
    qWarning() << "no control" << text;
    return nullptr;
}

void ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

QImage IconImage(int number, const QWidget* on) {
    return SettingsIcon(number).pixmap(QSize(32, 32), on->devicePixelRatioF()).toImage();
}

// One control moved by the keys a person would press, and what it changes in the settings.
struct ControlCase {
    const char* name;
    int page;
    std::function<void(SettingsDialog&)> act;
    std::function<void(TutorSettings&)> expect;
};

void Press(QWidget* widget, Qt::Key key, int times = 1) {
    widget->setFocus();
    for (int i = 0; i < times; ++i) {
        QTest::keyClick(widget, key);
    }
}

const std::vector<ControlCase>& ControlCases() {
    static const std::vector<ControlCase> cases = {
        {"rectangle", 0,
         [](SettingsDialog& d) { Press(d.cursorPage()->shapeButton(0), Qt::Key_Space); },
         [](TutorSettings& s) { s.cursorShape = 0; }},
        {"axe", 0, [](SettingsDialog& d) { Press(d.cursorPage()->shapeButton(1), Qt::Key_Space); },
         [](TutorSettings& s) { s.cursorShape = 1; }},
        {"blinking", 0, [](SettingsDialog& d) { Press(d.cursorPage()->blinkBox(), Qt::Key_Space); },
         [](TutorSettings& s) { s.blinkingCursor = 1; }},
        {"bubble", 1, [](SettingsDialog& d) { Press(d.soundsPage()->wavList(), Qt::Key_Down, 3); },
         [](TutorSettings& s) { s.soundType = 3; }},
        {"overbeep", 1,
         [](SettingsDialog& d) {
             d.soundsPage()->soundTabs()->setCurrentIndex(1);
             Press(d.soundsPage()->speakerList(), Qt::Key_Down, 3);
         },
         [](TutorSettings& s) { s.soundType = 7; }},
        {"silence", 1,
         [](SettingsDialog& d) { Press(d.soundsPage()->soundTabs()->tabBar(), Qt::Key_Right, 2); },
         [](TutorSettings& s) { s.soundType = 8; }},
        {"statistics", 2,
         [](SettingsDialog& d) { Press(Find<QCheckBox>(&d, "Show Statistics"), Qt::Key_Space); },
         [](TutorSettings& s) { s.showStatistics = 0; }},
        {"keyboard", 2,
         [](SettingsDialog& d) {
             Press(Find<QCheckBox>(&d, "Show Helping Keyboard"), Qt::Key_Space);
         },
         [](TutorSettings& s) { s.showKeyboard = 1; }},
        {"hands", 2,
         [](SettingsDialog& d) { Press(Find<QCheckBox>(&d, "Show Helping Hands"), Qt::Key_Space); },
         [](TutorSettings& s) { s.showHands = 1; }},
        {"metronome line", 3,
         [](SettingsDialog& d) { Press(d.metronomePage()->lineBox(), Qt::Key_Space); },
         [](TutorSettings& s) { s.metronomeFlags = 1; }},
        {"metronome sound", 3,
         [](SettingsDialog& d) { Press(d.metronomePage()->soundBox(), Qt::Key_Space); },
         [](TutorSettings& s) { s.metronomeFlags = 2; }},
        {"rate by steps", 3,
         [](SettingsDialog& d) { Press(d.metronomePage()->rateSlider(), Qt::Key_Right, 5); },
         [](TutorSettings& s) { s.metronomeRate = 75; }},
        {"rate by ticks", 3,
         [](SettingsDialog& d) { Press(d.metronomePage()->rateSlider(), Qt::Key_PageUp, 2); },
         [](TutorSettings& s) { s.metronomeRate = 90; }},
        {"appearance", 4, [](SettingsDialog& d) { Press(d.findChild<QListWidget*>(), Qt::Key_Up); },
         [](TutorSettings& s) { s.appearance = "paper"; }},
        {"backspace required", 5,
         [](SettingsDialog& d) {
             Press(Find<QRadioButton>(&d, "Use Backspace after each error"), Qt::Key_Space);
         },
         [](TutorSettings& s) { s.errorMode = 3; }},
        {"warning", 5,
         [](SettingsDialog& d) {
             Press(Find<QRadioButton>(&d, "Display a warning message after each error."),
                   Qt::Key_Space);
         },
         [](TutorSettings& s) { s.errorMode = 1; }},
    };
    return cases;
}

}  // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        // Each test begins with the MIDI output closed, as the program does.
        Sounds().closeMidi();
        Audio().clear();
    }

    void SixPagesWithTheirTitles() {
        SettingsDialog dialog(TutorSettings{}, TestServices());
        QStringList titles;
        for (int i = 0; i < dialog.tabs()->count(); ++i) {
            titles << dialog.tabs()->tabText(i);
        }
        QCOMPARE(titles, (QStringList{"Cursor", "Sounds", "Editor", "Metronome", "Appearance",
                                      "Error Handling"}));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Settings"));
        QCOMPARE(dialog.tabs()->currentIndex(), 0);
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("&OK"));
        QCOMPARE(dialog.cancelButton()->text(), QStringLiteral("&Cancel"));
    }

    void ControlsShowTheStoredSettings() {
        TutorSettings settings;
        settings.fromText("!1:1:6:2:1:0:0:3:120:paper:");
        SettingsDialog dialog(settings, TestServices());
        QVERIFY(dialog.cursorPage()->shapeButton(1)->isChecked());
        QVERIFY(dialog.cursorPage()->blinkBox()->isChecked());
        QCOMPARE(dialog.soundsPage()->soundTabs()->currentIndex(), 1);
        QCOMPARE(dialog.soundsPage()->speakerList()->currentText(),
                 QStringLiteral("Prehistorical Computer"));
        QVERIFY(!Find<QCheckBox>(&dialog, "Show Statistics")->isChecked());
        QVERIFY(Find<QCheckBox>(&dialog, "Show Helping Keyboard")->isChecked());
        QVERIFY(!Find<QCheckBox>(&dialog, "Show Helping Hands")->isChecked());
        QVERIFY(!Find<QCheckBox>(&dialog, "Copied Text")->isEnabled());
        QVERIFY(dialog.metronomePage()->lineBox()->isChecked());
        QVERIFY(dialog.metronomePage()->soundBox()->isChecked());
        QCOMPARE(dialog.metronomePage()->rateSlider()->value(), 120);
        QCOMPARE(dialog.metronomePage()->rateField()->text(), QStringLiteral("120"));
        QCOMPARE(dialog.findChild<QListWidget*>()->currentItem()->text(), QStringLiteral("paper"));
        QVERIFY(Find<QRadioButton>(&dialog, "No limitation")->isChecked());
        QCOMPARE(dialog.edited(), settings);
    }

    void EveryControlSetsItsField_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < ControlCases().size(); ++i) {
            QTest::addRow("%s", ControlCases()[i].name) << static_cast<int>(i);
        }
    }
    void EveryControlSetsItsField() {
        QFETCH(int, index);
        const ControlCase& c = ControlCases()[static_cast<std::size_t>(index)];
        const TutorSettings original;
        SettingsDialog dialog(original, TestServices());
        ShowActive(dialog);
        dialog.tabs()->setCurrentIndex(c.page);
        c.act(dialog);
        // Return presses the default button, OK.
        QTest::keyClick(dialog.okButton(), Qt::Key_Return);
        QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
        TutorSettings expected = original;
        c.expect(expected);
        QCOMPARE(dialog.edited().toText(), expected.toText());
    }

    void EditHandsBackTheCopyOnOkOnly() {
        TutorSettings settings;
        settings.midiNote = 72;
        const TutorSettings before = settings;
        for (bool ok : {false, true}) {
            QTimer::singleShot(0, [ok] {
                auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->cursorPage()->shapeButton(0)->click();
                QTest::keyClick(dialog, ok ? Qt::Key_Return : Qt::Key_Escape);
            });
            QCOMPARE(SettingsDialog::Edit(settings, TestServices(), nullptr), ok);
        }
        TutorSettings expected = before;
        expected.cursorShape = 0;
        QCOMPARE(settings, expected);
        QCOMPARE(settings.midiNote, 72);
    }

    void SoundTabsFollowTheirRules_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("openingTab");
        QTest::addColumn<int>("shownTab");
        QTest::addColumn<int>("soundType");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("entry");
        const QString wav = QStringLiteral("The digital sound option.");
        const QString speaker = QStringLiteral("The speaker has been activated.");
        const QString quiet = QStringLiteral("The computer will be quiet.");
        QTest::newRow("silence to WAV") << 8 << 2 << 0 << 0 << wav << "Default";
        QTest::newRow("WAV set to speaker") << 2 << 0 << 1 << 4 << speaker << "Errors Only";
        QTest::newRow("WAV to silence") << 1 << 0 << 2 << 8 << quiet << "";
        QTest::newRow("speaker stays")
            << 5 << 1 << 1 << 5 << speaker << "Error, Intermittent Sound";
        QTest::newRow("unknown type opens silence") << 12 << 2 << 2 << 8 << quiet << "";
    }
    void SoundTabsFollowTheirRules() {
        QFETCH(int, stored);
        QFETCH(int, openingTab);
        QFETCH(int, shownTab);
        QFETCH(int, soundType);
        QFETCH(QString, label);
        QFETCH(QString, entry);
        TutorSettings settings;
        settings.soundType = stored;
        SettingsDialog dialog(settings, TestServices());
        SoundsPage* page = dialog.soundsPage();
        QCOMPARE(page->soundTabs()->currentIndex(), openingTab);
        page->soundTabs()->setCurrentIndex(shownTab);
        QCOMPARE(dialog.edited().soundType, soundType);
        QCOMPARE(page->label()->text(), label);
        if (!entry.isEmpty()) {
            QComboBox* list = shownTab == 0 ? page->wavList() : page->speakerList();
            QCOMPARE(list->currentText(), entry);
        }
    }

    void TestPlaysTheChosenSoundAndWaitsForItsEnd() {
        SettingsDialog dialog(TutorSettings{}, TestServices());
        ShowActive(dialog);
        dialog.tabs()->setCurrentIndex(1);
        SoundsPage* page = dialog.soundsPage();
        Press(page->wavList(), Qt::Key_Down);  // "Duck"
        page->wavTest()->setFocus();
        Audio().Hold();
        // The mnemonic presses the button of the tab shown, after its short click animation.
        QTest::keyClick(&dialog, Qt::Key_T, Qt::AltModifier);
        QTRY_VERIFY(!page->wavTest()->isEnabled());
        QVERIFY(!page->speakerTest()->isEnabled());
        // The window goes on while the sound plays, and keeps the focus off the OK button.
        QTest::qWait(50);
        QVERIFY(page->wavList()->hasFocus());
        QVERIFY(!page->wavTest()->isEnabled());
        Audio().Release();
        QTRY_VERIFY(page->wavTest()->isEnabled());
        QVERIFY(page->wavTest()->hasFocus());
        QCOMPARE(Audio().calls(),
                 (Calls{"stop", "wav /snd/good2.wav", "pause 300", "stop", "wav /snd/good2.wav",
                        "pause 300", "stop", "wav-wait /snd/bad2.wav", "pause 300", "stop",
                        "wav /snd/good2.wav", "pause 300", "stop", "wav /snd/good2.wav"}));
    }

    void MetronomeTestBeatsWhileItsPageShows() {
        TutorSettings settings;
        settings.metronomeRate = 350;
        SettingsDialog dialog(settings, TestServices());
        ShowActive(dialog);
        MetronomePage* page = dialog.metronomePage();
        QVERIFY2(!page->testTimer()->isActive(), "not while the page is hidden");
        dialog.tabs()->setCurrentIndex(3);
        QVERIFY2(!page->testTimer()->isActive(), "not without a metronome");
        Press(page->lineBox(), Qt::Key_Space);
        QVERIFY(page->testTimer()->isActive());
        QCOMPARE(page->testTimer()->interval(), 171);
        Press(page->rateSlider(), Qt::Key_End);
        Press(page->rateSlider(), Qt::Key_Home);
        QCOMPARE(page->rateField()->text(), QStringLiteral("20"));
        QCOMPARE(page->testTimer()->interval(), 3000);
        Press(page->lineBox(), Qt::Key_Space);
        QVERIFY2(!page->testTimer()->isActive(), "stopped at once");
        Press(page->soundBox(), Qt::Key_Space);
        QVERIFY(page->testTimer()->isActive());
        dialog.tabs()->setCurrentIndex(4);
        QVERIFY2(!page->testTimer()->isActive(), "a hidden page stops it");
    }

    void MetronomeLineIsPaintedThenPaintedAway_data() {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("right");
        QTest::addColumn<Calls>("calls");
        QTest::newRow("line") << 1 << 360 << Calls{};
        QTest::newRow("sound") << 2 << 60
                               << Calls{"open -1", "reset", "msg 00000BC0", "msg 00323C90"};
        QTest::newRow("both") << 3 << 360
                              << Calls{"open -1", "reset", "msg 00000BC0", "msg 00323C90"};
    }
    void MetronomeLineIsPaintedThenPaintedAway() {
        QFETCH(int, flags);
        QFETCH(int, right);
        QFETCH(Calls, calls);
        TutorSettings settings;
        settings.metronomeFlags = flags;
        settings.metronomeRate = 20;  // the timer stays out of the way
        SettingsDialog dialog(settings, TestServices());
        ShowActive(dialog);
        dialog.tabs()->setCurrentIndex(3);
        MetronomePage* page = dialog.metronomePage();
        // Nothing covers the row of the line.
        for (int x = 30; x <= 360; x += 5) {
            QVERIFY2(page->childAt(x, 220) == nullptr, qPrintable(QString::number(x)));
        }
        const QRgb background = page->grab().toImage().pixel(200, 220);
        const QColor grey(100, 100, 100);
        page->beat();
        QVERIFY(page->testLineShown());
        const QImage shown = page->grab().toImage();
        QCOMPARE(shown.pixelColor(31, 220), grey);
        QCOMPARE(shown.pixelColor(45, 219), grey);
        QCOMPARE(shown.pixelColor(45, 221), grey);
        QCOMPARE(shown.pixelColor(59, 220), grey);
        QCOMPARE(shown.pixelColor(200, 220) == grey, right == 360);
        QCOMPARE(shown.pixelColor(359, 220) == grey, right == 360);
        QVERIFY(shown.pixelColor(45, 223) != grey);
        QTRY_VERIFY_WITH_TIMEOUT(!page->testLineShown(), 500);
        const QImage gone = page->grab().toImage();
        QCOMPARE(gone.pixel(45, 220), background);
        QCOMPARE(gone.pixel(200, 220), background);
        QTRY_COMPARE(Audio().calls(), calls);
    }

    void SliderKeepsAnOutOfRangeRateUntilMoved() {
        TutorSettings settings;
        settings.metronomeRate = 500;
        SettingsDialog dialog(settings, TestServices());
        MetronomePage* page = dialog.metronomePage();
        QCOMPARE(page->rateSlider()->value(), 350);
        QCOMPARE(page->rateSlider()->minimum(), 20);
        QCOMPARE(page->rateSlider()->tickInterval(), 10);
        QCOMPARE(page->rateField()->text(), QStringLiteral("500"));
        QCOMPARE(dialog.edited().metronomeRate, 500);
        page->rateSlider()->setValue(340);
        QCOMPARE(dialog.edited().metronomeRate, 340);
        QCOMPARE(page->rateField()->text(), QStringLiteral("340"));
    }

    void CursorPreviewBlinksWhileBlinkingIsChecked() {
        SettingsDialog dialog(TutorSettings{}, TestServices());
        ShowActive(dialog);
        CursorPage* page = dialog.cursorPage();
        QCOMPARE(page->blinkTimer()->interval(), 300);
        const QImage cursor = IconImage(156, page);
        const QImage blank = IconImage(157, page);
        QVERIFY(cursor != blank);
        QCOMPARE(page->preview()->pixmap().toImage(), cursor);
        QTest::qWait(700);
        QCOMPARE(page->preview()->pixmap().toImage(), cursor);
        Press(page->blinkBox(), Qt::Key_Space);
        QTRY_COMPARE(page->preview()->pixmap().toImage(), blank);
        QTRY_COMPARE(page->preview()->pixmap().toImage(), cursor);
        Press(page->blinkBox(), Qt::Key_Space);
        QTest::qWait(700);
        QCOMPARE(page->preview()->pixmap().toImage(), cursor);
    }

    void MissingAppearanceStaysOnTheList() {
        TutorSettings settings;
        settings.appearance = "winter";
        SettingsDialog dialog(settings, TestServices());
        auto* list = dialog.findChild<QListWidget*>();
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("winter"));
        QCOMPARE(dialog.edited().appearance, std::string("winter"));
    }

    void TabFollowsTheReadingOrder_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("order");
        // Into a group of radio buttons at the checked one, and out of it with the next Tab.
        QTest::newRow("cursor") << 0 << QStringList{"Pointer", "Blinking Cursor"};
        QTest::newRow("sounds") << 1 << QStringList{"tabs", "list", "&Test"};
        QTest::newRow("editor") << 2
                                << QStringList{"Show Statistics", "Show Helping Keyboard",
                                               "Show Helping Hands"};
        QTest::newRow("metronome")
            << 3
            << QStringList{"Use the metronome line", "Use the metronome sound (midi)", "slider"};
        QTest::newRow("appearance") << 4 << QStringList{"list"};
        QTest::newRow("errors") << 5 << QStringList{"No limitation"};
    }
    void TabFollowsTheReadingOrder() {
        QFETCH(int, page);
        QFETCH(QStringList, order);
        TutorSettings settings;
        settings.errorMode = 2;
        SettingsDialog dialog(settings, TestServices());
        ShowActive(dialog);
        dialog.tabs()->setCurrentIndex(page);
        dialog.tabs()->tabBar()->setFocus();
        QTRY_VERIFY(dialog.tabs()->tabBar()->hasFocus());
        order << "&OK"
              << "&Cancel"
              << "pages";
        for (const QString& expected : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QString name;
            if (auto* button = qobject_cast<QAbstractButton*>(focus)) {
                name = button->text();
            } else if (qobject_cast<QTabBar*>(focus)) {
                name = focus == dialog.tabs()->tabBar() ? "pages" : "tabs";
            } else if (qobject_cast<QComboBox*>(focus) || qobject_cast<QListWidget*>(focus)) {
                name = "list";
            } else if (qobject_cast<QSlider*>(focus)) {
                name = "slider";
            } else {
                name = focus ? focus->metaObject()->className() : "nothing";
            }
            QCOMPARE(name, expected);
        }
    }
};

QTEST_MAIN(SettingsDialogTest)
#include "settings_dialog_test.moc"
