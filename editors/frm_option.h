#pragma once
// The option editor: the radio's general settings, edited on a working copy that OK
// stores in the editing model and Cancel discards.
#include "model/options.h"

#include <QDialog>

class QPushButton;

namespace tq8615::app {

struct AppContext;

class FrmOption : public QDialog {
    Q_OBJECT
public:
    explicit FrmOption(AppContext& context, QWidget* parent = nullptr);

    OptionSettings WorkingCopy;

private:
    void CommandOK_Click();

    AppContext& ctx_;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

}  // namespace tq8615::app
