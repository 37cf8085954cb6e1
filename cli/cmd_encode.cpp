#include "cli/cli.h"
#include "files/atomic_file.h"
#include "files/document.h"

namespace tq8615::cli {

Command EncodeCommand()
{
    return {"encode", "encode FILE.dat -o IMAGE.bin", "encode a data file into the 12960-byte radio image",
            {"-o"}, [](const Args& args) {
                auto out = args.option("-o");
                if (!out || args.positional.size() != 1)
                    return Fail("usage: tq8615-cli encode FILE.dat -o IMAGE.bin");
                Document doc(ProgramFolder());
                StderrSink sink;
                if (!doc.OpenDataFile(args.positional[0], sink))
                    return 1;
                RadioImage image;
                BlockUsageMap map;
                ClearImage(image, map);
                if (!EncodeModelToImage(doc.Model, image, map, sink))
                    return 1;
                if (!WriteFileAtomically(*out, image.bytes().data(), image.bytes().size()))
                    return Fail("file error.");
                return 0;
            }};
}

}  // namespace tq8615::cli
