#pragma once
// The channel editor: one channel of the list (CurrentChannel) on a working record. OK
// stores, adds or deletes the channel; Cancel changes nothing.
#include "model/channels.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tq8615::app {

struct AppContext;

class FrmCHEdit : public QDialog {
    Q_OBJECT
public:
    explicit FrmCHEdit(AppContext& context, QWidget* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void loadRecord();
    void setEditable(bool on);
    void updateTalkaround();
    void rebuildSquelchModes();
    void optSigChanged();
    void subAudioChanged(int type, int ctcss, int dcs, int check);
    void leaveTransmit();
    void ChannelData_Save(ChannelRecord& record);
    void ModifyUFreData(int channel);
    void AddNewUFreData(int channel);
    void CommandOK_Click();
    bool secondSetLoaded() const { return working_.VhfActive != 0; }

    AppContext& ctx_;
    ChannelRecord working_;
    int channel_;
    bool loading_ = true;

    std::array<QLineEdit*, 11> Text1{};    // 0 receive, 1 offset (hidden), 2..6 name, 10 transmit
    std::array<QComboBox*, 14> Combo1{};   // 0 step and 11 squelch master list are hidden
    QComboBox* Combo2 = nullptr;           // shift mode (hidden)
    std::array<QComboBox*, 4> Combo3{};    // CTCSS decode, encode; DCS decode, encode
    std::array<QComboBox*, 3> Combo4{};    // DTMF, 2-tone (hidden), 5-tone
    std::array<QCheckBox*, 2> Check2{};    // DCS inverted: decode, encode
    std::array<QCheckBox*, 2> Check4{};    // reverse, talk-around
    QCheckBox* Check1 = nullptr;           // transmit forbidden
    QCheckBox* Check5 = nullptr;           // scramble
    QCheckBox* Check6 = nullptr;           // scan add
    QLineEdit* Text2 = nullptr;            // user CTCSS
    QLabel* nameLabel_ = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

}  // namespace tq8615::app
