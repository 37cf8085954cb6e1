#pragma once
// The 5-tone editor's rules over the whole settings: the standards' tone tables, the own
// identity carried into the special codes, the info code check, and the channels' list
// indexes after the list changed.
#include <string>
#include <string_view>
#include <vector>

#include "model/channels.h"
#include "model/five_tone.h"
#include "model/messages.h"

namespace tq8615 {

// The tone length a standard implies, in ms.
int StandardToneLength(int standard);

// The captions of the standard tone table, in the current language.
struct ToneTableCaptions {
    std::string frequency;   // followed by "(Hz)"
    std::string toneLength;  // followed by "(ms) " and the length
    std::string groupTone;   // followed by " A"
    std::string repeatTone;  // followed by " E", for the standards that have one
};
// The standard's name, its sixteen tone frequencies and its tone lengths, one a line (CR LF).
std::string StandardInfoText(int standard, const ToneTableCaptions& captions);

// How the code list stores its codes when the own identity is `selfId`: PTT-ID (E6) and E2
// codes carry the identity, ANI codes end in it, and every code is in its stored form with
// its digit count; tone lengths outside 30..120 become 70.
void StoreListCodes(FiveToneSettings& settings, std::string_view selfId);

// After the own identity changed from `previousId` to `newId`: the E2/E6 codes and the ANI
// codes of the list and of both PTT-ID codes take the new identity.
void UpdateSelfIdCodes(FiveToneSettings& settings, std::string_view newId, std::string_view previousId);

// A kill or stun info code needs a waken code (60300); codes with equal digits must have the
// same function (60301). Every problem found is returned, in that order; none means OK.
std::vector<Message> IsInfoKillStunWakenOK(const FiveToneSettings& settings);

// A channel whose 5-tone index names an empty list entry takes the lowest present entry, or
// 0 when the list is empty.
void RevalidateFiveToneIndexes(ChannelTable& channels, const FiveToneSettings& settings);

}  // namespace tq8615
