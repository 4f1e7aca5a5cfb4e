// The fixed texts that the translation writes besides the MASM language itself: its journal
// lines, its messages and status texts, and the few words of its own that stand in the output.
//
// They are part of what the program writes, in the French it has always written them, and
// each stays byte for byte, misspellings and routine names included: journals and outputs are
// compared with earlier ones and searched line by line (tools/kit_quality.sh counts the
// " inconnu " marks), and users know a message by its words. Accented letters are Windows-1252
// bytes, as in every file the program writes.
#pragma once

#include <string_view>

namespace ondavel::texts {

// Journal lines. A number follows the texts that end with a blank or a colon.
inline constexpr std::string_view kTooLongToTranslate = " Ligne trop longue a traduire:PROC ";
inline constexpr std::string_view kPastStatementEnd = "d\xE9passement bloc : ";
inline constexpr std::string_view kIncompleteKnowledge =
    "Fichier de connaissances incomplet, section absente : ";
inline constexpr std::string_view kScanFailed = "erreur Analyse a la ligne: ";
inline constexpr std::string_view kUnbalancedBrackets =
    "ERREUR Parenth\xE8ses ou accolades d\xE9s\xE9quilibr\xE9s ligne: ";
// "Maximum de longueur ligne dépassé : 1040 Limite: 1040 Numéro: 12"
inline constexpr std::string_view kLineTooLong = "Maximum de longueur ligne d\xE9pass\xE9 : ";
inline constexpr std::string_view kLineLimitIs = " Limite: ";
inline constexpr std::string_view kLineNumberIs = " Num\xE9ro: ";
inline constexpr std::string_view kBadHexNumber =
    "Chaine hexa incorrecte dans AsciiHexToDW ligne 658 mirvane";
inline constexpr std::string_view kNumberNotTranslated = "echec traduction chiffre";

// The routine that a kTooLongToTranslate line names. Those of #define and of function-like
// macros keep the French names the journal has always given them.
inline constexpr std::string_view kDefineRoutine = "TraduireDefine";
inline constexpr std::string_view kMacroRoutine = "TraduireMacro";
inline constexpr std::string_view kTypedefRoutine = "TranslateTypedef";
inline constexpr std::string_view kGuidRoutine = "TranslateGuid";
inline constexpr std::string_view kPrototypeRoutine = "TranslatePrototype";
inline constexpr std::string_view kCallbackRoutine = "TranslateCallbackTypedef";
inline constexpr std::string_view kAggregateRoutine = "TranslateAggregate";
inline constexpr std::string_view kInterfaceRoutine = "TranslateInterface";
inline constexpr std::string_view kOleInterfaceRoutine = "TranslateOleInterface";
inline constexpr std::string_view kVtblRoutine = "TranslateVtblStructure";

// Messages (caption, then text) and the progress status.
inline constexpr std::string_view kFatalCaption = "Erreur Grave";
inline constexpr std::string_view kLineTooLongToRead = "Ligne Trop Longue";
inline constexpr std::string_view kMacroTooLong = "Ligne trop longue TraduireMacro";
inline constexpr std::string_view kLessThanCaption = "erreur sur <";
inline constexpr std::string_view kGreaterThanCaption = "erreur sur >";
inline constexpr std::string_view kAbandoned = "ABANDON";
inline constexpr std::string_view kProgressAtLine = "Progression ligne : ";

// Words of the output. The count of IF levels a header left open ends its output, and the
// journal's too when it is not 0.
inline constexpr std::string_view kOpenIfCount =
    "\r\n\r\n;+ IF > endif  D\xE9"
    "compte des if: ";
// Marks a type that nothing defines, in a PROTO line or after a TYPEDEF.
inline constexpr std::string_view kUnknownType = " inconnu ";
// Stands for a bare structure or union tag: what the name stands for is left to the reader.
inline constexpr std::string_view kTagToThinkAbout = "REFLECHIR";
// Ends a prototype commented out because MASM cannot take it.
inline constexpr std::string_view kNotAllowedByMasm = " Syntaxe Non Autoris\xE9 par masm";
// Between a COM interface and its parent in the comment before its virtual table.
inline constexpr std::string_view kDerivesFrom = " d\xE9rive de : ";

}  // namespace ondavel::texts
