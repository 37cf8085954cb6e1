#include "cli/cli.h"
#include "cli/output_file.h"

namespace tq8615::cli {

Command NewCommand()
{
    return {"new", "new [--band N] -o FILE.dat", "save the fresh default data of band plan N (0, 1 or 2; default 2)",
            {"--band", "-o"}, [](const Args& args) {
                auto band = BandOption(args, 2);
                auto out = args.option("-o");
                if (!band)
                    return 2;
                if (!out || !args.positional.empty())
                    return Fail("usage: tq8615-cli new [--band N] -o FILE.dat");
                if (auto problem = OutputProblem(*out))
                    return Fail(*problem);
                Document doc(ProgramFolder());
                doc.BuildDefaultModel(*band);
                StderrSink sink;
                return doc.SaveDataFile(*out, sink) ? 0 : 1;
            }};
}

}  // namespace tq8615::cli
