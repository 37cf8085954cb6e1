#pragma once
// The auto test export of a factory workstation: the chosen groups of settings are marked
// while the model is encoded, and the rows, the block map and the image are written to an
// ".EPM" file for the test station. The window's texts are Chinese only.
#include "model/auto_test.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QPushButton;

namespace tq8615::app {

struct AppContext;

class Frm_AutoTest : public QDialog {
    Q_OBJECT
public:
    explicit Frm_AutoTest(AppContext& context, QWidget* parent = nullptr);
    ~Frm_AutoTest() override;

    void done(int result) override;

private:
    void Command1_Click();

    AppContext& ctx_;
    std::array<QCheckBox*, kAutoTestGroupCount> Check1{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

}  // namespace tq8615::app
