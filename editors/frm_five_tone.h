#pragma once
// The 5-tone editor: own identity and timing, the info codes, the PTT-ID codes and the
// 100-entry code list, edited on a working copy of the 5-tone settings. OK checks the info
// codes, stores the copy and moves channels off emptied list entries; Cancel changes nothing.
#include "model/five_tone.h"

#include <QDialog>

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace tq8615::app {

struct AppContext;

// What the special call window composes into.
enum class SpecialTarget { ListEntry = 0, PttIdBegin = 1, PttIdEnd = 2 };

class Frm5Tone : public QDialog {
    Q_OBJECT
public:
    explicit Frm5Tone(AppContext& context, QWidget* parent = nullptr);
    ~Frm5Tone() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

    FiveToneSettings WorkingCopy;

    // For the special call window.
    QString ownId() const;
    void setPttIdText(SpecialTarget target, const QString& code);
    void showRow(int row);

    // Grid columns.
    enum Column { kNumberColumn = 0, kKindColumn, kCodeColumn, kStandardColumn, kToneLengthColumn, kNameColumn };

private:
    void buildControls();
    QGroupBox* buildInfoPanel();
    void FillLists();
    void SetupGrid();
    void ShowFromModel();
    // `codeId` is the identity the codes are stored for.
    void SaveToModel(const std::string& codeId);
    void ShowStandardInfo(int standard);
    void ShowInfoCode();
    void SaveInfoCode();
    void infoFunctionChanged(int function);
    void infoNumberChanged(int index);
    void leaveOwnId();
    void EnterCell(int row, int column);
    void CommitCellEdit();
    void closeCellEditor();
    QWidget* cellEditor() const;  // the open floating editor, or nullptr
    void placeCellEditor();
    void moveToCell(int row, int column);
    void cellDoubleClicked(int row, int column);
    void openSpecial(SpecialTarget target);
    void CommandOK_Click();

    AppContext& ctx_;
    bool FormReady = false;
    int CurTone5Row = -1;  // the open floating editor's cell; -1 for none
    int CurTone5Col = -1;
    int CurInfoCodeID = 0;
    bool leavingOwnId_ = false;

    QLineEdit* Text2 = nullptr;                 // own identity
    std::array<QComboBox*, 11> Combo1{};        // 1..10: standard, response, tone length, times
    QCheckBox* Check1 = nullptr;                // side tone
    QPlainTextEdit* Text1 = nullptr;            // standard tone table
    std::array<QLineEdit*, 2> Text4{};          // PTT-ID begin, end codes
    std::array<QComboBox*, 2> Combo4{};         // their standards
    std::array<QComboBox*, 2> Combo5{};         // their tone lengths
    QGroupBox* infoFrame_ = nullptr;
    QComboBox* Combo6 = nullptr;                // info code number
    std::array<QComboBox*, 2> Combo7{};         // info code function, response
    QLineEdit* Text5 = nullptr;                 // info code digits
    QLineEdit* Text7 = nullptr;                 // info code name
    QTableWidget* MSHFlexGrid1 = nullptr;
    QLineEdit* Text3 = nullptr;                 // floating editors of columns 2..5
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;
    QLineEdit* Text6 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

}  // namespace tq8615::app
