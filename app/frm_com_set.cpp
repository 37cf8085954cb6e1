#include "frm_com_set.h"

#include "dialog_util.h"
#include "language.h"
#include "settings.h"

#include "link/serial_ports.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>

namespace tq8615::app {

FrmComSet::FrmComSet(const Language& language, QString& comPort, QString mysetupPath,
                     PortLister listPorts, QWidget* parent)
    : QDialog(parent), comPort_(comPort), mysetupPath_(std::move(mysetupPath)),
      listPorts_(std::move(listPorts))
{
    setObjectName(QStringLiteral("FrmComSet"));
    SetTag(this, TextKey::ComPortCaption);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    SetTag(Label1, TextKey::ComPortLabel);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    // Editable, so that a device path that is not listed (a pseudo-terminal, an adapter
    // under an unusual name) can be typed.
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setMinimumWidth(180);
    const OkCancel buttons = MakeOkCancel(this);
    CommandOK = buttons.ok;
    CommandCancel = buttons.cancel;

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Combo1, 0, 1);
    grid->addLayout(buttons.row, 1, 0, 1, 2);
    ApplyLanguage(this, language);

    fill(comPort_);
    connect(Combo1, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { portId_ = text.trimmed(); });

    // Twice a second, so a cable plugged in shows up before the user looks for it.
    ReShowComPortTimer.setInterval(500);
    connect(&ReShowComPortTimer, &QTimer::timeout, this, &FrmComSet::ReShowComPortTimer_Timer);
    ReShowComPortTimer.start();
    connect(this, &QDialog::finished, &ReShowComPortTimer, &QTimer::stop);

    connect(CommandOK, &QPushButton::clicked, this, [this] {
        comPort_ = Combo1->currentText().trimmed();
        if (!comPort_.isEmpty())
            WriteSetupValue(mysetupPath_, QStringLiteral("comPort"), SettingFromPort(comPort_));
        accept();
    });
}

void FrmComSet::ReShowComPortTimer_Timer()
{
    // Leave the list alone while the user is typing a path into it.
    if (Combo1->lineEdit() && Combo1->lineEdit()->hasFocus() &&
        Combo1->findText(Combo1->currentText()) < 0)
        return;
    fill(portId_);
}

void FrmComSet::fill(const QString& wanted)
{
    const QStringList ports = listPorts_();
    QStringList current;
    for (int i = 0; i < Combo1->count(); ++i)
        current.append(Combo1->itemText(i));
    const QSignalBlocker block(Combo1);
    if (current != ports) {
        Combo1->clear();
        Combo1->addItems(ports);
    }
    // The port as listed, or the listed stable name of the same device ("ttyUSB0" chosen
    // before is offered as its /dev/serial/by-id name, and OK remembers that).
    qsizetype listed = wanted.isEmpty() ? -1 : ports.indexOf(wanted);
    for (qsizetype i = 0; listed < 0 && !wanted.isEmpty() && i < ports.size(); ++i)
        if (SamePort(ports.at(i), wanted))
            listed = i;
    if (listed >= 0) {
        Combo1->setCurrentIndex(static_cast<int>(listed));
    } else if (IsPortPresent(wanted, ports)) {
        Combo1->setEditText(wanted);  // a typed device path that still exists
    } else if (!ports.isEmpty()) {
        Combo1->setCurrentIndex(0);
    } else {
        Combo1->setCurrentIndex(-1);
        Combo1->setEditText(QString());
    }
    portId_ = Combo1->currentText().trimmed();
}

}  // namespace tq8615::app
