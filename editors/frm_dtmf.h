#pragma once
// The DTMF editor: the sixteen codes, PTT-ID begin and end, remote kill and stun, the own
// identity and the timing lists, edited on a working copy that OK stores in the editing
// model and Cancel discards.
#include "model/dtmf.h"
#include "model/dtmf_edit.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace tq8615::app {

struct AppContext;

class FrmDTMF : public QDialog {
    Q_OBJECT
public:
    explicit FrmDTMF(AppContext& context, QWidget* parent = nullptr);
    ~FrmDTMF() override;

    DtmfSettings WorkingCopy;
    // The code box that last had the focus; the special call composes into it.
    int CurDTMFEditID = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void showForm(const DtmfForm& form);
    DtmfForm form() const;
    void separatorChanged(int index);
    void ownIdLeft();
    void CommandSpecial_Click();
    void CommandOK_Click();

    AppContext& ctx_;
    std::array<QLineEdit*, kDtmfBoxCount> Text2{};
    QLineEdit* Text3 = nullptr;
    std::array<QComboBox*, 14> Combo1{};  // Combo1(4) does not exist
    QCheckBox* Check1 = nullptr;
    QPushButton* CommandSpecial = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
    bool loaded_ = false;
};

}  // namespace tq8615::app
