#pragma once
// The key assignment editor: a function for P1..P6 in each of the two key modes and for
// the shortcut keys PA..PD. OK stores them in the option area; Cancel changes nothing.
#include <QDialog>

#include <array>

class QComboBox;
class QPushButton;

namespace tq8615::app {

struct AppContext;

class FrmKey : public QDialog {
    Q_OBJECT
public:
    explicit FrmKey(AppContext& context, QWidget* parent = nullptr);

private:
    void CommandOK_Click();

    AppContext& ctx_;
    std::array<QComboBox*, 12> Combo1{};  // key mode 1 P1..P6, then key mode 2 P1..P6
    std::array<QComboBox*, 4> Combo2{};   // PA..PD
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

}  // namespace tq8615::app
