#pragma once
// The editing model together with its data file: the current file name, whether the data
// has a file yet, the snapshot of what was last saved or loaded (which tells whether the
// data is modified), and the loading of the default data files.
#include <filesystem>
#include <string>

#include "files/data_file_format.h"
#include "model/editing_model.h"
#include "model/messages.h"

namespace tq8615 {

constexpr const char* kUntitledFileName = "new.dat";

class Document {
public:
    // `programFolder` holds the "Init" folder with the optional default data files.
    explicit Document(std::filesystem::path programFolder = {});

    EditingModel Model;
    // The full path last opened or saved; "new.dat" while the data has no file.
    std::string CurrentFileName = kUntitledFileName;
    std::string CommuBookFileName = "new.cb";

    // True after start-up, New, a band change and a radio read; false once the data was
    // opened from or saved to a file. Saving untitled data asks for a name first.
    bool IsUntitled() const { return untitled_; }

    // A fresh, untitled model for the band plan: built-in defaults, then the Init data files.
    void BuildDefaultModel(int bandPlanIndex);

    // Opens a data file with all its checks. On any refusal the message is reported and
    // the model, the snapshot and the file name stay as they were.
    bool OpenDataFile(const std::filesystem::path& path, MessageSink& sink);

    // Saves to CurrentFileName, or to `path` which then becomes the current file. The file
    // is written beside the target and replaces it only once complete; a failure keeps the
    // previous file, the snapshot and the untitled state.
    bool SaveDataFile(MessageSink& sink);
    bool SaveDataFile(const std::filesystem::path& path, MessageSink& sink);

    bool IsModelModified() const;
    void TakeSnapshot();

    // The sequence after a successful radio read of an image from a radio of this band: the
    // image replaces what the radio holds, the rest of the model stays, and the data becomes
    // untitled. Values outside the radio's tables are brought into range; `sink` hears which
    // channels.
    void AcceptRadioRead(int bandPlanIndex, RadioImage& image, MessageSink& sink);

    // The bytes a save would write now.
    DataFileBytes FileBytes() const;

    void LoadDefaultFile(const std::filesystem::path& path);
    void LoadBandDefaultFile(const std::filesystem::path& path);

    const std::filesystem::path& ProgramFolder() const { return programFolder_; }

private:
    void RestoreSnapshot();
    DataFileBytes SnapshotOfModel() const;

    std::filesystem::path programFolder_;
    DataFileBytes snapshot_{};
    bool untitled_ = true;
};

// Reads a whole data file; false when it cannot be read or is not exactly 45755 bytes.
bool ReadDataFileBytes(const std::filesystem::path& path, DataFileBytes& bytes);

}  // namespace tq8615
