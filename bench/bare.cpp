// The yardstick for start-up and memory: a bare Qt Widgets window with five empty tabs,
// the same size as the main window.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare - five tabs"));
    window.menuBar()->addMenu(QStringLiteral("Help"));
    auto* tabs = new QTabWidget;
    for (const char* name : {"Programs", "System", "Calendar", "World Time", "Alarm Clock"})
        tabs->addTab(new QWidget, QString::fromLatin1(name));
    window.setCentralWidget(tabs);
    window.setFixedSize(384, 190);
    window.show();
    return QApplication::exec();
}
