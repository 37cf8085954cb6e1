#include "cli/link_cli.h"

namespace tq8615::cli {

Command InfoCommand()
{
    return {"info", "info --port PORT [--retries N]",
            "read the radio's embedded information (serial number, dates, dealer data) and print it",
            {"--port", "--retries"}, [](const Args& args) {
                if (!args.positional.empty())
                    return Fail("usage: tq8615-cli info --port PORT [--retries N]");
                auto options = ParseRadioOptions(args);
                if (!options)
                    return 2;
                TerminalRunUi ui(options->retries);
                return ExecuteRun(*options, ui, [](ProgrammingRun& run) { return run.startReadEmbeddedInfo(); });
            }};
}

}  // namespace tq8615::cli
