#pragma once
// The DTMF special call: the called identity of an ANI code, which the DTMF editor
// composes with its separator and own identity.
#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tq8615::app {

struct AppContext;

class FrmDTMFSpecial : public QDialog {
    Q_OBJECT
public:
    explicit FrmDTMFSpecial(AppContext& context, QWidget* parent = nullptr);

    QComboBox* Combo1_0 = nullptr;
    QLineEdit* Text1 = nullptr;  // called identity
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

}  // namespace tq8615::app
