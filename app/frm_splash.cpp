#include "frm_splash.h"

#include "language.h"

#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace tq8615::app {

frmSplash::frmSplash(const QString& programFolder, const Language& language, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    picLogo = new QLabel(this);
    picLogo->setObjectName(QStringLiteral("picLogo"));
    const QString file = language.LanguageIndex() == Chinese ? QStringLiteral("StartC.jpg")
                                                             : QStringLiteral("StartE.jpg");
    const QPixmap picture(QDir(programFolder).filePath(file));
    if (picture.isNull()) {
        // Without its picture the splash still names the program rather than showing nothing.
        picLogo->setText(QStringLiteral("TQ8615"));
        picLogo->setAlignment(Qt::AlignCenter);
        picLogo->setMinimumSize(400, 250);
        QFont f = picLogo->font();
        f.setPointSize(28);
        f.setBold(true);
        picLogo->setFont(f);
    } else {
        picLogo->setPixmap(picture);
    }
    layout->addWidget(picLogo);

    Timer1.setSingleShot(true);
    Timer1.setInterval(2000);
    connect(&Timer1, &QTimer::timeout, this, &frmSplash::finish);
    Timer1.start();
}

void frmSplash::mousePressEvent(QMouseEvent*) { finish(); }

void frmSplash::finish()
{
    if (done_)
        return;
    done_ = true;
    Timer1.stop();
    Q_EMIT finished();
    close();
}

}  // namespace tq8615::app
