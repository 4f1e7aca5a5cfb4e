// Output view throughput: one large real header translated by a worker thread, as "Select a
// file" runs it, once to an output file and once into the output view. The view must cost
// less than a second more than the file.
//   ondavel_view_bench [HEADER]
// Without HEADER, winuser.h of MinGW-w64 is repeated up to 2 MB: nearly every line of it gives
// output, so the view receives about as much text as the header holds.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPlainTextEdit>
#include <QThread>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "run/commands.h"
#include "run/kit_profiles.h"
#include "session/session.h"
#include "workbench/prompter.h"
#include "workbench/workbench_host.h"

namespace {

namespace fs = std::filesystem;

constexpr uintmax_t kHeaderSize = 2'000'000;

std::string MakeLargeHeader(const fs::path& base) {
    const fs::path part = "/usr/share/mingw-w64/include/winuser.h";
    const fs::path header = base / "large.h";
    if (!fs::is_regular_file(part)) return part.string();
    std::ofstream out(header, std::ios::binary);
    for (uintmax_t written = 0; written < kHeaderSize; written += fs::file_size(part)) {
        out << std::ifstream(part, std::ios::binary).rdbuf();
    }
    return header.string();
}

// Seconds from the start of the worker until its last line is in the view.
double TranslateOnWorker(ondavel::Session& session, ondavel::workbench::WorkbenchHost& host,
                         const std::string& input, const std::string& output) {
    QElapsedTimer clock;
    clock.start();
    QThread* worker = QThread::create([&] {
        ondavel::TranslateOneFile(session, input, output);
        host.Flush();
    });
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    delete worker;
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const fs::path base = fs::temp_directory_path() / "ondavel-view-bench";
    fs::create_directories(base);
    const std::string input = argc > 1 ? argv[1] : MakeLargeHeader(base);
    if (!fs::is_regular_file(input)) {
        std::fprintf(stderr, "%s not found (install mingw-w64-i686-dev)\n", input.c_str());
        return 1;
    }
    fs::copy_file(ONDAVEL_SOURCE_DIR "/kits/egales.txt", base / "egales.txt",
                  fs::copy_options::overwrite_existing);

    QPlainTextEdit view;
    QLabel progress, kit;
    ondavel::workbench::Prompter prompter;
    ondavel::workbench::WorkbenchHost host(view, progress, kit, prompter);
    view.resize(800, 600);
    view.show();
    ondavel::Session session(host);
    session.run.baseDirectory = base.string() + "/";
    ondavel::ChooseKit(session, ondavel::Kit::Sdk);

    const double toFile = TranslateOnWorker(session, host, input, (base / "out.sdk").string());
    const double toView = TranslateOnWorker(session, host, input, "");
    const double megabytes = static_cast<double>(fs::file_size(input)) / 1e6;
    std::printf(
        "%s, %.2f MB: to a file %.3f s, to the view %.3f s (%d lines in the view), "
        "view costs %.3f s more\n",
        input.c_str(), megabytes, toFile, toView, view.document()->blockCount(), toView - toFile);
    fs::remove_all(base);
    return toView - toFile < 1.0 ? 0 : 1;
}
