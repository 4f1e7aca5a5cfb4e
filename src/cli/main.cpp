// ondavel: translates the C headers of a Windows kit into MASM include files.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <string>

#include "cli/terminal_host.h"
#include "core/session.h"
#include "driver/commands.h"
#include "driver/conditions.h"
#include "driver/kit_profiles.h"

namespace {

constexpr const char* kDescription =
    "Translates the C headers of a Windows kit into MASM include files.\n\n"
    "Every file name is taken in the base directory (--base, else the current directory).\n"
    "The kit chooses the knowledge file that drives the translation:\n"
    "  sdk      egales.txt        directx  directx.txt\n"
    "  winddk   winddkegale.txt   darkgdk  directx.txt\n"
    "Diagnostics and unknown types go to journal.txt, the source of translated typedefs\n"
    "to BlocsdeTexte.txt; messages and progress go to standard error.";

constexpr const char* kTestDescription =
    "Translate Test.txt of the base directory to standard output (CR LF lines, Windows-1252)";

struct Options {
    std::string base;
    std::string kit;
    bool quiet = false;
};

std::string WithTrailingSlash(std::string directory) {
    if (!directory.empty() && directory.back() != '/') directory.push_back('/');
    return directory;
}

int RunTest(const Options& options) {
    ondavel::TerminalHost host(options.quiet);
    ondavel::Session session(host);
    session.run.baseDirectory = WithTrailingSlash(options.base);
    if (auto kit = ondavel::KitFromName(options.kit)) ondavel::ChooseKit(session, *kit);
    const int result = ondavel::TranslateTestFile(session);
    if (result < 0)
        host.ShowMessage("Test.txt", "nothing to translate", ondavel::MessageIcon::Information);
    return result == 0 ? 1 : 0;
}

constexpr const char* kConditionsDescription =
    "List the IF lines open where NAME first stands in FILE, outermost first, one a line with "
    "its line number (exit status 0 found, 1 not found, 2 file not read)";

int RunConditions(const std::string& name, const std::string& file) {
    ondavel::TerminalHost host(true);
    const ondavel::ConditionSearch search = ondavel::FindConditions(host, name, file);
    for (const std::string& condition : search.conditions) std::printf("%s\n", condition.c_str());
    if (search.conditions.empty()) ondavel::ShowConditions(host, name, file, search);
    switch (search.result) {
        case ondavel::ConditionsResult::Found:
            return 0;
        case ondavel::ConditionsResult::NotFound:
            return 1;
        default:
            return 2;
    }
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app(kDescription, "ondavel");
    app.require_subcommand(1);
    Options options;
    app.add_option("--base", options.base, "Base directory: kit files, Test.txt and side files")
        ->check(CLI::ExistingDirectory)
        ->option_text("DIR");
    app.add_option("--kit", options.kit, "Kit to translate: sdk, directx, winddk or darkgdk")
        ->check(CLI::IsMember({"sdk", "directx", "winddk", "darkgdk"}))
        ->option_text("KIT");
    app.add_flag("-q,--quiet", options.quiet, "Show no progress on standard error");
    CLI::App* test = app.add_subcommand("test", kTestDescription);
    int status = 0;
    test->callback([&] { status = RunTest(options); });
    std::string conditionName, conditionFile;
    CLI::App* conditions = app.add_subcommand("conditions", kConditionsDescription);
    conditions->add_option("NAME", conditionName, "Name to look for (exact case)")->required();
    conditions->add_option("FILE", conditionFile, "Translated file to search")->required();
    conditions->callback([&] { status = RunConditions(conditionName, conditionFile); });
    CLI11_PARSE(app, argc, argv);
    return status;
}
