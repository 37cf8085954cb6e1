#include "cli/link_cli.h"
#include "files/document.h"

namespace tq8615::cli {

Command ReadCommand()
{
    return {"read", "read --port PORT [--password TEXT] [--retries N] -o FILE.dat",
            "read the radio and save its data (--retries: answer Retry N times when it stops answering)",
            {"--port", "--password", "--retries", "-o"}, [](const Args& args) {
                auto out = args.option("-o");
                if (!out || !args.positional.empty())
                    return Fail("usage: tq8615-cli read --port PORT [--password TEXT] [--retries N] -o FILE.dat");
                auto options = ParseRadioOptions(args);
                if (!options)
                    return 2;
                Document doc(ProgramFolder());
                bool accepted = false;
                TerminalRunUi ui(options->retries);
                const int status = ExecuteRun(*options, ui, [&](ProgrammingRun& run) {
                    return run.startRead([&](int band, RadioImage& image) {
                        doc.BuildDefaultModel(band);
                        doc.AcceptRadioRead(band, image);
                        accepted = true;
                    });
                });
                if (status != 0 || !accepted)
                    return 1;
                StderrSink sink;
                return doc.SaveDataFile(*out, sink) ? 0 : 1;
            }};
}

}  // namespace tq8615::cli
