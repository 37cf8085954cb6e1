#include "application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TQ8615"));
    QApplication::setOrganizationName(QStringLiteral("TQ8615"));
    QApplication::setApplicationVersion(QStringLiteral(TQ8615_VERSION));
    return tq8615::app::RunApplication(application);
}
