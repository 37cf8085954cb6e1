// The 5-tone digit strings, the code list's display, the special call codes and the
// editor's rules over the whole settings.
#include <gtest/gtest.h>

#include "model/five_tone_codes.h"
#include "model/five_tone_rules.h"
#include "model/typed_chars.h"

using namespace tq8615;

namespace {

struct EncodeCase {
    const char* in;
    const char* repeat;
    const char* ani;
};

FiveToneCode Present(const char* code, int standard = 0, int toneLength = 70)
{
    FiveToneCode c;
    c.IsEmpty = 0;
    c.Code = code;
    c.DigitCount = static_cast<uint8_t>(std::string_view(code).size());
    c.Standard = static_cast<uint8_t>(standard);
    c.ToneLength = static_cast<uint8_t>(toneLength);
    return c;
}

FiveToneSettings Fresh()
{
    FiveToneSettings s;
    ResetFiveToneDefaults(s);
    return s;
}

}  // namespace

TEST(FiveToneCodes, RepeatRules)
{
    const EncodeCase cases[] = {
        {"", "", ""},
        {"112", "1E2", "1E2"},
        {"111", "1E1", "1E1"},
        {"11223", "1E2E3", "1E2E3"},
        {"11111", "1E1E1", "1E1E1"},
        // A data message keeps the character codes after position 8.
        {"E123456E4142", "E123456E4142", "E123456E4142"},
        {"E112345E4444", "E1E2345E4444", "E1E2345E4E4E"},
        // ANI: the separator and the first own digit (positions 6 and 7) are never repeats.
        {"11111D54321", "1E1E1D54321", "1E1E1D54321"},
        {"12345112345", "123451E2345", "12345112345"},
        {"123455", "12345E", "123455"},
    };
    for (const EncodeCase& c : cases) {
        EXPECT_EQ(RepeatEncode(c.in), c.repeat) << c.in;
        EXPECT_EQ(AniRepeatEncode(c.in), c.ani) << c.in;
    }
}

TEST(FiveToneCodes, AniRecognitionAndStoredForm)
{
    struct Case {
        const char* code;
        const char* id;
        bool ani;
        const char* stored;
    };
    const Case cases[] = {
        {"12345112345", "12345", true, "12345112345"},
        {"12345D11111", "11111", true, "12345D1E1E1"},
        {"12345D1E1E1", "11111", true, "12345D1E1E1"},   // ends in the stored form of the id
        {"11111DSelfID", "SelfID", true, "1E1E1DSelfID"},
        {"11111DSelfID", "54321", true, "1E1E1DSelfID"},
        {"12345112345", "1234", false, "123451E2345"},    // no identity of five digits
        {"12345112344", "12345", false, "123451E234E"},
        {"1234511234", "12345", false, "123451E234"},      // ten characters
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsAniCode(c.code, c.id), c.ani) << c.code << " " << c.id;
        EXPECT_EQ(StoreCode(c.code, c.id), c.stored) << c.code << " " << c.id;
    }
}

TEST(FiveToneCodes, Mid5ToneNoE)
{
    EXPECT_EQ(Mid5ToneNoE("E1E2345E4142", 3, 5), "12345");
    EXPECT_EQ(Mid5ToneNoE("1E1E1D54321", 1, 5), "11111");
    EXPECT_EQ(Mid5ToneNoE("1E2", 2, 5), "12");  // cut at the end
    EXPECT_EQ(Mid5ToneNoE("E12", 1, 1), "E");   // nothing before it to repeat
    EXPECT_EQ(Mid5ToneNoE("123", 4, 5), "");
}

TEST(FiveToneCodes, RowDisplay)
{
    struct Case {
        FiveToneCode entry;
        CodeKind kind;
        const char* code;
        const char* message;
    };
    FiveToneCode shortCode = Present("12");
    shortCode.DigitCount = 4;
    FiveToneCode longCode = Present("123456");
    longCode.DigitCount = 3;
    const Case cases[] = {
        {Present("E123456E4142"), CodeKind::DataMessage, "23456", "AB"},
        {Present("E1E2345E4142"), CodeKind::DataMessage, "12345", "AB"},
        {Present("E654321"), CodeKind::PttId, "", ""},
        {Present("12345D54321"), CodeKind::Ani, "12345D", ""},
        {Present("1E1E1DSelfID"), CodeKind::Ani, "11111D", ""},
        {Present("1E2E3"), CodeKind::None, "1E2E3", ""},
        {shortCode, CodeKind::None, "12EE", ""},
        {longCode, CodeKind::None, "123", ""},
    };
    for (const Case& c : cases) {
        const CodeRowView v = ViewOfCode(c.entry, "54321");
        EXPECT_EQ(v.kind, c.kind) << c.entry.Code.trimmed();
        EXPECT_EQ(v.code, c.code) << c.entry.Code.trimmed();
        EXPECT_EQ(v.message, c.message) << c.entry.Code.trimmed();
    }
}

TEST(FiveToneCodes, EmptyRowsAndRepairs)
{
    FiveToneCode empty;
    empty.IsEmpty = 1;
    empty.Standard = 9;
    empty.ToneLength = 40;
    const CodeRowView e = ViewOfCode(empty, "12345");
    EXPECT_EQ(e.standard, "ZVEI1");
    EXPECT_EQ(e.toneLength, "70");
    EXPECT_EQ(e.code, "");

    FiveToneCode odd = Present("123", 9, 25);
    odd.Name = "AB";
    EXPECT_EQ(ViewOfCode(odd, "12345").toneLength, "70");
    EXPECT_EQ(ViewOfCode(odd, "12345").standard, "EEA");
    EXPECT_EQ(ViewOfCode(odd, "12345").name, "AB");
    odd.DigitCount = 41;
    odd.Standard = 14;  // no standard has this index
    RepairCode(odd);
    EXPECT_EQ(odd.DigitCount, 0);
    EXPECT_EQ(odd.Standard, 0);
    EXPECT_EQ(odd.ToneLength, 70);
}

TEST(FiveToneCodes, SpecialCallCompositions)
{
    EXPECT_EQ(RepeatEncode(DataMessageCode("23456", "AB")), "E123456E4142");
    EXPECT_EQ(RepeatEncode(DataMessageCode("12345", "AB")), "E1E2345E4142");
    EXPECT_EQ(StoreCode(AniCode("11111", 13, "54321"), "54321"), "1E1E1D54321");
    EXPECT_EQ(StoreCode(AniCode("11111", 13, kSelfIdPlaceholder), kSelfIdPlaceholder), "1E1E1DSelfID");
    EXPECT_EQ(AniCode("12345", 0, "54321"), "12345054321");
}

TEST(FiveToneCodes, FieldLimitsRefuseLongerCodes)
{
    const std::string longest = DataMessageCode("12345", "ABCDEFGH");
    ASSERT_EQ(longest.size(), 24u);
    EXPECT_EQ(FitCode(longest, kPttIdBoxLength).code, longest);
    EXPECT_FALSE(FitCode(longest, kPttIdBoxLength).refusal);
    const FittedCode refused = FitCode(longest + "1", kPttIdBoxLength);
    EXPECT_FALSE(refused.code);
    ASSERT_TRUE(refused.refusal);
    EXPECT_NE(refused.refusal->english.find("24"), std::string::npos);
    EXPECT_FALSE(FitCode(std::string(41, '1'), kCodeDigits).code);
}

TEST(FiveToneRules, StandardToneTable)
{
    EXPECT_EQ(StandardToneLength(9), 40);   // EEA
    EXPECT_EQ(StandardToneLength(6), 100);  // CCIR1
    EXPECT_EQ(StandardToneLength(0), 70);
    const ToneTableCaptions captions{"Frequency", "Tone Length", "Group Tone", "Repeat Tone"};
    const std::string zvei1 = StandardInfoText(0, captions);
    EXPECT_EQ(zvei1.substr(0, 26), "ZVEI1\r\nFrequency(Hz)\r\n0 24");
    EXPECT_NE(zvei1.find("\r\nE 2600\r\n"), std::string::npos);
    EXPECT_NE(zvei1.find("Tone Length(ms) 70\r\nGroup Tone A\r\nRepeat Tone E"), std::string::npos);
    const std::string zvei3 = StandardInfoText(2, captions);
    EXPECT_NE(zvei3.find("\r\nB \r\n"), std::string::npos);  // no tone for B
    const std::string eea = StandardInfoText(9, captions);
    EXPECT_NE(eea.find("Tone Length(ms) 40"), std::string::npos);
    EXPECT_EQ(eea.find("Repeat Tone"), std::string::npos);
    EXPECT_EQ(eea.substr(eea.size() - 12), "Group Tone A");
}

TEST(FiveToneRules, OwnIdentityRewritesSpecialCodes)
{
    FiveToneSettings s = Fresh();
    s.CallList[0] = Present("E212345");
    s.CallList[1] = Present("E612345");
    s.CallList[2] = Present("11111D12345");  // ANI ending in the old identity
    s.CallList[3] = Present("22222D99999");  // not an ANI of this radio
    s.CallList[4] = Present("E123456E4142");
    s.PttIdBegin = Present("E612345");
    s.PttIdEnd = Present("33333D12345");
    UpdateSelfIdCodes(s, "54321", "12345");
    EXPECT_EQ(s.CallList[0].Code.trimmed(), "E254321");
    EXPECT_EQ(s.CallList[1].Code.trimmed(), "E654321");
    EXPECT_EQ(s.CallList[2].Code.trimmed(), "1E1E1D54321");
    EXPECT_EQ(s.CallList[2].DigitCount, 11);
    EXPECT_EQ(s.CallList[3].Code.trimmed(), "2E2E2D9E9E9");  // only the repeat rule
    EXPECT_EQ(s.CallList[4].Code.trimmed(), "E123456E4142");
    EXPECT_EQ(s.PttIdBegin.Code.trimmed(), "E654321");
    EXPECT_EQ(s.PttIdEnd.Code.trimmed(), "3E3E3D54321");
    EXPECT_EQ(s.CallList[5].IsEmpty, 1);  // empty entries stay untouched
}

TEST(FiveToneRules, StoringTheListPutsTheIdentityIn)
{
    FiveToneSettings s = Fresh();
    s.CallList[0] = Present("1E1E1DSelfID");
    s.CallList[1] = Present("11223", 0, 200);
    s.CallList[2] = Present("12");
    s.CallList[2].DigitCount = 4;  // shown padded: kept as shown
    s.CallList[3] = Present("E6SelfID");
    StoreListCodes(s, "11111");
    EXPECT_EQ(s.CallList[0].Code.trimmed(), "1E1E1D1E1E1");
    EXPECT_EQ(s.CallList[0].DigitCount, 11);
    EXPECT_EQ(s.CallList[1].Code.trimmed(), "1E2E3");
    EXPECT_EQ(s.CallList[1].DigitCount, 5);
    EXPECT_EQ(s.CallList[1].ToneLength, 70);
    EXPECT_EQ(s.CallList[2].Code.trimmed(), "12EE");
    EXPECT_EQ(s.CallList[3].Code.trimmed(), "E61E1E1");
}

TEST(FiveToneRules, InfoCodeCheck)
{
    struct Info {
        int function;
        const char* digits;
    };
    struct Case {
        const char* name;
        std::vector<Info> infos;
        std::vector<TextKey> problems;
    };
    const Case cases[] = {
        {"nothing set", {}, {}},
        {"kill without waken and a conflict", {{3, "123"}, {0, "123"}}, {TextKey::KillNeedsWaken, TextKey::InfoCodeConflict}},
        {"stun with waken", {{4, "123"}, {5, "456"}}, {}},
        {"kill without waken", {{3, "123"}}, {TextKey::KillNeedsWaken}},
        {"waken and kill share digits", {{3, "123"}, {5, "123"}}, {TextKey::InfoCodeConflict}},
        {"same function, same digits", {{3, "123"}, {3, "123"}, {5, "9"}}, {}},
        {"plain codes may share digits", {{1, "123"}, {2, "123"}}, {}},
    };
    for (const Case& c : cases) {
        FiveToneSettings s = Fresh();
        for (std::size_t i = 0; i < c.infos.size(); ++i) {
            s.InfoCodes[i].DecodeFunction = static_cast<uint8_t>(c.infos[i].function);
            s.InfoCodes[i].Digits = c.infos[i].digits;
            s.InfoCodes[i].DigitCount = static_cast<uint8_t>(std::string_view(c.infos[i].digits).size());
        }
        std::vector<TextKey> keys;
        for (const Message& m : IsInfoKillStunWakenOK(s))
            keys.push_back(m.langKey);
        EXPECT_EQ(keys, c.problems) << c.name;
    }
}

TEST(FiveToneRules, ChannelsFollowTheList)
{
    ChannelTable channels;
    for (int n = 1; n <= 4; ++n)
        channels.AppendChannel(NewChannelRecord(n));
    const int16_t indexes[] = {5, 7, 120, -1};
    for (std::size_t i = 0; i < 4; ++i)
        channels.ChannelList[i].FiveToneIndex = indexes[i];
    FiveToneSettings s = Fresh();
    s.CallList[3] = Present("123");
    s.CallList[7] = Present("456");
    RevalidateFiveToneIndexes(channels, s);
    EXPECT_EQ(channels.ChannelList[0].FiveToneIndex, 3);
    EXPECT_EQ(channels.ChannelList[1].FiveToneIndex, 7);
    EXPECT_EQ(channels.ChannelList[2].FiveToneIndex, 3);
    EXPECT_EQ(channels.ChannelList[3].FiveToneIndex, 3);

    RevalidateFiveToneIndexes(channels, Fresh());
    EXPECT_EQ(channels.ChannelList[1].FiveToneIndex, 0);
}

TEST(FiveToneBoxes, TypedCharacters)
{
    struct Case {
        CharSet set;
        char typed;
        char shown;
    };
    const Case cases[] = {
        {CharSet::Hex, 'a', 'A'}, {CharSet::Hex, 'F', 'F'}, {CharSet::Hex, 'g', '\0'}, {CharSet::Hex, '9', '9'},
        {CharSet::DigitsOrA, 'a', 'A'}, {CharSet::DigitsOrA, 'B', '\0'}, {CharSet::DigitsOrA, '0', '0'},
        {CharSet::Alphanumeric, 'z', 'Z'}, {CharSet::Alphanumeric, ' ', '\0'}, {CharSet::Alphanumeric, '-', '\0'},
        {CharSet::NameText, '\\', '\0'}, {CharSet::NameText, '~', '\0'}, {CharSet::NameText, 'a', 'a'},
        {CharSet::NameText, ' ', ' '},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AcceptTyped(c.set, c.typed), c.shown) << static_cast<int>(c.set) << " " << c.typed;
}
