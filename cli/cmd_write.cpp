#include "cli/link_cli.h"
#include "files/document.h"
#include "link/model_link.h"

namespace tq8615::cli {

Command WriteCommand()
{
    return {"write", "write FILE.dat --port PORT [--password TEXT] [--retries N]",
            "write the data file to the radio (--retries: answer Retry N times when it stops answering)",
            {"--port", "--password", "--retries"}, [](const Args& args) {
                if (args.positional.size() != 1)
                    return Fail("usage: tq8615-cli write FILE.dat --port PORT [--password TEXT] [--retries N]");
                auto options = ParseRadioOptions(args);
                if (!options)
                    return 2;
                Document doc(ProgramFolder());
                StderrSink sink;
                if (!doc.OpenDataFile(args.positional[0], sink))
                    return 1;
                TerminalRunUi ui(options->retries);
                return ExecuteRun(*options, ui, [&](ProgrammingRun& run) { return run.startWrite(WriteRequestFor(doc.Model)); });
            }};
}

}  // namespace tq8615::cli
