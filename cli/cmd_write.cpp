#include "cli/link_cli.h"
#include "files/document.h"
#include "link/model_link.h"

namespace tq8615::cli {

namespace {
constexpr const char* kUsage = "write FILE.dat --port PORT [--verify] [--backup DIR] [--password TEXT] [--retries N]";
}

Command WriteCommand()
{
    return {"write", kUsage,
            "write the data file to the radio (--verify: read the written blocks back and compare; --backup: first "
            "keep the radio's configuration as a data file in DIR; --retries: answer Retry N times when it stops answering)",
            {"--port", "--password", "--retries", "--backup"}, [](const Args& args) {
                if (args.positional.size() != 1)
                    return Fail(std::string("usage: tq8615-cli ") + kUsage);
                auto options = ParseRadioOptions(args);
                if (!options)
                    return 2;
                Document doc(ProgramFolder());
                StderrSink sink;
                if (!doc.OpenDataFile(args.positional[0], sink))
                    return 1;
                TerminalRunUi ui(options->retries);
                return ExecuteWrite(*options, ui, WriteRequestFor(doc.Model), WriteOptionsFrom(args, ui));
            }, {"--verify"}};
}

}  // namespace tq8615::cli
