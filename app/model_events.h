#pragma once
// Tells the windows that the editing model changed, so that an editor never needs to know
// which windows show the model.
#include <QObject>

namespace tq8615::app {

class ModelEvents : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

Q_SIGNALS:
    // An editor stored its changes; everything that shows the model redraws.
    void modelChanged();
};

}  // namespace tq8615::app
