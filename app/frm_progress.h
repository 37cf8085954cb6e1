#pragma once
// Progress of a read from or write to the radio, with the button that stops it.
#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

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
    QPushButton* CommandCancel = nullptr;

Q_SIGNALS:
    // Cancel, Escape or the close box: the run decides whether and when the window closes.
    void cancelRequested();

protected:
    void reject() override { Q_EMIT cancelRequested(); }
};

}  // namespace tq8615::app
