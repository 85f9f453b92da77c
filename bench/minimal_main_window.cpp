// The yardstick of startup_bench: the least a Qt Widgets program can show, a main window with a
// menu bar, started exactly like our programs. --size=WxH gives the window the size of the
// program it stands beside.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    // Plain string work: the yardstick should not wake up more of Qt than it must.
    const QString sizeOption = QStringLiteral("--size=");
    for (const QString& argument : QApplication::arguments()) {
        const QStringList sides = argument.mid(sizeOption.size()).split(QLatin1Char('x'));
        if (argument.startsWith(sizeOption) && sides.size() == 2) {
            window.resize(sides[0].toInt(), sides[1].toInt());
        }
    }
    window.setWindowTitle(QStringLiteral("Minimal"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    QObject::connect(file->addAction(QStringLiteral("E&xit")), &QAction::triggered, &window,
                     &QMainWindow::close);
    window.show();
    return QApplication::exec();
}
