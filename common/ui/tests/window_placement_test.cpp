#include "common/ui/window_placement.h"

#include <QHeaderView>
#include <QMainWindow>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

#include "common/memory_settings_store.h"

class WindowPlacementTest : public QObject {
    Q_OBJECT

  private slots:
    void FirstStartOpensAtTheDefaultRectangle() {
        MemorySettingsStore settings;
        QMainWindow window;
        WindowPlacement placement(settings, "mainframe", &window, 50, 600, 50, 350);
        QVERIFY(placement.ApplyToCreation());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.pos(), QPoint(50, 50));
        QCOMPARE(window.size(), QSize(600, 350));
        QVERIFY(!window.isMaximized());
    }

    void NormalWindowComesBackWhereItWasLeft() {
        MemorySettingsStore settings;
        {
            QMainWindow window;
            WindowPlacement placement(settings, "mainframe", &window, 50, 600, 50, 350);
            placement.ApplyToCreation();
            window.show();
            window.move(120, 80);
            window.resize(640, 420);
            QVERIFY(placement.Save());
        }
        QCOMPARE(settings.ReadInt("Window", "mainframe_x", -1), 120);
        QCOMPARE(settings.ReadInt("Window", "mainframe_cy", -1), 420);
        QMainWindow window;
        WindowPlacement placement(settings, "mainframe", &window, 50, 600, 50, 350);
        placement.ApplyToCreation();
        window.show();
        QCOMPARE(window.geometry().size(), QSize(640, 420));
        QCOMPARE(window.pos(), QPoint(120, 80));
    }

    void ClosedMaximisedKeepsKeysAndReopensMaximisedOverTheDefault() {
        MemorySettingsStore settings;
        settings.WriteInt("Window", "mainframe_x", 70);
        settings.WriteInt("Window", "mainframe_cx", 500);
        settings.WriteInt("Window", "mainframe_y", 60);
        settings.WriteInt("Window", "mainframe_cy", 300);
        {
            QMainWindow window;
            WindowPlacement placement(settings, "mainframe", &window, 50, 600, 50, 350);
            placement.ApplyToCreation();
            window.showMaximized();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(window.isMaximized());
            QVERIFY(placement.Save());
        }
        QCOMPARE(settings.ReadInt("Window", "mainframe_x", -1), 70);
        QCOMPARE(settings.ReadInt("Window", "mainframe_cx", -1), 500);
        QCOMPARE(settings.ReadInt("Window", "mainframe_y", -1), 60);
        QCOMPARE(settings.ReadInt("Window", "mainframe_cy", -1), 300);
        QCOMPARE(settings.ReadInt("Window", "mainframe_max", -1), 1);

        QMainWindow window;
        WindowPlacement placement(settings, "mainframe", &window, 50, 600, 50, 350);
        placement.ApplyToCreation();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.isMaximized());
        window.showNormal();
        QTRY_COMPARE(window.geometry().size(), QSize(600, 350));
        QCOMPARE(window.pos(), QPoint(50, 50));
    }

    void RestoreShowsTheDialogAndSaveWithoutWindowFails() {
        MemorySettingsStore settings;
        settings.WriteInt("Window", "lessondlg_x", 40);
        settings.WriteInt("Window", "lessondlg_y", 45);
        QWidget dialog(nullptr, Qt::Dialog);
        WindowPlacement placement(settings, "lessondlg", &dialog, 30, 600, 30, 300);
        QVERIFY(placement.Restore());
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.pos(), QPoint(40, 45));
        QCOMPARE(dialog.size(), QSize(600, 300));

        WindowPlacement detached(settings, "other", nullptr, 1, 2, 3, 4);
        QVERIFY(!detached.Restore());
        QVERIFY(!detached.Save());
        QVERIFY(!detached.ApplyToCreation());
        QVERIFY(!settings.Contains("Window", "other_max"));
    }

    void WindowLostOffTheScreensReturnsToTheDefaultPosition() {
        MemorySettingsStore settings;
        settings.WriteInt("Window", "mainframe_x", 30000);
        settings.WriteInt("Window", "mainframe_y", -30000);
        settings.WriteInt("Window", "mainframe_cx", 640);
        settings.WriteInt("Window", "mainframe_cy", 0);
        WindowPlacement placement(settings, "mainframe", nullptr, 50, 600, 50, 350);
        QCOMPARE(placement.NormalGeometry(), QRect(50, 50, 640, 350));
    }

    void ColumnsApplyToTheFirstColumnsUpToTheFirstGap() {
        MemorySettingsStore settings;
        settings.WriteInt("Window", "statisticdlg_ColumnFaults0", 71);
        settings.WriteInt("Window", "statisticdlg_ColumnFaults1", 82);
        settings.WriteInt("Window", "statisticdlg_ColumnFaults3", 93);
        QStandardItemModel model(2, 4);
        QTableView table;
        table.setModel(&model);
        QHeaderView& header = *table.horizontalHeader();
        header.setMinimumSectionSize(5);
        header.resizeSection(2, 40);
        header.resizeSection(3, 44);
        WindowPlacement placement(settings, "statisticdlg", nullptr, 30, 610, 30, 450);
        QCOMPARE(placement.LoadColumns("Faults"), (std::vector<int>{71, 82}));
        placement.LoadColumns("Faults", header);
        QCOMPARE(header.sectionSize(0), 71);
        QCOMPARE(header.sectionSize(1), 82);
        QCOMPARE(header.sectionSize(2), 40);
        QCOMPARE(header.sectionSize(3), 44);

        header.resizeSection(2, 55);
        placement.SaveColumns("Speed", header);
        QCOMPARE(placement.LoadColumns("Speed"), (std::vector<int>{71, 82, 55, 44}));
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
