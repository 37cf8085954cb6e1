#include "frm_about.h"

#include "language.h"
#include "message_box.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QSysInfo>

namespace tq8615::app {

frmAbout::frmAbout(const Language& language, MessageBoxInterface& boxes, QWidget* parent)
    : QDialog(parent), language_(language), boxes_(boxes)
{
    setObjectName(QStringLiteral("frmAbout"));
    SetTag(this, TextKey::MenuAbout);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    lblTitle = new QLabel(QCoreApplication::applicationName(), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont big = lblTitle->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    lblTitle->setFont(big);

    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblDescription = new QLabel(this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    lblDisclaimer = new QLabel(this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    lblDisclaimer->setWordWrap(true);

    cmdOK = new QPushButton(this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    SetTag(cmdOK, TextKey::OkButton);
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 3, 1);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(lblDescription, 2, 1);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, 3, 0, 1, 2);
    grid->addWidget(lblDisclaimer, 4, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 5, 1);
    grid->setColumnStretch(1, 1);

    ApplyLanguage(this, language_);
    lblVersion->setText(language_.LangText(TextKey::VersionLabel) + QLatin1Char(' ') +
                        QCoreApplication::applicationVersion());
    lblDisclaimer->setText(language_.LangText(TextKey::Disclaimer));
    lblDescription->setText(language_.LangText(TextKey::Description));
    cmdSysInfo->setText(language_.LanguageIndex() == Chinese ? QStringLiteral("系统信息(&S)...")
                                                             : QStringLiteral("&System Info..."));
    lblDisclaimer->setMinimumWidth(360);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    // There is no system information program to start on every desktop; the window shows
    // the essentials itself.
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] {
        boxes_.inform(this, Icon::Information, cmdSysInfo->text().remove(QLatin1Char('&')),
                      SystemInfoText());
    });
}

QString frmAbout::SystemInfoText()
{
    return QStringLiteral("%1\n%2 %3 (%4)\nQt %5")
        .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
             QSysInfo::currentCpuArchitecture(), QString::fromLatin1(qVersion()));
}

}  // namespace tq8615::app
