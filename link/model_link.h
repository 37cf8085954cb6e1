#pragma once
// Binds a write to the editing model, so the window and the command-line tool send the
// same thing.
#include "link/programming_run.h"
#include "model/editing_model.h"

namespace tq8615 {

// Memory channels 1..200 that the channel list holds (bit n-1 for channel n).
std::bitset<kChannelSlots> ChannelsInUse(const ChannelTable& channels);

// The write of `model`: its band plan, its channels, and its encoder, which first refuses
// channels the radio cannot take. The model must outlive the start of the run (the encoder
// runs inside startWrite).
WriteRequest WriteRequestFor(EditingModel& model);

}  // namespace tq8615
