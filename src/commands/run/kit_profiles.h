// The kits that can be translated: each fixes a knowledge file, a header list and an output
// folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/target.h"

namespace ondavel {

struct Session;

enum class Kit { Sdk, DirectX, WinDdk, DarkGdk };

// The output folders of the kits that live in the base directory, for target: "sdk/",
// "directx/", "winddk/", or "sdk64/" ... for 64-bit Windows.
std::vector<std::string> BaseKitOutputFolders(Target target);

// Loads the kit's knowledge file and, for a 64-bit target, its 64-bit overlay; false (shown on
// the host) when either cannot be loaded.
bool LoadKitKnowledge(Session& session);
void ReleaseKitKnowledge(Session& session);

// The target named "win32" or "win64".
std::optional<Target> TargetFromName(std::string_view name);

// The kit named "sdk", "directx", "winddk" or "darkgdk".
std::optional<Kit> KitFromName(std::string_view name);

// Makes kit the one that the translation commands work on, for the session's target: a 64-bit
// target writes into the kit's folder name followed by 64 ("sdk64/"). The output folder is
// created when missing. The three kits of the menu live in the base directory and show
// themselves in the status bar; the DarkGDK profile takes its names as they stand, in the
// current directory.
void ChooseKit(Session& session, Kit kit);

}  // namespace ondavel
