#include "cli/cli.h"
#include "cli/output_file.h"
#include "files/epm_file.h"
#include "link/code_page.h"

#include <sstream>

namespace tq8615::cli {
namespace {

constexpr const char* kUsage = "epm FILE.dat [--groups LIST] -o OUT.EPM";

// "0,4,6": the export window's check boxes by number (0 channels, 4 options, 6 DTMF,
// 8 5-tone, 10 communication book; the others mark nothing). Empty for none.
std::optional<AutoTestGroupFlags> ParseGroups(const std::string& list)
{
    AutoTestGroupFlags groups{};
    std::istringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) {
        const bool number = !item.empty() && item.size() <= 2 && item.find_first_not_of("0123456789") == std::string::npos;
        if (!number || std::stoul(item) >= kAutoTestGroupCount)
            return std::nullopt;
        groups[std::stoul(item)] = 1;
    }
    return groups;
}

}  // namespace

Command EpmCommand()
{
    return {"epm", kUsage,
            "write the factory auto test file: channel rows, the blocks the chosen groups mark (default 0, "
            "the channels) and the radio image",
            {"-o", "--groups"}, [](const Args& args) {
                const auto out = args.option("-o");
                if (!out || args.positional.size() != 1)
                    return Fail(std::string("usage: tq8615-cli ") + kUsage);
                const auto groups = ParseGroups(args.option("--groups").value_or("0"));
                if (!groups)
                    return Fail("--groups takes numbers 0..11 separated by commas");
                const auto doc = OpenInputForOutput(args.positional[0], *out);
                if (!doc)
                    return 1;
                AutoTestRecord record;
                record.map.active = true;
                RadioImage image;
                StderrSink sink;
                if (!EncodeForAutoTest(doc->Model, *groups, image, record, EnglishText, sink))
                    return 1;
                const std::string text = EpmFileText(record, image, ToChineseCodePage);
                return SaveOutput(*out, text.data(), text.size()) ? 0 : 1;
            }};
}

}  // namespace tq8615::cli
