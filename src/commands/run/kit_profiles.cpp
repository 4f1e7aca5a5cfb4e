#include "run/kit_profiles.h"

#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <string>

#include "core/host.h"
#include "core/messages.h"
#include "knowledge/knowledge.h"
#include "session/session.h"

namespace ondavel {

namespace {

struct KitProfile {
    Kit kit;
    std::string_view name;  // as the command line spells it
    std::string_view knowledgeFile;
    std::string_view overlayFile;  // read before knowledgeFile for a 64-bit target
    std::string_view headerList;
    std::string_view outputFolder;
    std::string_view statusPrefix;  // empty: the profile has no menu entry
};

constexpr std::array<KitProfile, 4> kProfiles = {{
    {Kit::Sdk, "sdk", "egales.txt", "egales64.txt", "header.txt", "sdk/", "SDK "},
    {Kit::DirectX, "directx", "directx.txt", "directx64.txt", "Dxheader.txt", "directx/",
     "DIRECTX "},
    {Kit::WinDdk, "winddk", "winddkegale.txt", "winddkegale64.txt", "winddkheader.txt", "winddk/",
     "DDK "},
    {Kit::DarkGdk, "darkgdk", "directx.txt", "directx64.txt", "DarkGdkHeader.txt", "darkgdk/", ""},
}};

const KitProfile& ProfileOf(Kit kit) {
    for (const KitProfile& profile : kProfiles) {
        if (profile.kit == kit) return profile;
    }
    return kProfiles.front();
}

// The kit's output folder for target: the 64-bit includes go beside the 32-bit ones, in the
// folder of the same name followed by 64 ("sdk64/").
std::string OutputFolder(const KitProfile& profile, Target target) {
    std::string folder(profile.outputFolder);
    if (target == Target::Win64) folder.insert(folder.size() - 1, "64");
    return folder;
}

}  // namespace

bool LoadKitKnowledge(Session& session) {
    RunState& run = session.run;
    if (!LoadKnowledgeFile(session.host, run.knowledge, run.knowledgePath)) return false;
    return run.target == Target::Win32 ||
           LoadKnowledgeFile(session.host, run.overlay, run.overlayPath);
}

void ReleaseKitKnowledge(Session& session) {
    ReleaseKnowledgeFile(session.run.knowledge);
    ReleaseKnowledgeFile(session.run.overlay);
}

std::vector<std::string> BaseKitOutputFolders(Target target) {
    std::vector<std::string> folders;
    for (const KitProfile& profile : kProfiles) {
        if (!profile.statusPrefix.empty()) folders.push_back(OutputFolder(profile, target));
    }
    return folders;
}

std::optional<Target> TargetFromName(std::string_view name) {
    if (name == "win32") return Target::Win32;
    if (name == "win64") return Target::Win64;
    return std::nullopt;
}

std::optional<Kit> KitFromName(std::string_view name) {
    for (const KitProfile& profile : kProfiles) {
        if (profile.name == name) return profile.kit;
    }
    return std::nullopt;
}

void ChooseKit(Session& session, Kit kit) {
    const KitProfile& profile = ProfileOf(kit);
    RunState& run = session.run;
    // A profile without a menu entry takes its files from the current directory.
    const std::string folder = profile.statusPrefix.empty() ? "" : run.baseDirectory;
    run.knowledgePath = folder + std::string(profile.knowledgeFile);
    run.overlayPath = folder + std::string(profile.overlayFile);
    run.headerListPath = folder + std::string(profile.headerList);
    run.outputDirectory = folder + OutputFolder(profile, run.target);
    // Every kit's batch writes into its output folder, which a new workspace may not hold yet.
    if (::mkdir(run.outputDirectory.c_str(), 0777) != 0 && errno != EEXIST) {
        ShowLastError(session.host, texts::kCreateDirectoryCaption, run.outputDirectory);
    }
    if (profile.statusPrefix.empty()) return;
    std::string status(profile.statusPrefix);
    if (run.target == Target::Win64) status.append("64-bit ");
    status.append(profile.headerList).append(" ").append(profile.knowledgeFile);
    session.host.SetStatus(StatusPart::Kit, status);
}

}  // namespace ondavel
