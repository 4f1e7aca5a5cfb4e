#include "run/support_include.h"

#include "core/host.h"
#include "core/messages.h"
#include "core/staged_file.h"
#include "session/session.h"

namespace ondavel {

namespace {

constexpr std::string_view kHead =
    "; Definitions that every translated include relies on: include this file first.\r\n"
    "\r\n"
    "; DEFINED(NAME) is -1 when NAME is defined, else 0, as the defined operator of C.\r\n"
    "DEFINED MACRO name:REQ\r\n"
    "    IFDEF name\r\n"
    "        EXITM <-1>\r\n"
    "    ENDIF\r\n"
    "    EXITM <0>\r\n"
    "ENDM\r\n"
    "\r\n"
    "; VALUEOF(NAME) is the value of NAME, or 0 when NAME is not defined: a C condition reads\r\n"
    "; an undefined name as 0, where the assembler would stop.\r\n"
    "VALUEOF MACRO name:REQ\r\n"
    "    IFDEF name\r\n"
    "        EXITM <name>\r\n"
    "    ENDIF\r\n"
    "    EXITM <0>\r\n"
    "ENDM\r\n"
    "\r\n"
    "; strsize(TEXT) is the length of TEXT: the translation of sizeof(\"TEXT\") is\r\n"
    "; strsize(TEXT) + 1, the string's characters and its closing NUL.\r\n"
    "strsize MACRO text:VARARG\r\n"
    "    EXITM %@SizeStr(<text>)\r\n"
    "ENDM\r\n"
    "\r\n";

// The target as the C compiler of the 32-bit kits defines it.
constexpr std::string_view kWin32Target =
    "; The target as a C compiler of the 32-bit kits defines it: the headers choose their\r\n"
    "; Windows and x86 branches by these names, and need to know a compiler. Of the two they\r\n"
    "; know, they are read as Microsoft's compiler reads them: GCC's branches lean on its\r\n"
    "; built-in functions, which no assembler has. WINNT: the target is Windows NT, whose\r\n"
    "; branches the headers keep apart from the old Windows 95 ones.\r\n"
    "_WIN32\tequ\t1\r\n"
    "WINNT\tequ\t1\r\n"
    "_X86_\tequ\t1\r\n"
    "__i386__\tequ\t1\r\n"
    "_MSC_VER\tequ\t1900\r\n"
    "\r\n";

// The target as the C compiler of the 64-bit kits defines it.
constexpr std::string_view kWin64Target =
    "; The target as a C compiler of the 64-bit kits defines it: the headers choose their\r\n"
    "; Windows and x86-64 branches by these names (_WIN32 as well: it names every Windows\r\n"
    "; target), and need to know a compiler. Of the two they know, they are read as\r\n"
    "; Microsoft's compiler reads them: GCC's branches lean on its built-in functions, which\r\n"
    "; no assembler has. WINNT: the target is Windows NT, whose branches the headers keep\r\n"
    "; apart from the old Windows 95 ones.\r\n"
    "_WIN32\tequ\t1\r\n"
    "_WIN64\tequ\t1\r\n"
    "WINNT\tequ\t1\r\n"
    "_AMD64_\tequ\t1\r\n"
    "__x86_64\tequ\t1\r\n"
    "__x86_64__\tequ\t1\r\n"
    "_MSC_VER\tequ\t1900\r\n"
    "\r\n";

constexpr std::string_view kPacking =
    "; PACKING is the alignment C gives the members of a structure: 8 (assemble with -Zp8, so\r\n"
    "; that the structures declared without it are aligned as C aligns them too), or what a\r\n"
    "; packing region sets (pshpack2.h and poppack.h, #pragma pack(push, 2) and (pop)).\r\n"
    "PACKING = 8\r\n"
    "PACKING_STACK TEXTEQU <>\r\n"
    "; PUSH_PACKING NAME, NAME no constant, labels the entry as #pragma pack(push, NAME) does,\r\n"
    "; and keeps the alignment.\r\n"
    "PUSH_PACKING MACRO n:REQ\r\n"
    "    PACKING_STACK CATSTR %PACKING, <,>, PACKING_STACK\r\n"
    "    IF (OPATTR (n)) AND 4\r\n"
    "        PACKING = n\r\n"
    "    ENDIF\r\n"
    "ENDM\r\n"
    "POP_PACKING MACRO\r\n"
    "    LOCAL held, comma\r\n"
    "    held SIZESTR PACKING_STACK\r\n"
    "    IF held GT 0\r\n"
    "        comma INSTR PACKING_STACK, <,>\r\n"
    "        PACKING = @SubStr(%PACKING_STACK, 1, comma - 1)\r\n"
    "        IF comma LT held\r\n"
    "            PACKING_STACK SUBSTR PACKING_STACK, comma + 1\r\n"
    "        ELSE\r\n"
    "            PACKING_STACK TEXTEQU <>\r\n"
    "        ENDIF\r\n"
    "    ENDIF\r\n"
    "ENDM\r\n"
    "SET_PACKING MACRO n:=<8>\r\n"
    "    PACKING = n\r\n"
    "ENDM\r\n"
    "\r\n";

// comethodN: the 32-bit form pushes N doublewords, the 64-bit one passes N quadwords (the
// first four in registers, the interface pointer in the first).
std::string ComMethodsHead(std::string_view argument) {
    return "; comethodN: a pointer to a COM method of N " + std::string(argument) +
           " parameters, the interface pointer\r\n"
           "; first, the type of the members of the translated virtual tables.\r\n";
}

// The most parameters a COM method of the kits takes, with room to spare.
constexpr int kMostMethodParameters = 32;

}  // namespace

std::string SupportIncludeText(Target target) {
    const bool wide = target == Target::Win64;
    std::string text(kHead);
    text.append(wide ? kWin64Target : kWin32Target).append(kPacking);
    text.append(ComMethodsHead(wide ? "quadword" : "doubleword"));
    const std::string_view argument = PointerTypeName(target);
    for (int count = 0; count <= kMostMethodParameters; ++count) {
        const std::string name = "comethod" + std::to_string(count);
        text.append(name).append("Proto\tTYPEDEF PROTO");
        for (int parameter = 0; parameter < count; ++parameter) {
            text.append(parameter == 0 ? " :" : ",:").append(argument);
        }
        text.append("\r\n").append(name).append("\tTYPEDEF PTR ").append(name).append("Proto\r\n");
    }
    return text;
}

bool WriteSupportInclude(Session& session) {
    const std::string path = session.run.outputDirectory + std::string(kSupportIncludeName);
    if (ReplaceFileContent(path, SupportIncludeText(session.run.target))) return true;
    ShowLastError(session.host, texts::kWriteFileCaption, path);
    session.run.writeFailed = true;
    return false;
}

}  // namespace ondavel
