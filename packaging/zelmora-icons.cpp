// Draws the program icon into PNG files for the desktop's icon theme, at build time:
//   zelmora-icons FOLDER
#include "core/program/TerminalText.h"
#include "gui/appearance/ProgramIcon.h"

#include <QDir>
#include <QGuiApplication>

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Usage: zelmora-icons FOLDER\n";
        return 2;
    }
    const QGuiApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const zelmora::Status written = zelmora::gui::writeProgramIconPngs(folder);
    if (!written.ok) {
        std::cerr << "zelmora-icons: " << zelmora::terminalMessage(written.message) << '\n';
        return 1;
    }
    return 0;
}
