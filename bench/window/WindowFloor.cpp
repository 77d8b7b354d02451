// The floor for the window's start: a bare Qt window of the main window's size with four
// tabs, and nothing else. The window program's start is measured against it.
#include <QApplication>
#include <QTabWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Zelmora floor"));
    window.setFixedSize(529, 409);
    auto* tabs = new QTabWidget(&window);
    tabs->setGeometry(8, 8, 513, 393);
    for (const char* name : {"Dates", "Friends", "Export", "Options"}) {
        tabs->addTab(new QWidget, QLatin1String(name));
    }
    window.show();
    return application.exec();
}
