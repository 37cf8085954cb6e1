#include "frm_emg.h"

#include "dialog_util.h"
#include "language.h"

#include "model/band_plan.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq8615::app {

namespace {

// Read-only fields look like the window around them, not like boxes to type in, and the
// keyboard passes them by; a click still selects their text for copying.
void showAsReadOnly(QWidget* field)
{
    field->setFocusPolicy(Qt::ClickFocus);
    QPalette p = field->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    field->setPalette(p);
}

QLineEdit* field(QWidget* parent, const QString& name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    showAsReadOnly(e);
    e->setMinimumWidth(170);
    return e;
}

QPlainTextEdit* multiField(QWidget* parent, const QString& name, int lines)
{
    auto* e = new QPlainTextEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    showAsReadOnly(e);
    e->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    e->setFixedHeight(e->fontMetrics().lineSpacing() * lines + 12);
    return e;
}

QString fromStd(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

FrmEMG::FrmEMG(const Language& language, const EmbeddedInfo& info, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmEMG"));
    setWindowTitle(language.text(BuiltinText::EmbeddedMessage));
    setFont(language.windowFont(font()));

    Label2 = new QLabel(language.text(BuiltinText::AreaCode), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    // Label1(i) in index order.
    const BuiltinText captions[] = {
        BuiltinText::ManufactureCode, BuiltinText::RadioType,       BuiltinText::Frequency,
        BuiltinText::SerialNumber,    BuiltinText::ProductionDate,  BuiltinText::MaintenanceDate,
        BuiltinText::MaintenanceReason, BuiltinText::Description,   BuiltinText::RfFirmware,
        BuiltinText::UserCode,        BuiltinText::DealerCode,      BuiltinText::StockDate,
        BuiltinText::SellDate,        BuiltinText::Seller,          BuiltinText::LcdFirmware,
    };
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        Label1[i] = new QLabel(language.text(captions[i]), this);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
    }
    for (std::size_t i = 0; i < Text1.size(); ++i)
        if (i != 4)
            Text1[i] = field(this, QStringLiteral("Text1_%1").arg(i));
    Text1Multi = multiField(this, QStringLiteral("Text1_4"), 3);
    for (std::size_t i = 0; i < Combo1.size(); ++i) {
        Combo1[i] = new QComboBox(this);
        Combo1[i]->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        Combo1[i]->setEnabled(false);  // shown, not chosen
    }
    Text2 = multiField(this, QStringLiteral("Text2"), 2);
    Text2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Wide enough for the widest band plan line.
    Text2->setMinimumWidth(Text2->fontMetrics().horizontalAdvance(
                               QString::fromStdString(BandPlanTwoLineText(1)).section(QLatin1Char('\r'), 0, 0)) + 24);

    Frame1 = new QGroupBox(language.text(BuiltinText::DealerInformation), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    CommandClose = MakeButton(this, QStringLiteral("CommandClose"), TextKey{});
    CommandClose->setText(language.text(BuiltinText::CloseButton));
    CommandClose->setDefault(true);
    connect(CommandClose, &QPushButton::clicked, this, &QDialog::accept);

    // Left column: identity and dates; right column: firmware and the dealer frame.
    auto* left = new QGridLayout;
    int row = 0;
    auto add = [](QGridLayout* g, int& r, QWidget* label, QWidget* w) {
        g->addWidget(label, r, 0);
        g->addWidget(w, r, 1);
        ++r;
    };
    add(left, row, Label2, Text1[0]);
    add(left, row, Label1[0], Text1[6]);
    add(left, row, Label1[9], Text1[7]);
    add(left, row, Label1[1], Combo1[0]);
    add(left, row, Label1[2], Combo1[1]);
    left->addWidget(Text2, row++, 0, 1, 2);
    add(left, row, Label1[3], Text1[1]);
    add(left, row, Label1[4], Text1[2]);
    add(left, row, Label1[5], Text1[3]);

    auto* right = new QGridLayout;
    int rrow = 0;
    add(right, rrow, Label1[8], Text1[5]);
    add(right, rrow, Label1[14], Text1[12]);
    auto* dealer = new QGridLayout(Frame1);
    int drow = 0;
    add(dealer, drow, Label1[10], Text1[8]);
    add(dealer, drow, Label1[11], Text1[9]);
    add(dealer, drow, Label1[12], Text1[10]);
    add(dealer, drow, Label1[13], Text1[11]);
    right->addWidget(Frame1, rrow++, 0, 1, 2);
    right->setRowStretch(rrow, 1);

    auto* describe = new QGridLayout;
    auto* captionsBox = new QVBoxLayout;
    captionsBox->addWidget(Label1[6]);
    captionsBox->addWidget(Label1[7]);
    captionsBox->addStretch();
    describe->addLayout(captionsBox, 0, 0);
    describe->addWidget(Text1Multi, 0, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addSpacing(12);
    top->addLayout(right, 1);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(describe);
    all->addLayout(ButtonRow(CommandClose, nullptr));

    // Labels of both columns share one width so the fields line up.
    int width = 0;
    for (QLabel* l : Label1)
        width = std::max(width, l->sizeHint().width());
    width = std::max(width, Label2->sizeHint().width());
    for (QLabel* l : Label1)
        l->setMinimumWidth(width);
    Label2->setMinimumWidth(width);

    ShowByData(info);
}

void FrmEMG::ShowByData(const EmbeddedInfo& info)
{
    Text1[0]->setText(fromStd(info.AreaCode));
    Text1[6]->setText(fromStd(info.ManufactureCode));
    Text1[7]->setText(fromStd(info.UserCode));
    Combo1[0]->addItem(QString::fromLatin1(kModelName));
    for (int band = 0; band < kBandPlanCount; ++band)
        Combo1[1]->addItem(QStringLiteral("Band %1").arg(band));
    Combo1[1]->setCurrentIndex(info.shownBandItem());
    Text2->setPlainText(fromStd(BandPlanTwoLineText(info.shownBandItem())).remove(QLatin1Char('\r')));
    Text1[1]->setText(fromStd(info.SerialNumber));
    Text1[2]->setText(fromStd(info.ProductedDate));
    Text1[3]->setText(fromStd(info.MaintainedDate));
    Text1[5]->setText(fromStd(info.RfFirmware));
    Text1[12]->setText(fromStd(info.LcdFirmware));
    Text1Multi->setPlainText(fromStd(info.Description));
    Text1[8]->setText(fromStd(info.DealerCode));
    Text1[9]->setText(fromStd(info.StockDate));
    Text1[10]->setText(fromStd(info.SellDate));
    Text1[11]->setText(fromStd(info.Seller));
}

}  // namespace tq8615::app
