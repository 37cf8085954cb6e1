#pragma once
// The start picture, shown for two seconds or until it is clicked.
#include <QTimer>
#include <QWidget>

class QLabel;

namespace tq8615::app {

class Language;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash(const QString& programFolder, const Language& language, QWidget* parent = nullptr);

    QTimer Timer1;
    QLabel* picLogo = nullptr;

Q_SIGNALS:
    // The splash is over: the main window takes its place.
    void finished();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void finish();
    bool done_ = false;
};

}  // namespace tq8615::app
