#include "tutor/course/ui/system_keyboard_layouts_factory.h"

#include <QGuiApplication>
#include <QtTest>

#include "tutor/course/no_system_keyboard_layouts.h"
#include "tutor/course/xkb_keyboard_layouts.h"

// Runs offscreen with the GUI tests, and on the private X display of scripts/xvfb_run_test.sh
// with KELVANE_EXPECT_PLATFORM=xcb.
class SystemKeyboardLayoutsFactoryTest : public QObject {
    Q_OBJECT

  private slots:
    void onlyXcbOutsideWaylandSwitchesThroughXkb_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("wayland");
        QTest::addColumn<bool>("xkb");
        QTest::newRow("X11") << "xcb" << false << true;
        QTest::newRow("XWayland") << "xcb" << true << false;
        QTest::newRow("Wayland") << "wayland" << true << false;
        QTest::newRow("offscreen") << "offscreen" << false << false;
        QTest::newRow("minimal") << "minimal" << false << false;
    }

    void onlyXcbOutsideWaylandSwitchesThroughXkb() {
        QFETCH(QString, platform);
        QFETCH(bool, wayland);
        QFETCH(bool, xkb);
        QCOMPARE(SystemKeyboardLayoutsFactory::SwitchesThroughXkb(platform, wayland), xkb);
    }

    void waylandSessionIsSeenInTheEnvironment() {
        qunsetenv("WAYLAND_DISPLAY");
        qputenv("XDG_SESSION_TYPE", "x11");
        QVERIFY(!SystemKeyboardLayoutsFactory::InWaylandSession());
        qputenv("XDG_SESSION_TYPE", "wayland");
        QVERIFY(SystemKeyboardLayoutsFactory::InWaylandSession());
        qputenv("XDG_SESSION_TYPE", "x11");
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        QVERIFY(SystemKeyboardLayoutsFactory::InWaylandSession());
        qunsetenv("WAYLAND_DISPLAY");
        qunsetenv("XDG_SESSION_TYPE");
    }

    void createdLayoutsFollowThePlatform() {
        const QByteArray expected = qgetenv("KELVANE_EXPECT_PLATFORM");
        if (!expected.isEmpty()) {
            QCOMPARE(QGuiApplication::platformName(), QString::fromLatin1(expected));
        }
        std::unique_ptr<SystemKeyboardLayouts> layouts = SystemKeyboardLayoutsFactory::Create();
        QVERIFY(layouts != nullptr);
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            QVERIFY(dynamic_cast<XkbKeyboardLayouts*>(layouts.get()) != nullptr);
            if (!qEnvironmentVariableIsEmpty("KELVANE_XVFB_DISPLAY")) {
                // A fresh X server types US English.
                QCOMPARE(layouts->ActiveLayoutName(), std::string("00000409"));
            }
            // Only questions: on a display of a person, nothing may change.
            QVERIFY(layouts->IsAvailable("00000407"));
            QVERIFY(!layouts->IsAvailable("0000040E"));
        } else {
            QVERIFY(dynamic_cast<NoSystemKeyboardLayouts*>(layouts.get()) != nullptr);
        }
    }
};

QTEST_MAIN(SystemKeyboardLayoutsFactoryTest)
#include "system_keyboard_layouts_factory_test.moc"
