#include "frm_clone.h"

#include "dialog_hooks.h"
#include "language.h"

#include "files/fleet_log.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tq8615::app {

FrmClone::FrmClone(const Language& language, FleetLoop& loop, std::function<bool(int)> startLoop, QString logFile,
                   QWidget* parent)
    : QDialog(parent, ModalDialogFlags()), language_(language), loop_(loop), logFile_(std::move(logFile))
{
    setObjectName(QStringLiteral("FrmClone"));
    QString title = language.text(BuiltinText::CloneToMany);
    setWindowTitle(title.remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    auto* layout = new QVBoxLayout(this);
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblCounts = new QLabel(this);
    lblCounts->setObjectName(QStringLiteral("lblCounts"));
    txtLog = new QPlainTextEdit(this);
    txtLog->setObjectName(QStringLiteral("txtLog"));
    txtLog->setReadOnly(true);
    txtLog->setPlainText(QString::fromLatin1(kFleetLogHeader).trimmed());
    auto* logName = new QLabel(language.text(BuiltinText::CloneLogFile) + logFile_, this);
    logName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lblStatus);
    layout->addWidget(lblCounts);
    layout->addWidget(txtLog);
    layout->addWidget(logName);

    auto* buttons = new QHBoxLayout;
    spnCount = new QSpinBox(this);
    spnCount->setObjectName(QStringLiteral("spnCount"));
    spnCount->setRange(0, 9999);
    spnCount->setSpecialValueText(language.text(BuiltinText::CloneUntilStopped));
    auto* countLabel = new QLabel(language.text(BuiltinText::CloneCount), this);
    countLabel->setBuddy(spnCount);
    buttons->addWidget(countLabel);
    buttons->addWidget(spnCount);
    CommandStart = new QPushButton(language.text(BuiltinText::CloneStart), this);
    CommandStart->setObjectName(QStringLiteral("CommandStart"));
    CommandStop = new QPushButton(language.text(BuiltinText::CloneStop), this);
    CommandStop->setObjectName(QStringLiteral("CommandStop"));
    CommandClose = new QPushButton(language.text(BuiltinText::CloseButton), this);
    CommandClose->setObjectName(QStringLiteral("CommandClose"));
    buttons->addWidget(CommandStart);
    buttons->addWidget(CommandStop);
    buttons->addStretch();
    buttons->addWidget(CommandClose);
    layout->addLayout(buttons);

    connect(CommandStart, &QPushButton::clicked, this, [this, startLoop] { running(startLoop(spnCount->value())); });
    connect(CommandStop, &QPushButton::clicked, this, [this] { loop_.stop(); });
    connect(CommandClose, &QPushButton::clicked, this, &FrmClone::reject);
    connect(&loop_, &FleetLoop::waitingForRadio, this, [this] { lblStatus->setText(language_.text(BuiltinText::CloneWaiting)); });
    connect(&loop_, &FleetLoop::writing, this,
            [this](int n) { lblStatus->setText(language_.text(BuiltinText::CloneWriting).arg(n)); });
    connect(&loop_, &FleetLoop::waitingForRemoval, this, [this] { lblStatus->setText(language_.text(BuiltinText::CloneRemove)); });
    connect(&loop_, &FleetLoop::radioFinished, this, [this](const FleetRadio& radio) {
        const std::string line = FleetLogLine(radio.started, radio.serial, radio.result, radio.seconds);
        txtLog->appendPlainText(QString::fromStdString(line).trimmed());
        std::string error;
        if (!AppendFleetLog(logFile_.toStdString(), line, error))
            txtLog->appendPlainText(QString::fromStdString(error));
        showCounts();
    });
    connect(&loop_, &FleetLoop::finished, this, [this] {
        lblStatus->clear();
        running(false);
    });
    showCounts();
    running(false);
    resize(560, 380);
}

void FrmClone::showCounts()
{
    lblCounts->setText(language_.text(BuiltinText::CloneCounts).arg(loop_.done()).arg(loop_.failed()));
}

void FrmClone::running(bool on)
{
    CommandStart->setEnabled(!on);
    spnCount->setEnabled(!on);
    CommandStop->setEnabled(on);
    CommandClose->setEnabled(!on);
}

void FrmClone::reject()
{
    if (loop_.isRunning())
        return;  // Stop first: a radio may be half written
    QDialog::reject();
}

}  // namespace tq8615::app
