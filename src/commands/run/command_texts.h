// The fixed texts of the commands that are not plain English: the French messages of the kit
// choice, the conditions search and a batch's output names, and the status texts of a batch
// and a learning pass.
//
// Users know them by their words ("ALL DONE" ends every batch, and the workbench tells its user
// to wait for it), and the name clash goes to the journal too, so each stays byte for byte.
// Accented letters are Windows-1252 bytes.
#pragma once

#include <string_view>

namespace ondavel::texts {

inline constexpr std::string_view kChooseKitCaption = "ONDAVEL";
inline constexpr std::string_view kChooseKit =
    "Vous devez CHOISIR un SDK \xE0 traduire avant de commencer\r\n"
    "You must CHOOSE a SDK to translate before proceed";

// A batch: its end, and a header whose output name another header took
// ("Nom de sortie deja pris: a.sdk, ecrit sous a~2.sdk").
inline constexpr std::string_view kBatchDone = "ALL DONE";
inline constexpr std::string_view kOutputNameTaken = "Nom de sortie deja pris: ";
inline constexpr std::string_view kWrittenAs = ", ecrit sous ";

// The conditions search.
inline constexpr std::string_view kFileNotFoundCaption = "fichier non trouv\xE9";
inline constexpr std::string_view kNameNotFound =
    "Echec,la r\xE9"
    "f\xE9rence n'a pas \xE9t\xE9 trouv\xE9";
inline constexpr std::string_view kNoCondition = "Aucune condition";
inline constexpr std::string_view kConditionsFoundCaption = "conditions trouv\xE9s";

// A learning pass, while it searches and once done.
inline constexpr std::string_view kSearching = "Recherche";
inline constexpr std::string_view kLearnDone = "Fini: Structures,learnst.txt autre,learn.txt";

}  // namespace ondavel::texts
