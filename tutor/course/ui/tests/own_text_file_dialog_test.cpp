#include "tutor/course/ui/own_text_file_dialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QTimer>

#include <functional>

#include "common/data_paths.h"
#include "common/testing/temp_dir.h"

namespace {

// The names the dialog lists, once it has read its folder.
QStringList ShownNames(QFileDialog* dialog) {
    auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
    QStringList names;
    if (view == nullptr) {
        return names;
    }
    QAbstractItemModel* model = view->model();
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < model->rowCount(root); ++row) {
        names << model->index(row, 0, root).data().toString();
    }
    names.sort();
    return names;
}

// Works the dialog once it is open, from inside its event loop.
void WhenOpen(std::function<void(QFileDialog*)> script) {
    auto* timer = new QTimer(QApplication::instance());
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, script] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        script(dialog);
    });
    timer->start();
}

}  // namespace

class OwnTextFileDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void OpensInTheTextFolderShowingPlainAndRichTextTogether() {
        TempDir program;
        DataPaths::SetProgramFolder(program.path() + "/");
        program.Write("text/story.txt", "a");
        program.Write("text/letter.RTF", "{\\rtf1 a}");
        program.Write("text/notes.doc", "a");
        program.Write("text/README", "a");
        TempDir elsewhere;
        const std::string other = elsewhere.Write("mine.txt", "b");

        QStringList filters;
        QString selectedFilter;
        QString folder;
        QStringList shown;
        QStringList shownAll;
        WhenOpen([&](QFileDialog* dialog) {
            filters = dialog->nameFilters();
            selectedFilter = dialog->selectedNameFilter();
            folder = dialog->directory().absolutePath();
            QTRY_COMPARE_WITH_TIMEOUT(ShownNames(dialog).size(), 2, 5000);
            shown = ShownNames(dialog);
            dialog->selectNameFilter(OwnTextFileDialog::NameFilters().back());
            QTRY_COMPARE_WITH_TIMEOUT(ShownNames(dialog).size(), 4, 5000);
            shownAll = ShownNames(dialog);
            // The user types a path of their own into the name field.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->setText(QString::fromStdString(other));
            QTest::keyClick(name, Qt::Key_Return);
        });
        std::string lastFolder;
        const std::optional<std::string> chosen =
            OwnTextFileDialog::Choose(nullptr, lastFolder, QFileDialog::DontUseNativeDialog);

        QCOMPARE(filters, (QStringList{"Text or rich text file (*.txt *.rtf)", "Text file (*.txt)",
                                       "Rich text format file (*.rtf)", "All files (*)"}));
        QCOMPARE(selectedFilter, filters.front());
        QCOMPARE(folder, QString::fromStdString(program.path() + "/text"));
        QCOMPARE(shown, (QStringList{"letter.RTF", "story.txt"}));
        QCOMPARE(shownAll, (QStringList{"README", "letter.RTF", "notes.doc", "story.txt"}));
        QVERIFY(chosen.has_value());
        QCOMPARE(*chosen, other);
        QCOMPARE(lastFolder, elsewhere.path() + "/");

        // The next time it opens where the last file was found; Cancel chooses nothing.
        QString folderAgain;
        WhenOpen([&](QFileDialog* dialog) {
            folderAgain = dialog->directory().absolutePath();
            dialog->reject();
        });
        QVERIFY(!OwnTextFileDialog::Choose(nullptr, lastFolder, QFileDialog::DontUseNativeDialog));
        QCOMPARE(folderAgain, QString::fromStdString(elsewhere.path()));
        QCOMPARE(lastFolder, elsewhere.path() + "/");
    }
};

QTEST_MAIN(OwnTextFileDialogTest)
#include "own_text_file_dialog_test.moc"
