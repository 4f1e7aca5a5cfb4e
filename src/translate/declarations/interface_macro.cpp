#include "declarations/interface_macro.h"

#include <array>
#include <string>

#include "session/output.h"

namespace ondavel {

namespace {

// Every '$' stands for the interface name. The French comments are part of every translated
// interface's output, as they have always been, and stay byte for byte.
constexpr std::array<std::string_view, 25> kInterfaceMacroTemplate = {
    " ",
    "$ MACRO  Function:REQ, args:VARARG",
    "\t; definition de la macro locale InvokeInterface",
    "    LOCAL InvokeInterface, arg",
    "    FOR arg, <args>     ;verifier que edx n'est pas dans la liste d'arguments args",
    "        IFIDNI <&arg>, <edx>\t;",
    "            .ERR <edx is not allowed as a coinvoke parameter>",
    "        ENDIF",
    "    ENDM",
    "    IFIDNI <&pInterface>, <edx>",
    "        .ERR <edx is not allowed as a coinvoke parameter>",
    "    ENDIF",
    "\t;InvokeInterface = concatene ...CATSTR(concatene) MACRO instruction MASM32\t",
    "\t;---------- on doit mettre ppv en premier argument -----------------------------------",
    "    InvokeInterface CATSTR <invoke (ST$ PTR[edx]).>,<&Function,ppv$>",
    "    IFNB <args>     ; add the list of parameter arguments if any",
    "        InvokeInterface CATSTR InvokeInterface, <, >, <&args> ",
    "    ENDIF ",
    "\t;   forme les lignes de codes",
    "    mov edx, ppv$",
    "    mov edx, [edx]",
    "    InvokeInterface",
    "ENDM\t\t",
    " ",
    " ",
};

}  // namespace

void WriteInterfaceMacro(Session& session, std::string_view interfaceName) {
    std::string line;
    for (const std::string_view templateLine : kInterfaceMacroTemplate) {
        line.clear();
        for (const char c : templateLine) {
            if (c == '$') {
                line.append(interfaceName);
            } else {
                line.push_back(c);
            }
        }
        WriteOutputLine(session, line);
    }
}

}  // namespace ondavel
