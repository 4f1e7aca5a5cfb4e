// The main window's menu and the files its view commands open, as data.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace ondavel::workbench {

// Command ids the window handles that the menu does not carry.
enum Command : int {
    kQuit = 1000,
    kViewOleview = 1013,
    kLearnFromSdk = 1014,
    kFind = 1017,
    kFindNext = 1018,
    kReplace = 1020,
    kConditions = 1032,
    kAbout = 1900,
    kCopy = 3253,
    kPaste = 3254,
    kCut = 3255,
    kClear = 3257,
    kTranslateTest = 10000,
    kSelectFile = 10001,
    kTranslateAll = 10002,
    kTranslateAllWithList = 10003,
    kLearn = 10004,
    kOleview = 10005,
    kBatchStep = 10006,
    kLearnFromDirectX = 10007,
    kLearnFromDdk = 10008,
    kChooseSdk = 10009,
    kChooseDirectX = 10010,
    kChooseWinDdk = 10011,
    kChooseDarkGdk = 10012,
    kSwitchTarget = 10013,
};

struct MenuItem {
    int id;  // 0: a separator
    std::string_view text;
    bool checkable = false;  // an item that is on or off
};

struct MenuPopup {
    std::string_view text;
    std::span<const MenuItem> items;
};

inline constexpr MenuItem kFilesItems[] = {
    {1021, "view learnst.txt"},
    {1022, "view learn.txt"},
    {1023, "view journal.txt"},
    {1024, "view test.txt"},
    {kViewOleview, "view Olewiew.txt"},
    {0, ""},
    {1025, "view SDK equates"},
    {1026, "view directx equates"},
    {1027, "view DDK equates"},
    {0, ""},
    {1028, "view liste.txt "},
    {1029, "view SDK liste"},
    {1030, "view directx liste "},
    {1031, "view ddk liste"},
    {0, ""},
    {kQuit, "&Quitte"},
};
inline constexpr MenuItem kEditItems[] = {
    {kFind, "&Find"}, {kFindNext, "&Next F3"}, {kReplace, "&Replace"}};
// The 64-bit item switches the target: on, the kits are translated for 64-bit Windows.
inline constexpr MenuItem kChooseItems[] = {{kChooseSdk, "&SDK"},
                                            {kChooseDirectX, "&DIRECTX"},
                                            {kChooseWinDdk, "&WINDDK"},
                                            {0, ""},
                                            {kSwitchTarget, "&64-bit", true}};
inline constexpr MenuItem kTranslateItems[] = {
    {kTranslateTest, "&Translate test.txt + list"},
    {kSelectFile, "&Select a file"},
    {kTranslateAll, "&ALL"},
    {kTranslateAllWithList, "&ALL + list"},
    {0, ""},
    {kLearn, "&Learn"},
    {0, ""},
    {kLearnFromDirectX, "&learn from directx sdk"},
    {kLearnFromDdk, "&learn from drivers sdk"},
    {kLearnFromSdk, "&learn from windows sdk"},
};
inline constexpr MenuItem kToolsItems[] = {{kConditions, "&Conditions"}};
inline constexpr MenuItem kHelpItems[] = {{kAbout, "&About"}};

inline constexpr std::array<MenuPopup, 6> kMainMenu = {{
    {"&Files", kFilesItems},
    {"&edit", kEditItems},
    {"&CHOOSE", kChooseItems},
    {"&Translate", kTranslateItems},
    {"&Tools", kToolsItems},
    {"&Help", kHelpItems},
}};

// The declaration lists the learning commands read: liste.txt is written by the "+ list"
// commands; the kits' own lists are a liste.txt of the whole kit, renamed.
inline constexpr std::string_view kNameList = "liste.txt";
inline constexpr std::string_view kSdkNameList = "sdkliste.txt";
inline constexpr std::string_view kDirectXNameList = "directxliste.txt";
inline constexpr std::string_view kDdkNameList = "winddkliste.txt";

struct LearningCommand {
    int id;
    std::string_view listFile;
};

inline constexpr std::array<LearningCommand, 4> kLearningCommands = {{
    {kLearn, kNameList},
    {kLearnFromSdk, kSdkNameList},
    {kLearnFromDirectX, kDirectXNameList},
    {kLearnFromDdk, kDdkNameList},
}};

struct ViewedFile {
    int id;
    std::string_view fileName;  // in the base directory
    const char16_t* writtenBy;  // shown in place of a file that does not exist yet
    // Written by a run for one target: a 64-bit run's has 64 before the extension.
    bool perTarget = false;
};

inline constexpr char16_t kWrittenByLearning[] =
    u"Les commandes Translate > Learn, learn from windows sdk, learn from directx sdk et "
    u"learn from drivers sdk l'\u00E9crivent, d'apr\u00E8s journal.txt.";
inline constexpr char16_t kWrittenByInit[] =
    u"\"ondavel init\" l'\u00E9crit dans un nouvel espace de travail; "
    u"\"ondavel knowledge merge\" y ajoute ce que l'apprentissage a trouv\u00E9.";
inline constexpr char16_t kKitListNotWritten[] =
    u"Aucune commande ne l'\u00E9crit : c'est le liste.txt que Translate > ALL + list "
    u"\u00E9crit pour ce kit, renomm\u00E9; l'apprentissage le lit.";

// The side files the "view" commands open. Names are spelled as the commands that write or
// read them spell them, since file names are case-sensitive here. The DDK list is the one
// "learn from drivers sdk" reads: a "ddkliste.txt" would be a file nothing ever uses.
inline constexpr std::array<ViewedFile, 12> kViewedFiles = {{
    {1021, "LearnSt.txt", kWrittenByLearning, true},
    {1022, "learn.txt", kWrittenByLearning, true},
    {1023, "journal.txt",
     u"Chaque traduction l'\u00E9crit : Translate > Translate test.txt + list, Select a file, "
     u"ALL et ALL + list."},
    {1024, "Test.txt",
     u"\"ondavel init\" l'\u00E9crit dans un nouvel espace de travail; Translate > "
     u"Translate test.txt + list le traduit."},
    {kViewOleview, "Oleview.txt",
     u"Aucune commande ne l'\u00E9crit : c'est un listing IDL export\u00E9 d'Oleview, "
     u"\u00E0 poser ici; la commande 10005 (--run 10005) le r\u00E9ordonne."},
    {1025, "egales.txt", kWrittenByInit},
    {1026, "directx.txt", kWrittenByInit},
    {1027, "winddkegale.txt", kWrittenByInit},
    {1028, kNameList, u"Translate > Translate test.txt + list et ALL + list l'\u00E9crivent.",
     true},
    {1029, kSdkNameList, kKitListNotWritten, true},
    {1030, kDirectXNameList, kKitListNotWritten, true},
    {1031, kDdkNameList, kKitListNotWritten, true},
}};

}  // namespace ondavel::workbench
