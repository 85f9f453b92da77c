#include "common/ui/resizable_dialog.h"

#include <QPushButton>
#include <QSizeGrip>
#include <QTest>

#include <utility>
#include <vector>

namespace {

class AnchoredDialog final : public ResizableDialog {
  public:
    AnchoredDialog() {
        resize(300, 200);
        ok = new QPushButton("OK", this);
        ok->setGeometry(210, 160, 80, 30);
    }

    QPushButton* ok;
    std::vector<std::pair<int, int>> deltas;

  protected:
    void MoveAnchoredControls(int dw, int dh) override {
        deltas.emplace_back(dw, dh);
        MoveBy(ok, dw, dh);
    }
};

}  // namespace

class ResizableDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void CannotBeMadeSmallerThanItOpened() {
        AnchoredDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.minimumSize(), QSize(300, 200));
        dialog.resize(100, 50);
        QCOMPARE(dialog.size(), QSize(300, 200));
    }

    void ShowsASizeGripInTheLowerRightCorner() {
        AnchoredDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* grip = dialog.findChild<QSizeGrip*>();
        QVERIFY(grip != nullptr);
        QVERIFY(grip->isVisible());
        QRect rect = grip->geometry();
        QCOMPARE(rect.right(), dialog.width() - 1);
        QCOMPARE(rect.bottom(), dialog.height() - 1);
    }

    void AnchoredControlsFollowEveryChangeAfterTheFirst() {
        AnchoredDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.deltas.empty());
        dialog.resize(350, 260);
        dialog.resize(340, 270);
        using Deltas = std::vector<std::pair<int, int>>;
        QCOMPARE(dialog.deltas, (Deltas{{50, 60}, {-10, 10}}));
        QCOMPARE(dialog.ok->pos(), QPoint(250, 230));
    }

    void MaximisedSizeDoesNotMoveControls() {
        AnchoredDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.showMaximized();
        QTRY_VERIFY(dialog.isMaximized());
        QVERIFY(dialog.deltas.empty());
        QCOMPARE(dialog.ok->pos(), QPoint(210, 160));
    }
};

QTEST_MAIN(ResizableDialogTest)
#include "resizable_dialog_test.moc"
