// Screenshots of every window and page at the current scale, for looking at by eye:
//   pocketrix_shots OUTPUT-FOLDER   (run from the folder holding frontend/)
// Each window is grabbed at the device pixel ratio, so QT_SCALE_FACTOR=2 gives 2x images.

#include <memory>

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>

#include "program/startup.h"

int main(int argc, char** argv)
{
    using namespace pocketrix;
    QApplication application(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QDir().mkpath(out.path());

    Program program{Machine{}};
    const WindowSet& windows = program.windows();
    program.start();

    QWidget* main = windows.window(WindowSet::mainform);
    auto save = [&](QWidget* widget, const QString& name) {
        for (int i = 0; i < 20; ++i)
            QApplication::processEvents();
        widget->grab().save(out.filePath(name + QStringLiteral(".png")));
    };

    QTimer::singleShot(500, [&] {
        auto* pages = main->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            save(main, QStringLiteral("main-%1").arg(page + 1));
        }
        if (auto* menu = main->findChild<QMenu*>(QStringLiteral("Help1"))) {
            menu->popup(main->mapToGlobal(QPoint(0, main->findChild<QMenuBar*>()->height())));
            save(menu, QStringLiteral("menu"));
            menu->hide();
        }
        const WindowSet::Slot others[] = {WindowSet::Form2, WindowSet::Form3,     WindowSet::Form4,
                                          WindowSet::Form5, WindowSet::sharabout, WindowSet::Helpful};
        for (WindowSet::Slot slot : others) {
            QWidget* window = windows.window(slot);
            window->show();
            save(window, window->objectName());
            window->hide();
        }
        QApplication::quit();
    });
    return QApplication::exec();
}
