#pragma once
// The option editor: the radio's general settings, edited on a working copy that OK
// stores in the editing model and Cancel discards.
#include "model/option_fields.h"
#include "model/options.h"

#include <QDialog>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace tq8615::app {

struct AppContext;

class FrmOption : public QDialog {
    Q_OBJECT
public:
    explicit FrmOption(AppContext& context, QWidget* parent = nullptr);

    OptionSettings WorkingCopy;

private:
    void buildControls();
    void showWorkingCopy();
    void comboChanged(int control, int index);
    void applyDependencies();
    void CommandOK_Click();

    AppContext& ctx_;
    std::array<QComboBox*, kOptionListCount> Combo1{};
    std::array<const OptionField*, kOptionListCount> fieldOf_{};  // nullptr for Combo1(4)
    QCheckBox* Check1_0 = nullptr;
    QLineEdit* Text2 = nullptr;
    std::array<QLineEdit*, 7> Text1{};
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
    std::vector<int> memoryChannels_;
    bool loaded_ = false;
};

}  // namespace tq8615::app
