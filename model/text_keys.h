#pragma once
// Every language-file key the program asks for, named once. The texts themselves live in
// english.ini and chinese.ini; the language file test walks this list, so a key the code
// uses can never be missing from a file.
#include <string>

namespace tq8615 {

// Where a key's text is kept in a language file.
enum class TextSection { Other, Msg, Option };

// X(name, section, number). Keys of section "MSG" are written in hexadecimal in the files
// ("900C"), so their numbers are written that way here too.
#define TQ8615_TEXT_KEYS(X) \
    X(FontName, Other, 20) \
    X(FontSize, Other, 21) \
    X(OkButton, Other, 101) \
    X(CancelButton, Other, 102) \
    X(SignalOff, Other, 603) \
    X(MenuFile, Other, 1000) \
    X(MenuFileNew, Other, 1001) \
    X(MenuFileOpen, Other, 1002) \
    X(MenuFileSave, Other, 1003) \
    X(MenuFileSaveAs, Other, 1004) \
    X(MenuFileExit, Other, 1006) \
    X(MenuEdit, Other, 1010) \
    X(MenuEditChannel, Other, 1011) \
    X(MenuView, Other, 1020) \
    X(MenuOptions, Other, 1021) \
    X(MenuDtmf, Other, 1023) \
    X(MenuTwoTone, Other, 1024) \
    X(MenuFiveTone, Other, 1025) \
    X(MenuToolBar, Other, 1026) \
    X(MenuStatusBar, Other, 1027) \
    X(MenuEmbeddedInfo, Other, 1028) \
    X(MenuSettings, Other, 1030) \
    X(MenuComPort, Other, 1031) \
    X(MenuLanguage, Other, 1032) \
    X(MenuInitialize, Other, 1033) \
    X(MenuProgram, Other, 1040) \
    X(MenuRead, Other, 1041) \
    X(MenuWrite, Other, 1042) \
    X(MenuHelp, Other, 1050) \
    X(MenuAbout, Other, 1052) \
    X(MenuAutoTest, Other, 1053) \
    X(TwoToneCaption, Option, 60043) \
    X(TwoToneDecodeFrame, Option, 60044) \
    X(TwoToneDecodeFormat, Option, 60045) \
    X(TwoToneToneLabel, Option, 60046) \
    X(TwoToneFirstToneTime, Option, 60047) \
    X(TwoToneSecondToneTime, Option, 60048) \
    X(TwoToneLongToneTime, Option, 60049) \
    X(TwoToneInterval, Option, 60050) \
    X(TwoToneDecodeResponse, Option, 60051) \
    X(NumberColumn, Option, 60053) \
    X(TwoToneFirstToneColumn, Option, 60054) \
    X(TwoToneSecondToneColumn, Option, 60055) \
    X(TwoToneNameColumn, Option, 60056) \
    X(ResponseNone, Option, 60057) \
    X(ResponseAlert, Option, 60058) \
    X(ResponseTranspond, Option, 60059) \
    X(TwoToneCodesFrame, Option, 60304) \
    X(AutoResetTime, Option, 60307) \
    X(SideToneLabel, Option, 60312) \
    X(MenuModel, Other, 1060) \
    X(MenuModelInfo, Other, 1061) \
    X(RxFrequency, Other, 1101) \
    X(ChannelName, Other, 1103) \
    X(Step, Other, 1104) \
    X(TxForbid, Other, 1105) \
    X(Bandwidth, Other, 1106) \
    X(SubAudio, Other, 1107) \
    X(Power, Other, 1109) \
    X(OptionalSignalling, Other, 1110) \
    X(ScanAddLabel, Other, 1111) \
    X(DecodeHeader, Other, 1112) \
    X(EncodeHeader, Other, 1113) \
    X(Talkaround, Other, 1114) \
    X(TxFrequency, Other, 1140) \
    X(ScanAdd, Other, 1143) \
    X(No, Other, 1144) \
    X(Yes, Other, 1145) \
    X(UserCtcss, Other, 1160) \
    X(PowerLow, Other, 1204) \
    X(PowerHigh, Other, 1205) \
    X(OptSigOff, Other, 1206) \
    X(Reverse, Other, 1207) \
    X(ShiftSimplex, Other, 1210) \
    X(Scramble, Other, 1213) \
    X(PowerMiddle, Other, 1221) \
    X(ChannelEditCaption, Other, 1300) \
    X(DcsInverted, Other, 1301) \
    X(ComPortCaption, Other, 1401) \
    X(ComPortLabel, Other, 1402) \
    X(ResetSettingsCaption, Other, 1411) \
    X(FactoryFrequencies, Other, 1412) \
    X(LanguageEnglish, Other, 1501) \
    X(LanguageChinese, Other, 1502) \
    X(LanguageCaption, Other, 1503) \
    X(DtmfCodes, Other, 1601) \
    X(DtmfOwnId, Other, 1602) \
    X(DtmfCurrentGroup, Other, 1603) \
    X(DtmfSeparator, Other, 1604) \
    X(DtmfGroupCode, Other, 1605) \
    X(DtmfDecodeResponse, Other, 1606) \
    X(DtmfFirstDigitDelay, Other, 1607) \
    X(DtmfPreSendDelay, Other, 1608) \
    X(DtmfResetTime, Other, 1609) \
    X(DtmfPostSendDelay, Other, 1610) \
    X(DtmfPauseTime, Other, 1611) \
    X(DtmfIdDisplay, Other, 1612) \
    X(DtmfSideTone, Other, 1613) \
    X(DecodeResponseNone, Other, 1650) \
    X(DecodeResponseAlert, Other, 1651) \
    X(DecodeResponseTranspond, Other, 1653) \
    X(IdDisplayId, Other, 1654) \
    X(IdDisplayName, Other, 1655) \
    X(Ani, Other, 1710) \
    X(BusyLock, Other, 1717) \
    X(DtmfSendTime, Other, 1740) \
    X(DtmfRemoteCodes, Other, 1741) \
    X(DtmfPttId, Other, 1743) \
    X(FiveTonePttId, Other, 1744) \
    X(SquelchMode, Other, 1745) \
    X(TxForbidOff, Other, 1755) \
    X(TxForbidOn, Other, 1756) \
    X(PttIdBegin, Other, 1765) \
    X(PttIdEnd, Other, 1766) \
    X(PttIdBeginEnd, Other, 1767) \
    X(Milliseconds, Other, 1780) \
    X(SquelchCarrier, Other, 1784) \
    X(SquelchSubAudio, Other, 1785) \
    X(SquelchOptSig, Other, 1786) \
    X(SquelchSubAudioAndOptSig, Other, 1787) \
    X(SquelchSubAudioOrOptSig, Other, 1788) \
    X(ChannelUnlocked, Other, 1796) \
    X(ChannelLocked, Other, 1797) \
    X(CommBookCaption, Other, 1800) \
    X(BookName, Other, 1801) \
    X(BookImport, Other, 1802) \
    X(BookExport, Other, 1803) \
    X(MenuCommBook, Other, 1804) \
    X(OutOfRange, Other, 2001) \
    X(PortError, Other, 2002) \
    X(NoAnswer, Other, 2003) \
    X(ReadDone, Other, 2004) \
    X(WriteDone, Other, 2005) \
    X(ReadFailed, Other, 2006) \
    X(WriteFailed, Other, 2007) \
    X(InfoFailed, Other, 2008) \
    X(FileCaption, Other, 2012) \
    X(Disclaimer, Other, 2100) \
    X(Description, Other, 2101) \
    X(VersionLabel, Other, 2200) \
    X(ModelCaption, Other, 2300) \
    X(ModelLabel, Other, 2301) \
    X(BandLabel, Other, 2302) \
    X(KillEqualsStun, Other, 3001) \
    X(SpecialCall, Other, 3002) \
    X(DtmfSettingsFrame, Other, 3003) \
    X(RowLabelHeader, Other, 3006) \
    X(BookNumberHeader, Other, 3007) \
    X(PasswordCaption, Other, 3100) \
    X(PasswordLabel, Other, 3101) \
    X(KeyAssignment, Other, 5000) \
    X(MenuKeys, Other, 5002) \
    X(ShortcutKeys, Other, 5007) \
    X(KeyMode, Other, 5008) \
    X(OptionalFeatures, Other, 5021) \
    X(Dtmf, Other, 5023) \
    X(FiveTone, Other, 5025) \
    X(EmbeddedInfo, Other, 5028) \
    X(DisplayFrequency, Other, 5300) \
    X(DisplayChannelNumber, Other, 5301) \
    X(DisplayChannelName, Other, 5302) \
    X(OptionOff, Other, 5303) \
    X(OptionOn, Other, 5304) \
    X(UnitMinutes, Other, 5306) \
    X(UnitSeconds, Other, 5307) \
    X(ScanTimeOperated, Other, 5309) \
    X(ScanCarrierOperated, Other, 5310) \
    X(ScanSearch, Other, 5311) \
    X(ToneBurst1750, Other, 5315) \
    X(ToneBurst2100, Other, 5316) \
    X(ToneBurst1000, Other, 5317) \
    X(ToneBurst1450, Other, 5318) \
    X(SqlMomentaryMonitor, Other, 5319) \
    X(SqlMonitorToggle, Other, 5320) \
    X(TailFreq552, Other, 5321) \
    X(TailFreq2592, Other, 5322) \
    X(TailPhase120, Other, 5323) \
    X(TailPhase180, Other, 5324) \
    X(TailPhase240, Other, 5325) \
    X(FrequencyMode, Other, 5326) \
    X(ChannelMode, Other, 5327) \
    X(TailTone, Other, 5332) \
    X(AutoOff30Minutes, Other, 5333) \
    X(AutoOff1Hour, Other, 5334) \
    X(AutoOff2Hours, Other, 5335) \
    X(DisplayNormal, Other, 5340) \
    X(DisplayInverted, Other, 5341) \
    X(RadioSpeaker, Other, 5342) \
    X(MicSpeaker, Other, 5343) \
    X(BothSpeakers, Other, 5344) \
    X(MainUpSubDown, Other, 5345) \
    X(SubUpMainDown, Other, 5346) \
    X(ChannelOptionMode1, Other, 5347) \
    X(ChannelOptionMode2, Other, 5348) \
    X(KnobVolume, Other, 5349) \
    X(KnobChannelFrequency, Other, 5350) \
    X(LabelChannelLock, Other, 5400) \
    X(LabelDisplayModeA, Other, 5401) \
    X(LabelWorkModeA, Other, 5402) \
    X(LabelChannelA, Other, 5403) \
    X(LabelDisplayModeB, Other, 5404) \
    X(LabelWorkModeB, Other, 5405) \
    X(LabelChannelB, Other, 5406) \
    X(LabelBacklight, Other, 5407) \
    X(LabelDisplayDirection, Other, 5408) \
    X(LabelMicKeyLight, Other, 5409) \
    X(LabelKeyBeep, Other, 5410) \
    X(LabelVolume, Other, 5411) \
    X(LabelSpeaker, Other, 5412) \
    X(LabelTailFrequency, Other, 5413) \
    X(LabelTailMode, Other, 5414) \
    X(LabelAutoPowerOn, Other, 5415) \
    X(LabelAutoPowerOff, Other, 5416) \
    X(LabelPowerOnReset, Other, 5417) \
    X(LabelSquelchLevelA, Other, 5418) \
    X(LabelSquelchLevelB, Other, 5419) \
    X(LabelScanMode, Other, 5420) \
    X(LabelScanResume, Other, 5421) \
    X(LabelMainSubDisplay, Other, 5422) \
    X(LabelChannelSetting, Other, 5423) \
    X(LabelTimeOut, Other, 5424) \
    X(LabelToneBurst, Other, 5425) \
    X(LabelChannelStorage, Other, 5426) \
    X(LabelSqlKey, Other, 5427) \
    X(LabelVfoStep, Other, 5428) \
    X(LabelKnobMode, Other, 5429) \
    X(LabelTrfEnable, Other, 5430) \
    X(PowerOnPasswordCheck, Other, 5431) \
    X(PowerOnPasswordDigits, Other, 5432) \
    X(PowerOnMessageLabel, Other, 5433) \
    X(CommBook, Other, 5804) \
    X(SpecialCallType, Option, 60064) \
    X(RemoteKill, Option, 60069) \
    X(CalledId, Option, 60076) \
    X(RemoteStun, Option, 60093) \
    X(PttIdBeginLabel, Option, 60302) \
    X(PttIdEndLabel, Option, 60303) \
    X(FtStandardLabel, Other, 3004) \
    X(FtInfoCodeFrame, Other, 3005) \
    X(FtCaption, Option, 60052) \
    X(FtStandardColumn, Option, 60061) \
    X(FtSpecialCall, Option, 60062) \
    X(FtCodeListNumber, Option, 60063) \
    X(FtDecodeResponse, Option, 60070) \
    X(FtToneLength, Option, 60071) \
    X(FtOwnId, Option, 60072) \
    X(FtDataMessage, Option, 60073) \
    X(FtGroupCall, Option, 60074) \
    X(FtIndividualCall, Option, 60075) \
    X(FtMessage, Option, 60077) \
    X(FtSpecialNumber, Option, 60078) \
    X(FtCode, Option, 60079) \
    X(FtToneLengthColumn, Option, 60080) \
    X(FtFirstToneTime, Option, 60081) \
    X(FtRevive, Option, 60082) \
    X(FtMessageCaption, Option, 60084) \
    X(FtFrequency, Option, 60085) \
    X(FtToneLengthCaption, Option, 60086) \
    X(FtGroupTone, Option, 60087) \
    X(FtRepeatTone, Option, 60088) \
    X(FtInfoCodeNumber, Option, 60095) \
    X(FtFunction, Option, 60096) \
    X(FtInfoDigits, Option, 60097) \
    X(FtFunctionNone, Option, 60098) \
    X(FtReset, Option, 60099) \
    X(KillNeedsWaken, Option, 60300) \
    X(InfoCodeConflict, Option, 60301) \
    X(FtNameColumn, Option, 60305) \
    X(FtInfoName, Option, 60306) \
    X(FtDecodeTime, Option, 60308) \
    X(FtAutoRepeatInterval, Option, 60309) \
    X(FtFirstDigitDelay, Option, 60310) \
    X(FtPauseTime, Option, 60311) \
    X(FtAniSeparator, Option, 60313) \
    X(FtPauseCode, Option, 60314) \
    X(SaveFirstQuestion, Msg, 0x9001) \
    X(IdNeedsFiveDigits, Msg, 0x900C)

enum class TextKey : int {
#define TQ8615_TEXT_KEY_ENUM(name, section, number) name = number,
    TQ8615_TEXT_KEYS(TQ8615_TEXT_KEY_ENUM)
#undef TQ8615_TEXT_KEY_ENUM
};

struct TextKeyInfo {
    TextKey key;
    TextSection section;
    const char* name;
};

inline constexpr TextKeyInfo kTextKeys[] = {
#define TQ8615_TEXT_KEY_INFO(name, section, number) {TextKey::name, TextSection::section, #name},
    TQ8615_TEXT_KEYS(TQ8615_TEXT_KEY_INFO)
#undef TQ8615_TEXT_KEY_INFO
};

TextSection SectionOf(TextKey key);
// The section's name in the language file ("OTHER", "MSG", "OPTION").
const char* SectionName(TextSection section);
// The key as the language file writes it: decimal, or hexadecimal capitals for "MSG".
std::string KeyText(TextKey key);

}  // namespace tq8615
