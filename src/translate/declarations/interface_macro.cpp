#include "declarations/interface_macro.h"

#include <array>
#include <string>

#include "core/text.h"
#include "session/output.h"
#include "session/session.h"

namespace ondavel {

namespace {

// Every '$' stands for the interface name, every '%' for the register that holds the method
// table. The French comments are part of every translated interface's output, as they have
// always been, and stay byte for byte.
constexpr std::array<std::string_view, 25> kInterfaceMacroTemplate = {
    " ",
    "$ MACRO  Function:REQ, args:VARARG",
    "\t; definition de la macro locale InvokeInterface",
    "    LOCAL InvokeInterface, arg",
    "    FOR arg, <args>     ;verifier que % n'est pas dans la liste d'arguments args",
    "        IFIDNI <&arg>, <%>\t;",
    "            .ERR <% is not allowed as a coinvoke parameter>",
    "        ENDIF",
    "    ENDM",
    "    IFIDNI <&pInterface>, <%>",
    "        .ERR <% is not allowed as a coinvoke parameter>",
    "    ENDIF",
    "\t;InvokeInterface = concatene ...CATSTR(concatene) MACRO instruction MASM32\t",
    "\t;---------- on doit mettre ppv en premier argument -----------------------------------",
    "    InvokeInterface CATSTR <invoke (ST$ PTR[%]).>,<&Function,ppv$>",
    "    IFNB <args>     ; add the list of parameter arguments if any",
    "        InvokeInterface CATSTR InvokeInterface, <, >, <&args> ",
    "    ENDIF ",
    "\t;   forme les lignes de codes",
    "    mov %, ppv$",
    "    mov %, [%]",
    "    InvokeInterface",
    "ENDM\t\t",
    " ",
    " ",
};

// invoke passes the interface pointer first: on 32-bit Windows every argument is pushed and
// edx is free; on 64-bit Windows the first four go in rcx, rdx, r8 and r9, and invoke takes rax
// to copy the others, so the method table waits in r11, which no argument uses.
std::string_view TableRegister(const Session& session) {
    return session.run.target == Target::Win64 ? "r11" : "edx";
}

}  // namespace

void WriteInterfaceMacro(Session& session, std::string_view interfaceName) {
    const std::string_view tableRegister = TableRegister(session);
    std::string line;
    for (const std::string_view templateLine : kInterfaceMacroTemplate) {
        line.clear();
        // The text between two markers is copied as a whole.
        for (size_t at = 0; at < templateLine.size();) {
            const size_t marker = FindAnyOf(templateLine, at, "$%");
            line.append(templateLine.substr(at, marker - at));
            if (marker == templateLine.size()) break;
            line.append(templateLine[marker] == '$' ? interfaceName : tableRegister);
            at = marker + 1;
        }
        WriteOutputLine(session, line);
    }
}

}  // namespace ondavel
