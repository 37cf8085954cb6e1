#include "cli/cli.h"
#include "cli/output_file.h"

namespace tq8615::cli {

Command EncodeCommand()
{
    return {"encode", "encode FILE.dat -o IMAGE.bin", "encode a data file into the 12960-byte radio image",
            {"-o"}, [](const Args& args) {
                auto out = args.option("-o");
                if (!out || args.positional.size() != 1)
                    return Fail("usage: tq8615-cli encode FILE.dat -o IMAGE.bin");
                const auto doc = OpenInputForOutput(args.positional[0], *out);
                if (!doc)
                    return 1;
                RadioImage image;
                BlockUsageMap map;
                ClearImage(image, map);
                StderrSink sink;
                if (!EncodeModelToImage(doc->Model, image, map, sink))
                    return 1;
                return SaveOutput(*out, image.bytes().data(), image.bytes().size()) ? 0 : 1;
            }};
}

}  // namespace tq8615::cli
