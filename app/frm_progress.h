#pragma once
// Progress of a read from or write to the radio.
#include <QDialog>

class QLabel;
class QProgressBar;

namespace tq8615::app {

class Language;

class FrmProgress : public QDialog {
    Q_OBJECT
public:
    // write: the caption names a write, otherwise a read.
    FrmProgress(const Language& language, bool write, QWidget* parent = nullptr);

    void SetProgressValue(int percent);

    QLabel* Label1 = nullptr;       // "Completion percentage:"
    QLabel* LabelPercent = nullptr; // "42%"
    QProgressBar* ProgressBar1 = nullptr;

protected:
    // The run owns this window: the user cannot close it halfway through a transfer.
    void reject() override {}
};

}  // namespace tq8615::app
