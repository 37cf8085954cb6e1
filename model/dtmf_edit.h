#pragma once
// What the DTMF editor shows for the settings and what it stores back, and the rules for
// typed codes, so they can be checked without a window.
#include <array>
#include <string>
#include <string_view>

#include "model/dtmf.h"

namespace tq8615 {

// The code boxes: M1..M16, then PTT-ID begin and end, remote kill and remote stun.
constexpr int kDtmfBoxCount = 20;
constexpr int kDtmfBeginBox = 16;
constexpr int kDtmfEndBox = 17;
constexpr int kDtmfKillBox = 18;
constexpr int kDtmfStunBox = 19;
constexpr int kDtmfCodeMaxLength = 16;
constexpr int kDtmfRemoteMaxLength = 14;
constexpr int kDtmfIdMaxLength = 5;
constexpr int kDtmfCalledIdLength = 3;
// The lists of the delays and times hold 251 items.
constexpr int kDtmfTimeItems = 251;
constexpr int kDtmfPauseFirst = 5;
constexpr int kDtmfPauseLast = 75;

// "*" is stored as E and "#" as F; the reverse for showing.
std::string DtmfDigitText(std::string_view shown);
std::string DtmfDisplayText(std::string_view stored);

// The window's controls: code texts as typed, list indexes as the lists hold them.
struct DtmfForm {
    std::array<std::string, kDtmfBoxCount> codes;
    std::string ownId;
    int ani = 0;
    int sendTime = 0;
    int pttId = 0;
    int separator = 0;       // A, B, C, D, *, #
    int groupCode = 0;       // off, A .. #
    int decodeResponse = 0;
    int firstDigitDelay = 0; // 0 .. 2500 ms
    int preSendDelay = 0;    // 10 .. 2500 ms
    int resetTime = 0;       // 0.0 .. 25.0 s
    int postSendDelay = 0;   // 10 .. 2500 ms
    int pauseTime = 0;       // off, 5 .. 75
    bool sideTone = false;

    bool operator==(const DtmfForm&) const = default;
};

// Repairs what the window cannot show (in `settings`, the window's working copy) and gives
// the controls' contents.
DtmfForm ShowDtmfFromModel(DtmfSettings& settings);
void SaveDtmfToModel(const DtmfForm& form, DtmfSettings& settings);

// The own identity as it is kept: 3 to 5 digits, a shorter one filled with "0" on the right.
std::string PaddedOwnId(std::string_view typed);

// The separator's character for a list index ("A" .. "#").
char SeparatorChar(int index);

// An ANI code: called identity (filled to 3 digits with "0"), separator, own identity.
std::string ComposeAni(std::string_view called, char separator, std::string_view ownId);

// A composed ANI code after the separator changed to `separator`; other codes unchanged.
std::string WithNewSeparator(const std::string& code, char separator, std::string_view ownId);
// A composed ANI code after the own identity changed to `ownId`; other codes unchanged.
std::string WithNewOwnId(const std::string& code, char separator, std::string_view ownId);

// Remote kill and stun must differ: true when both hold the same code.
bool RemoteCodesClash(std::string_view kill, std::string_view stun);

}  // namespace tq8615
