#pragma once
// The 2-tone editor: the decode header with its four reference tones and the list of 32
// codes. It works on a copy of the block; OK stores it and points the channels at codes in
// use, Cancel changes nothing.
#include "model/two_tone.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tq8615::app {

struct AppContext;
class TwoToneCellEditors;

class Frm2Tone : public QDialog {
    Q_OBJECT
public:
    explicit Frm2Tone(AppContext& context, QWidget* parent = nullptr);
    ~Frm2Tone() override;

    TwoToneBlock WorkingCopy;

private:
    QWidget* buildHeader();
    QWidget* buildGrid();
    void showHeader();
    void showRow(int row);
    void formatChanged();
    void commitCell(int row, int column, const QString& text);
    void moveToCell(const TwoToneCell& cell);
    TwoToneHeaderView headerShown() const;
    void CommandOK_Click();

    AppContext& ctx_;
    std::array<QComboBox*, 5> Combo1{};  // first, second, long tone time, interval, auto reset time
    std::array<QComboBox*, 2> Combo2{};  // decode format, decode response
    std::array<QLineEdit*, kToneBoxes> Text2{};
    QCheckBox* Check1 = nullptr;
    QTableWidget* MSHFlexGrid1 = nullptr;
    TwoToneCellEditors* cellEditors_ = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

}  // namespace tq8615::app
