#include "core/child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "core/file_io.h"

extern char** environ;

namespace ondavel {

namespace {

struct Started {
    pid_t pid = -1;
    std::string outputPath;
};

// Starts argv in folder with standard output and error going to outputPath.
pid_t Spawn(const std::vector<std::string>& command, const std::string& folder,
            const std::string& outputPath) {
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

ChildRun Wait(const Started& started) {
    ChildRun run;
    if (started.pid < 0) return run;
    int status = 0;
    while (waitpid(started.pid, &status, 0) < 0) {
    }
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    ReadFileBytes(started.outputPath, run.output);
    ::unlink(started.outputPath.c_str());
    return run;
}

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::vector<ChildRun> RunChildren(const std::vector<std::vector<std::string>>& commands,
                                  const std::string& folder) {
    std::vector<Started> started(commands.size());
    for (size_t i = 0; i < commands.size(); ++i) {
        started[i].outputPath = folder + "/child-" + std::to_string(i) + ".out";
        started[i].pid = Spawn(commands[i], folder, started[i].outputPath);
    }
    std::vector<ChildRun> runs;
    for (const Started& child : started) runs.push_back(Wait(child));
    return runs;
}

std::string FindExecutable(const std::string& name) {
    if (name.empty()) return {};
    // A path is kept absolute: the program runs where its working files are, not here.
    if (name.find('/') != std::string::npos) {
        return IsExecutableFile(name) ? std::filesystem::absolute(name).string() : std::string();
    }
    const char* path = std::getenv("PATH");
    std::string_view folders = path == nullptr ? "/usr/bin:/bin" : path;
    while (!folders.empty()) {
        const size_t colon = folders.find(':');
        std::string folder(folders.substr(0, colon));
        folders.remove_prefix(colon == std::string_view::npos ? folders.size() : colon + 1);
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
        if (IsExecutableFile(candidate)) return candidate;
    }
    return {};
}

}  // namespace ondavel
