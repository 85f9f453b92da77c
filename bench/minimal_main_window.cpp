// The yardstick of startup_bench: the least a Qt Widgets program can show, a main window with a
// menu bar, started exactly like our programs.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    QObject::connect(file->addAction(QStringLiteral("E&xit")), &QAction::triggered, &window,
                     &QMainWindow::close);
    window.show();
    return QApplication::exec();
}
