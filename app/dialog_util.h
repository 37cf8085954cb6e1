#pragma once
// Small pieces every dialog of the program builds with.
#include <QHBoxLayout>
#include <QPushButton>

#include "language.h"

namespace tq8615::app {

inline QPushButton* MakeButton(QWidget* parent, const QString& name, int tag)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    SetTag(b, tag);
    b->setAutoDefault(false);
    b->setMinimumWidth(80);
    return b;
}

// OK and Cancel on the right, as the platform places them.
inline QHBoxLayout* ButtonRow(QPushButton* ok, QPushButton* cancel)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    if (cancel)
        row->addWidget(cancel);
    return row;
}

// Twips to pixels: 15 twips per pixel.
constexpr int Twips(int twips) { return twips / 15; }

}  // namespace tq8615::app
