#include "application.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QStringList>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kHelp =
    "Usage: tq8615 [FILE.dat]\n"
    "\n"
    "Programs the TQ8615 dual-band handheld radio: reads its configuration over the\n"
    "programming cable, edits it, keeps it in data files (.dat) and writes it back.\n"
    "\n"
    "  FILE.dat       open this data file at start-up\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n"
    "\n"
    "Qt's own options (such as -platform offscreen) are accepted as well.\n"
    "The command-line tool tq8615-cli reads and writes radios without windows.\n";

}  // namespace

int main(int argc, char** argv)
{
    // Help and version need no display: answer them before the window system is touched.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            break;
        if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "-v") == 0 || std::strcmp(argv[i], "--version") == 0) {
            std::printf("tq8615 %s\n", TQ8615_VERSION);
            return 0;
        }
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TQ8615"));
    QApplication::setOrganizationName(QStringLiteral("TQ8615"));
    QApplication::setApplicationVersion(QStringLiteral(TQ8615_VERSION));
    // The desktop entry tells the window system the program's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tq8615.Programmer"));
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral("tq8615"), QIcon(QApplication::applicationDirPath() + QStringLiteral("/tq8615.png"))));

    // What is left once Qt took its own options: at most one data file.
    QStringList files;
    bool optionsEnded = false;
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && argument.startsWith(QLatin1Char('-'))) {
            std::fprintf(stderr, "tq8615: unknown option %s (see tq8615 --help)\n", qPrintable(argument));
            return 2;
        } else {
            files.append(argument);
        }
    }
    if (files.size() > 1) {
        std::fputs("tq8615: give at most one data file (see tq8615 --help)\n", stderr);
        return 2;
    }
    const QString dataFile = files.isEmpty() ? QString() : QFileInfo(files.front()).absoluteFilePath();
    return tq8615::app::RunApplication(application, dataFile);
}
