#include "cli/link_cli.h"
#include "cli/output_file.h"

namespace tq8615::cli {

Command ReadCommand()
{
    return {"read", "read --port PORT [--password TEXT] [--retries N] -o FILE.dat",
            "read the radio and save its data (--retries: answer Retry N times when it stops answering)",
            {"--port", "--password", "--retries", "-o"}, [](const Args& args) {
                auto out = args.option("-o");
                if (!out || !args.positional.empty())
                    return Fail("usage: tq8615-cli read --port PORT [--password TEXT] [--retries N] -o FILE.dat");
                // A read takes half a minute: learn that its result cannot be saved first.
                if (auto problem = OutputProblem(*out))
                    return Fail(*problem);
                auto options = ParseRadioOptions(args);
                if (!options)
                    return 2;
                // The model a read lands in is the one the program starts with.
                Document doc(ProgramFolder());
                doc.BuildDefaultModel(2);
                bool accepted = false;
                TerminalRunUi ui(options->retries);
                const int status = ExecuteRun(*options, ui, [&](ProgrammingRun& run) {
                    return run.startRead([&](int band, RadioImage& image) {
                        StderrSink sink;
                        doc.AcceptRadioRead(band, image, sink);
                        accepted = true;
                    });
                });
                if (status != 0 || !accepted)
                    return 1;
                return SaveReadData(doc, *out) ? 0 : 1;
            }};
}

}  // namespace tq8615::cli
