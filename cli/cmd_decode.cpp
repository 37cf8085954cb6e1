#include "cli/cli.h"
#include "cli/output_file.h"

#include <fstream>
#include <system_error>

namespace tq8615::cli {

Command DecodeCommand()
{
    return {"decode", "decode IMAGE.bin [--band N] -o FILE.dat",
            "decode a radio image as after a read from a radio of band plan N (default 2)",
            {"--band", "-o"}, [](const Args& args) {
                auto band = BandOption(args, 2);
                auto out = args.option("-o");
                if (!band)
                    return 2;
                if (!out || args.positional.size() != 1)
                    return Fail("usage: tq8615-cli decode IMAGE.bin [--band N] -o FILE.dat");
                const std::filesystem::path in = args.positional[0];
                if (auto problem = OutputProblem(*out, in))
                    return Fail(*problem);
                std::error_code ec;
                if (std::filesystem::file_size(in, ec) != kImageSize || ec)
                    return Fail("the image must be exactly " + std::to_string(kImageSize) + " bytes");
                RadioImage image;
                std::ifstream file(in, std::ios::binary);
                file.read(reinterpret_cast<char*>(image.bytes().data()), kImageSize);
                if (file.gcount() != kImageSize)
                    return Fail("file error.");
                Document doc(ProgramFolder());
                doc.BuildDefaultModel(*band);
                StderrSink sink;
                doc.AcceptRadioRead(*band, image, sink);
                return doc.SaveDataFile(*out, sink) ? 0 : 1;
            }};
}

}  // namespace tq8615::cli
