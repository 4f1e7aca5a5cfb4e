// ondavel: translates the C headers of a Windows kit into MASM include files.
#include <CLI/CLI.hpp>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "cli/check_command.h"
#include "cli/progress_line.h"
#include "cli/prove_command.h"
#include "cli/terminal_host.h"
#include "core/staged_file.h"
#include "learning/knowledge_merge.h"
#include "learning/learn.h"
#include "run/batch.h"
#include "run/commands.h"
#include "run/conditions.h"
#include "run/kit_profiles.h"
#include "run/listed_header.h"
#include "session/session.h"
#include "workspace/workspace.h"

namespace {

using ondavel::MessageIcon;
using ondavel::Session;
using ondavel::StatusOutput;
using ondavel::TerminalHost;

constexpr const char* kDescription =
    "Translates the C headers of a Windows kit into MASM include files.\n\n"
    "Every fixed file name is taken in the base directory (--base, else the current\n"
    "directory). The kit chooses the knowledge file that drives the translation, the\n"
    "header list that names the kit's headers (one path a line) and the output folder:\n"
    "  sdk      egales.txt        header.txt         sdk/\n"
    "  directx  directx.txt       Dxheader.txt       directx/\n"
    "  winddk   winddkegale.txt   winddkheader.txt   winddk/\n"
    "  darkgdk  directx.txt       DarkGdkHeader.txt  darkgdk/  (relative to the current\n"
    "                                                           directory, not the base)";

constexpr const char* kFooter =
    "Files each command reads and writes (NAME.sdk: the header's file name in lowercase with\n"
    "its last extension replaced by 'sdk'; every batch also writes the support include\n"
    "ondavel.inc, which a program includes first):\n"
    "  test     reads the knowledge file, Test.txt\n"
    "           writes the translation to standard output, journal.txt, BlocsdeTexte.txt,\n"
    "           liste.txt\n"
    "  file     reads the knowledge file, HEADER (a path, or a file name of the header list)\n"
    "           writes the translation to standard output or DIR/NAME.sdk (--to DIR),\n"
    "           journal.txt, BlocsdeTexte.txt\n"
    "  all      reads the knowledge file, the header list and every header it names\n"
    "           writes FOLDER/NAME.sdk for each, journal.txt, BlocsdeTexte.txt and with\n"
    "           --list liste.txt (each header's path before what it gave)\n"
    "  oleview  reads the knowledge file, Oleview.txt\n"
    "           writes Oleview_Ordonne.txt, journal.txt, liste.txt\n"
    "  learn    reads journal.txt and liste.txt (--from sdk, directx, winddk: sdkliste.txt,\n"
    "           directxliste.txt, winddkliste.txt); needs no kit\n"
    "           writes LearnSt.txt (structures), learn.txt (other names)\n"
    "journal.txt holds the diagnostics and the unknown types ('TYPE LINE'); BlocsdeTexte.txt\n"
    "the source of every translated typedef; liste.txt the names each header declared, by\n"
    "kind. With --target win64 the lists and what is learned from them get 64 before their\n"
    "extension (liste64.txt, learn64.txt, LearnSt64.txt). Messages and progress go to\n"
    "standard error. The exit status is 0 when everything ran, 1 when anything failed.";

constexpr const char* kTestDescription =
    "Translate Test.txt to standard output (CR LF lines, Windows-1252)";
constexpr const char* kFileDescription = "Translate one header to standard output or into a folder";
constexpr const char* kAllDescription =
    "Translate every header of the kit's header list into the kit's output folder";
constexpr const char* kOleviewDescription =
    "Reorder Oleview.txt into Oleview_Ordonne.txt, plain declarations first";
constexpr const char* kLearnDescription =
    "Find the unknown types of journal.txt in a declaration list and write knowledge lines";
constexpr const char* kCheckDescription =
    "Assemble each include of the kit's output folder on its own, after ondavel.inc (and\n"
    "--after NAME): prints every error with the include line it points at, then 'N of M clean'";
constexpr const char* kProveDescription =
    "Prove the kit's output folder against the C toolchain of its headers: each structure's\n"
    "size and member offsets through the C compiler and the assembler, each exported\n"
    "prototype's decorated name against the import libraries; prints every difference, then\n"
    "'N of M structures exact' and 'N of M prototypes link' with the differences by cause";
constexpr const char* kInitDescription =
    "Make a workspace: the bundled knowledge files, header lists made from an include folder,\n"
    "Test.txt and README.txt. Existing files are kept unless --force is given";
constexpr const char* kMergeDescription =
    "Add what LearnSt.txt, learn.txt or liste.txt found to a knowledge file: new names only,\n"
    "each at the end of its section (TYPEDEFINI, COMMONSTRUCTURE); prints what was added.\n"
    "What 64-bit runs found (learn64.txt, LearnSt64.txt, liste64.txt) goes to the file's\n"
    "64-bit overlay beside it (egales64.txt), where its size differs";

struct Options {
    std::string base;
    std::string kit;
    std::string target;
    bool quiet = false;
    std::string header;
    std::string to;
    bool list = false;
    std::string from;
    std::string workspace;
    std::string include;
    bool force = false;
    std::string knowledge;
    std::vector<std::string> learned;
    std::string assembler;
    std::string after;
    std::vector<std::string> includes;
    std::string compiler;
};

std::string WithTrailingSlash(std::string directory) {
    if (!directory.empty() && directory.back() != '/') directory.push_back('/');
    return directory;
}

using Command = std::function<int(Session&, TerminalHost&)>;

// Runs command in a fresh session of the base directory and kit; returns the exit status.
int Run(const Options& options, const Command& command) {
    TerminalHost host(options.quiet ? StatusOutput::Quiet : StatusOutput::Shown);
    Session session(host);
    session.run.baseDirectory = WithTrailingSlash(options.base);
    if (auto target = ondavel::TargetFromName(options.target)) session.run.target = *target;
    if (auto kit = ondavel::KitFromName(options.kit)) ondavel::ChooseKit(session, *kit);
    const int status = command(session, host);
    return session.run.writeFailed ? 1 : status;
}

// Exit status of a single-file translation: nothing in the input is not a failure.
int SingleFileStatus(TerminalHost& host, ondavel::FileResult result, std::string_view input) {
    if (result == ondavel::FileResult::NoLines) {
        host.ShowMessage(input, "nothing to translate", MessageIcon::Information);
    }
    return result == ondavel::FileResult::Failed ? 1 : 0;
}

int RunTest(Session& session, TerminalHost& host) {
    return SingleFileStatus(host, ondavel::TranslateTestFile(session), "Test.txt");
}

int RunFile(const Options& options, Session& session, TerminalHost& host) {
    const std::string header = ondavel::FindListedHeader(session, options.header);
    const std::string to = WithTrailingSlash(options.to);
    return SingleFileStatus(host, ondavel::TranslateChosenFile(session, header, to), header);
}

int RunAll(const Options& options, Session& session, TerminalHost& host) {
    using ondavel::NameList;
    if (!ondavel::StartBatch(session, options.list ? NameList::Write : NameList::Skip)) return 1;
    const auto start = std::chrono::steady_clock::now();
    int failed = 0;
    while (ondavel::ClaimBatchStep(session)) {
        const ondavel::BatchProgress progress = ondavel::GetBatchProgress(session);
        // A log names each header; a bar also shows the steps that take none.
        if (host.interactive() || !progress.next.empty()) {
            host.ShowProgress(ondavel::ProgressLine(
                progress, std::chrono::steady_clock::now() - start, host.interactive()));
        }
        if (ondavel::RunBatchStep(session) == ondavel::BatchStepResult::Failed) ++failed;
    }
    host.KeepStatusLine();
    return failed == 0 ? 0 : 1;
}

int RunOleview(Session& session, TerminalHost& host) {
    return SingleFileStatus(host, ondavel::ReorderOleviewFile(session), "Oleview.txt");
}

int RunLearn(const Options& options, Session& session, TerminalHost& host) {
    const std::string list = ondavel::ForTarget(options.from + "liste.txt", session.run.target);
    if (ondavel::LearnFromKit(session, list)) return 0;
    host.ShowMessage("learn", "journal.txt and " + list + " must be readable in the base directory",
                     MessageIcon::Stop);
    return 1;
}

constexpr const char* kConditionsDescription =
    "List the IF lines open where NAME first stands in FILE, outermost first, one a line with "
    "its line number (exit status 0 found, 1 not found, 2 file not read)";

int RunConditions(const std::string& name, const std::string& file) {
    ondavel::TerminalHost host(StatusOutput::Quiet);
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

// Reports a result on standard output, a failure as a message.
int Report(const std::string& caption, bool done, const std::string& report) {
    if (done) {
        std::fputs(report.c_str(), stdout);
        return 0;
    }
    TerminalHost(StatusOutput::Shown).ShowMessage(caption, report, MessageIcon::Stop);
    return 1;
}

int RunInit(const Options& options) {
    ondavel::WorkspaceRequest request;
    request.directory = options.workspace;
    request.force = options.force;
    request.include = options.include.empty() ? ondavel::DefaultIncludeFolder()
                                              : std::filesystem::path(options.include);
    std::string report;
    const bool done = ondavel::InitWorkspace(request, report);
    return Report("init", done, report);
}

int RunMerge(const Options& options) {
    std::string report;
    const bool done = ondavel::MergeKnowledgeFiles(options.knowledge, options.learned, report);
    return Report("knowledge merge", done, report);
}

// The options of the commands that assemble the includes: which assembler, and after what.
void AddAssemblerOptions(CLI::App* command, Options& options) {
    command
        ->add_option("--assembler", options.assembler,
                     "The assembler (default: jwasm, uasm or asmc on PATH)")
        ->option_text("PATH");
    command
        ->add_option("--after", options.after,
                     "An include of the folder assembled before each other one (windows.sdk)")
        ->option_text("NAME");
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app(kDescription, "ondavel");
    app.footer(kFooter);
    app.require_subcommand(1);
    app.fallthrough();
    app.set_version_flag("--version", std::string("ondavel ") + ONDAVEL_VERSION);
    Options options;
    app.add_option("--base", options.base, "Base directory: kit files, Test.txt and side files")
        ->check(CLI::ExistingDirectory)
        ->option_text("DIR");
    app.add_option("--kit", options.kit, "Kit to translate: sdk, directx, winddk or darkgdk")
        ->check(CLI::IsMember({"sdk", "directx", "winddk", "darkgdk"}))
        ->option_text("KIT");
    app.add_option("--target", options.target,
                   "Machine of the includes: win32 (the default) or win64, whose includes go\n"
                   "into the kit's folder followed by 64 (sdk64/)")
        ->check(CLI::IsMember({"win32", "win64"}))
        ->option_text("MACHINE");
    app.add_flag("-q,--quiet", options.quiet, "Show no status or progress on standard error");

    int status = 0;
    const auto bind = [&](CLI::App* command, auto body) {
        command->callback([&, body] {
            status = Run(options, [&](Session& s, TerminalHost& h) { return body(s, h); });
        });
    };
    bind(app.add_subcommand("test", kTestDescription), RunTest);

    CLI::App* file = app.add_subcommand("file", kFileDescription);
    file->add_option("HEADER", options.header, "A header's path, or its file name in the list")
        ->required();
    file->add_option("--to", options.to, "Write DIR/NAME.sdk instead of standard output")
        ->check(CLI::ExistingDirectory)
        ->option_text("DIR");
    bind(file, [&](Session& s, TerminalHost& h) { return RunFile(options, s, h); });

    CLI::App* all = app.add_subcommand("all", kAllDescription);
    all->add_flag("--list", options.list, "Also write liste.txt: each header's path and names");
    bind(all, [&](Session& s, TerminalHost& h) { return RunAll(options, s, h); });

    bind(app.add_subcommand("oleview", kOleviewDescription), RunOleview);

    CLI::App* learn = app.add_subcommand("learn", kLearnDescription);
    learn->add_option("--from", options.from, "Learn from the kit's list: sdk, directx, winddk")
        ->check(CLI::IsMember({"sdk", "directx", "winddk"}))
        ->option_text("KIT");
    bind(learn, [&](Session& s, TerminalHost& h) { return RunLearn(options, s, h); });

    CLI::App* check = app.add_subcommand("check", kCheckDescription);
    AddAssemblerOptions(check, options);
    check->add_option("INCLUDES", options.includes, "Check only these includes of the folder");
    bind(check, [&](Session& s, TerminalHost& h) {
        return ondavel::RunCheckCommand(s, h, options.assembler, options.after, options.includes);
    });

    CLI::App* prove = app.add_subcommand("prove", kProveDescription);
    AddAssemblerOptions(prove, options);
    prove
        ->add_option("--compiler", options.compiler,
                     "The C cross compiler (default: i686-w64-mingw32-gcc on PATH, for\n"
                     "--target win64 x86_64-w64-mingw32-gcc)")
        ->option_text("PATH");
    prove->add_option("INCLUDES", options.includes,
                      "Prove only these includes and the includes they include");
    bind(prove, [&](Session& s, TerminalHost& h) {
        return ondavel::RunProveCommand(
            s, h, {options.assembler, options.compiler, options.after, options.includes});
    });

    std::string conditionName, conditionFile;
    CLI::App* conditions = app.add_subcommand("conditions", kConditionsDescription);
    conditions->add_option("NAME", conditionName, "Name to look for (exact case)")->required();
    conditions->add_option("FILE", conditionFile, "Translated file to search")->required();
    conditions->callback([&] { status = RunConditions(conditionName, conditionFile); });

    CLI::App* init = app.add_subcommand("init", kInitDescription);
    init->add_option("WORKDIR", options.workspace, "The workspace folder (created when missing)")
        ->required();
    init->add_option("--include", options.include,
                     "Include folder the header lists are made from (default: the MinGW-w64\n"
                     "headers when installed, else the bundled sample headers, written into\n"
                     "WORKDIR/include)")
        ->option_text("DIR");
    init->add_flag("--force", options.force, "Replace the files of an existing workspace");
    init->callback([&] { status = RunInit(options); });

    CLI::App* knowledge = app.add_subcommand("knowledge", "Work on a knowledge file");
    knowledge->require_subcommand(1);
    CLI::App* merge = knowledge->add_subcommand("merge", kMergeDescription);
    merge->add_option("KNOWLEDGE_FILE", options.knowledge, "The knowledge file to grow")
        ->required()
        ->check(CLI::ExistingFile);
    merge->add_option("FILES", options.learned, "LearnSt.txt, learn.txt, liste.txt …")
        ->required()
        ->check(CLI::ExistingFile);
    merge->callback([&] { status = RunMerge(options); });

    ondavel::RemoveStagedFilesOnSignals();
    CLI11_PARSE(app, argc, argv);
    return status;
}
