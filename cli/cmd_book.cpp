#include "cli/cli.h"
#include "cli/output_file.h"
#include "files/book_file.h"
#include "model/commu_book_edit.h"

#include <iostream>

namespace tq8615::cli {
namespace {

constexpr const char* kUsage = "book export FILE.dat -o BOOK.bin | book import FILE.dat BOOK.bin";

int Usage() { return Fail(std::string("usage: tq8615-cli ") + kUsage); }

int Export(const Args& args)
{
    const auto out = args.option("-o");
    if (args.positional.size() != 2 || !out)
        return Usage();
    const auto doc = OpenInputForOutput(args.positional[1], *out);
    if (!doc)
        return 1;
    const BookFileBytes bytes = BookToFileBytes(doc->Model.Book);
    return SaveOutput(*out, bytes.data(), bytes.size()) ? 0 : 1;
}

// The data file takes the book in place; it is replaced only once the new one is complete.
int Import(const Args& args)
{
    if (args.positional.size() != 3 || args.option("-o"))
        return Usage();
    const std::string& dataFile = args.positional[1];
    if (auto problem = OutputProblem(dataFile, args.positional[2]))
        return Fail(*problem);
    Document doc(ProgramFolder());
    StderrSink sink;
    if (!doc.OpenDataFile(dataFile, sink))
        return 1;
    std::string reason;
    if (!LoadBookFile(args.positional[2], doc.Model.Book, reason)) {
        sink.show(FileErrorMessage(args.positional[2], reason));
        return 1;
    }
    return doc.SaveDataFile(dataFile, sink) ? 0 : 1;
}

}  // namespace

Command BookCommand()
{
    return {"book", kUsage,
            "export the communication book of a data file as a 1792-byte book file, or import one into a "
            "data file (the data file is replaced as a whole once written)",
            {"-o"}, [](const Args& args) {
                if (args.positional.empty())
                    return Usage();
                if (args.positional[0] == "export")
                    return Export(args);
                if (args.positional[0] == "import")
                    return Import(args);
                return Usage();
            }};
}

}  // namespace tq8615::cli
