#include "cli/cli.h"
#include "cli/terminal_text.h"
#include "files/configuration_compare.h"

#include <array>
#include <iostream>

namespace tq8615::cli {

namespace {
constexpr const char* kUsage = "diff A B [--band N] [--radio] [--padding]";
}

Command DiffCommand()
{
    return {"diff", kUsage,
            "compare two configurations (data files or radio images) field by field; exit 0 equal, 1 different, 2 error "
            "(--band: band plan of an image, by default the other side's; --radio: only what a radio holds, as after a "
            "write; --padding: the bytes after a text's end count too)",
            {"--band"}, [](const Args& args) {
                if (args.positional.size() != 2) {
                    std::cerr << "usage: tq8615-cli " << kUsage << '\n';
                    return 2;
                }
                StderrSink sink;
                const std::array<std::filesystem::path, 2> paths{args.positional[0], args.positional[1]};
                // Data files first: an image takes the band plan given, else a data file's.
                std::array<std::optional<Configuration>, 2> sides;
                int fallback = 2;
                for (std::size_t i : {1u, 0u}) {
                    if (IsRadioImageFile(paths[i]))
                        continue;
                    if (!(sides[i] = LoadConfiguration(paths[i], 0, ProgramFolder(), sink)))
                        return 2;
                    fallback = sides[i]->model.Band.BandPlanIndex;
                }
                auto band = BandOption(args, fallback);
                if (!band)
                    return 2;
                for (std::size_t i : {0u, 1u})
                    if (!sides[i] && !(sides[i] = LoadConfiguration(paths[i], *band, ProgramFolder(), sink)))
                        return 2;
                const CompareScope scope{args.flag("--radio"), args.flag("--padding")};
                auto differences = CompareLoaded(*sides[0], *sides[1], sink, scope);
                if (!differences)
                    return 2;
                if (differences->empty()) {
                    std::cout << "equal\n";
                    return 0;
                }
                for (const Difference& d : *differences)
                    std::cout << TerminalText(DifferenceLine(d)) << '\n';
                std::cout << differences->size() << (differences->size() == 1 ? " difference\n" : " differences\n");
                return 1;
            },
            {"--radio", "--padding"}};
}

}  // namespace tq8615::cli
