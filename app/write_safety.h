#pragma once
// The Program menu's write settings, kept per user: read the written blocks back and compare
// them (on unless turned off), and keep the radio's configuration before writing (off unless
// turned on).
#include "link/write_task.h"

namespace tq8615::app {

struct WriteSafety {
    bool verify = true;
    bool backup = false;
};

WriteSafety LoadWriteSafety();
void StoreWriteSafety(const WriteSafety& safety);

// The options of a write from the window: backups go to the user's data folder, and `tell`
// hears where.
WriteTaskOptions WriteOptionsFor(const WriteSafety& safety, MessageSink& tell);

}  // namespace tq8615::app
