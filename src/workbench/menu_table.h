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
};

struct MenuItem {
    int id;  // 0: a separator
    std::string_view text;
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
inline constexpr MenuItem kChooseItems[] = {
    {kChooseSdk, "&SDK"}, {kChooseDirectX, "&DIRECTX"}, {kChooseWinDdk, "&WINDDK"}};
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

struct ViewedFile {
    int id;
    std::string_view fileName;  // in the base directory
};

// The side files the "view" commands open. Names are spelled as the commands that write or
// read them spell them, since file names are case-sensitive here.
inline constexpr std::array<ViewedFile, 12> kViewedFiles = {{
    {1021, "LearnSt.txt"},
    {1022, "learn.txt"},
    {1023, "journal.txt"},
    {1024, "Test.txt"},
    {kViewOleview, "Oleview.txt"},
    {1025, "egales.txt"},
    {1026, "directx.txt"},
    {1027, "winddkegale.txt"},
    {1028, "liste.txt"},
    {1029, "sdkliste.txt"},
    {1030, "directxliste.txt"},
    {1031, "ddkliste.txt"},
}};

}  // namespace ondavel::workbench
