#pragma once
// The model and band plan of the current data; a band change starts over from the
// defaults of the new plan, after the user has agreed to lose the current data.
#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tq8615::app {

class Language;
class MessageBoxInterface;

class FrmModel : public QDialog {
    Q_OBJECT
public:
    FrmModel(const Language& language, MessageBoxInterface& boxes, int bandPlanIndex,
             QWidget* parent = nullptr);

    // After the dialog was accepted: the band plan the user confirmed, or -1 for no change.
    int confirmedBand() const { return confirmedBand_; }

    std::array<QLabel*, 2> Label1{};
    std::array<QComboBox*, 2> Combo1{};
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

private:
    void CommandOK_Click();
    const Language& language_;
    MessageBoxInterface& boxes_;
    int current_;
    int confirmedBand_ = -1;
};

}  // namespace tq8615::app
