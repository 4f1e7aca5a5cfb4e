// The captions and texts of the messages that the core shows, and the captions of the file
// errors that every layer shows before the system's own error text.
//
// Most name the step that failed in the words the program has always shown ("SetTestFichier"
// when a file to read does not exist, "WriteToBlocHeap HeapAlloc" when memory runs out): users
// quote them when they report a failure and scripts match them, so each stays byte for byte.
#pragma once

#include <string_view>

namespace ondavel::texts {

inline constexpr std::string_view kFileMissingCaption = "SetTestFichier";
inline constexpr std::string_view kLoadFileCaption = "LoadFile";
inline constexpr std::string_view kCreateFileCaption = "CreateFile";
inline constexpr std::string_view kWriteFileCaption = "WriteFile";
inline constexpr std::string_view kCreateDirectoryCaption = "CreateDirectory";

// A heap block's first allocation, and its growth.
inline constexpr std::string_view kAllocationCaption = "WriteToBlocHeap HeapAlloc";
inline constexpr std::string_view kGrowthCaption = "WriteToBlocHeap HeapReAlloc";

// A saved string refused because every slot is taken, or because memory failed.
inline constexpr std::string_view kSlotsFullCaption = "ERREUR";
inline constexpr std::string_view kSlotsFull = "BSTR array too small";
inline constexpr std::string_view kSavingFailedCaption = "FAILED";
inline constexpr std::string_view kSavingFailed = "SysAllocString";

}  // namespace ondavel::texts
