#include "cli/cli.h"
#include "cli/output_file.h"
#include "cli/terminal_text.h"
#include "files/channel_csv.h"

#include <iostream>

namespace tq8615::cli {
namespace {

constexpr const char* kUsage =
    "csv export FILE.dat -o CHANNELS.csv | csv import FILE.dat CHANNELS.csv [--start N | --keep-locations] "
    "[--dry-run] [--skip-bad] -o OUT.dat";

int Usage() { return Fail(std::string("usage: tq8615-cli ") + kUsage); }

int Export(const Args& args)
{
    const auto out = args.option("-o");
    if (args.positional.size() != 2 || !out)
        return Usage();
    const auto doc = OpenInputForOutput(args.positional[1], *out);
    if (!doc)
        return 1;
    const std::string text = ExportChannelsCsv(doc->Model);
    if (!SaveOutput(*out, text.data(), text.size()))
        return 1;
    std::cout << ExportSummary(doc->Model).english << '\n';
    return 0;
}

int Import(const Args& args)
{
    const auto out = args.option("-o");
    const bool dryRun = args.flag("--dry-run");
    if (args.positional.size() != 3 || (!out && !dryRun))
        return Usage();
    const auto start = args.option("--start");
    if (start && args.flag("--keep-locations"))
        return Fail("--start and --keep-locations exclude each other");
    CsvPlacement placement;
    if (start) {
        const bool number = !start->empty() && start->size() <= 3 && start->find_first_not_of("0123456789") == std::string::npos;
        if (!number || std::stoi(*start) < 1 || std::stoi(*start) > kMemoryChannels)
            return Fail("--start must be a channel 1..200");
        placement = {false, std::stoi(*start)};
    }
    const std::string& dataFile = args.positional[1];
    if (out)
        for (const std::string& input : {dataFile, args.positional[2]})
            if (auto problem = OutputProblem(*out, input))
                return Fail(*problem);
    Document doc(ProgramFolder());
    StderrSink sink;
    if (!doc.OpenDataFile(dataFile, sink))
        return 1;
    const CsvImportPlan plan = PlanCsvImportFile(args.positional[2], doc.Model, placement);
    for (const CsvProblem& problem : plan.problems)
        std::cerr << TerminalText((problem.refused ? "refused: " : "") + ProblemText(problem)) << '\n';
    if (plan.fileRefused)
        return 1;
    std::cout << ImportSummary(plan).english << '\n';
    const bool refused = plan.refusedRows > 0;
    if (dryRun)
        return refused ? 1 : 0;
    if (refused && !args.flag("--skip-bad"))
        return Fail("nothing written: rows were refused (--skip-bad imports the others)");
    ApplyCsvImport(plan, doc.Model);
    return doc.SaveDataFile(*out, sink) ? 0 : 1;
}

}  // namespace

Command CsvCommand()
{
    return {"csv", kUsage,
            "export the memory channels of a data file as a channel list of other radio programmers, or import "
            "one into a copy of a data file (VFO and RT channels are not exported; refused rows are listed "
            "and nothing is written unless --skip-bad)",
            {"-o", "--start"}, [](const Args& args) {
                if (args.positional.empty())
                    return Usage();
                if (args.positional[0] == "export")
                    return Export(args);
                if (args.positional[0] == "import")
                    return Import(args);
                return Usage();
            },
            {"--keep-locations", "--dry-run", "--skip-bad"}};
}

}  // namespace tq8615::cli
