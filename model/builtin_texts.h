#pragma once
// The texts built into the program in both languages, for what the language files do not
// hold. One table; every layer picks its pair from it.
namespace tq8615 {

enum class BuiltinText {
    ReadCommand, WriteCommand, ProgressLabel, ReadPrompt, WritePrompt,
    WrongModel, WrongVersion, WrongBand, ResetPrompt, FileError, OverwritePrompt,
    UnsavedPrompt, DataFileType, FrequencyCleared, WarningTitle,
    CloseButton, PrintButton, HelpButton, RogerBeep,
    // The embedded information window.
    EmbeddedMessage, AreaCode, ManufactureCode, RadioType, Frequency, SerialNumber,
    ProductionDate, MaintenanceDate, MaintenanceReason, Description, RfFirmware, UserCode,
    DealerCode, StockDate, SellDate, Seller, LcdFirmware, DealerInformation,
    // Failures the data side and the link report, followed by their details.
    Disconnected, PartialWrite, ChannelsNotWritable, ChannelsRepaired,
    // Transfers the user stopped or the radio refused.
    PasswordRefused, ReadCancelled, WriteCancelled, WriteCancelledPartway, StopWriteQuestion,
    // The File menu's list of recently used data files.
    RecentFiles, ClearRecentFiles,
    // Why the serial port did not open and what to do; %1 is the port, %2 the group or the
    // program holding it, %3 that program's process number.
    PortNotChosen, PortMissing, PortDenied, PortDeniedRelogin, PortDeniedNoGroup, PortBusy, PortBusyBy,
    // Edit > Undo and Redo, %1 the command; the commands of the channel grid.
    UndoCommand, RedoCommand, CutChannels, PasteChannels,
    // Channel lists in the comma-separated format of other radio programmers; %1 and %2 are
    // the values a message names.
    CsvLine, CsvTooLarge, CsvEmpty, CsvNoFrequencyColumn, CsvBrokenQuote, CsvBadFrequency,
    CsvOutOfBand, CsvBadDuplex, CsvBadOffset, CsvTxOutOfBand, CsvBadToneMode,
    CsvBadCrossMode, CsvUnknownTone, CsvUnknownDcs, CsvBadPolarity, CsvBadMode, CsvBadSkip,
    CsvBadPower, CsvBadLocation, CsvDuplicateLocation, CsvNoFreeChannel, CsvNotWritable,
    CsvNameChanged, CsvStepReplaced, CsvOffsetCapped, CsvFrequencyRounded, CsvPowerMapped,
    CsvLocationsShifted, CsvReplacesChannel, ImportChannels, ExportChannels, CsvFileType,
    CsvPreviewTitle, CsvKeepLocations, CsvFillFrom, CsvImportGood, CsvRowsHeader,
    CsvChannelHeader, CsvProblemsLabel, CsvRowsSummary, CsvExported, CsvRefusedTag,
    // A write read back and checked, and the backup taken before it; followed by details.
    WrittenAndVerified, VerifyFailed, BackupFailed, BackupSaved,
    // Comparing configurations, the write settings and programming a fleet in the window.
    CompareWith, VerifyAfterWrite, BackupBeforeWrite, CloneToMany, CompareCaption, CompareEqual,
    CompareArea, CompareItem, CompareField, CompareThis, CompareOther,
    CloneStart, CloneStop, CloneCounts, CloneWaiting, CloneWriting, CloneRemove, CloneLogFile,
    CompareRadioOnly,
    // A composed 5-tone code longer than its field; followed by the limit.
    CodeTooLong,
    // The grid's commands on several channels, and printing the channel table.
    CopyChannels, DeleteChannels, InsertChannel, RemoveChannels, MoveChannelsUp, MoveChannelsDown,
    SortMenu, SortChannels, SortByFrequency, SortByName, SortByColumn, Channel200InUse,
    PrintCommand, PrintModel, PrintBandPlan,
    // How many radios the fleet window programs.
    CloneCount, CloneUntilStopped,
};

struct TextPair {
    const char* english;
    const char* chinese;  // UTF-8; empty where the program has only the English text
};

const TextPair& PairOf(BuiltinText text);

// The built-in text that stands for a language key above the language files' range
// (10221 is the roger beep caption); nullptr for any other key.
const TextPair* PairOfKey(int key);

}  // namespace tq8615
