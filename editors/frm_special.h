#pragma once
// The special call window of the 5-tone editor: composes a data message or an ANI code into
// a code list entry or a PTT-ID box of the 5-tone editor, and chooses the ANI separator.
#include "frm_five_tone.h"

#include <QDialog>

#include <array>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace tq8615::app {

struct AppContext;

class FrmSpecial : public QDialog {
    Q_OBJECT
public:
    // `row` is the 5-tone grid's current list entry (0-based), -1 for none.
    FrmSpecial(AppContext& context, Frm5Tone& owner, SpecialTarget target, int row, QWidget* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void kindChanged(int kind);
    bool calledIdOk(const QLineEdit* box);
    void CommandOK_Click();

    AppContext& ctx_;
    Frm5Tone& owner_;
    SpecialTarget target_;
    std::array<QComboBox*, 2> Combo1{};   // code list entry, kind
    QGroupBox* Frame2 = nullptr;          // data message
    QGroupBox* Frame4 = nullptr;          // ANI
    std::array<QLineEdit*, 2> Text1{};    // called identity of each kind
    QLineEdit* Text2 = nullptr;           // message text
    QComboBox* Combo3 = nullptr;          // ANI separator
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

}  // namespace tq8615::app
