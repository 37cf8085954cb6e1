#pragma once
// The communication book editor: 128 contacts (call identity and name) in a grid with a
// cell editor, on a working copy that OK stores in the editing model and Cancel discards;
// the book can be exported to a book file and imported from one.
#include "model/dtmf.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tq8615::app {

struct AppContext;

class FrmCommuBook : public QDialog {
    Q_OBJECT
public:
    explicit FrmCommuBook(AppContext& context, QWidget* parent = nullptr);
    ~FrmCommuBook() override;

    CommuBook WorkingBook{};
    QTableWidget* MSFlexGrid1 = nullptr;
    QLineEdit* Text1 = nullptr;  // the cell editor, shown over the cell being edited
    QPushButton* CommandInput = nullptr;
    QPushButton* CommandOutput = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

private:
    void ShowBookData();
    void enterCell(int row, int column);
    void CommitBookEdit();
    void CommandInput_Click();
    void CommandOutput_Click();
    void CommandOK_Click();
    QString bookFilePreset() const;

    AppContext& ctx_;
    int CurBookEditRow = -1;
    int CurBookEditCol = -1;
    bool ready_ = false;
};

}  // namespace tq8615::app
