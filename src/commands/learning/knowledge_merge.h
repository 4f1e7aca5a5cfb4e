// Grows a knowledge file with what a learning pass or a "+ list" batch found: each new name
// goes to the end of its section, names the file already knows stay as they are.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "learning/learned_lines.h"

namespace ondavel {

struct MergeReport {
    std::vector<std::string> definedTypes;     // lines added to TYPEDEFINI
    std::vector<std::string> commonStructure;  // lines added to COMMONSTRUCTURE
    size_t known = 0;     // names the file, or an earlier learned line, already had
};

// Inserts the entries whose key neither TYPEDEFINI nor COMMONSTRUCTURE holds yet (the first
// learned line of a key wins) after the last entry of their section, under one comment line
// naming source. Every other line stays as it is. False, with text untouched, when the text
// lacks the section lines up to COMMONRECORD.
bool MergeKnowledge(std::string& text, const std::vector<LearnedEntry>& entries,
                    std::string_view source, MergeReport& report);

// The merge command: reads the learned files, merges them into the knowledge file and writes
// it back when anything was added. The files of a 64-bit run (liste64.txt, learn64.txt,
// LearnSt64.txt) go to the knowledge file's 64-bit overlay beside it (egales64.txt), and only
// their names whose value differs from the knowledge file's: a pointer-sized name is a DWORD
// there and a QWORD in the overlay. True with the report's text, or false with the reason.
bool MergeKnowledgeFiles(const std::string& knowledgePath, const std::vector<std::string>& inputs,
                         std::string& report);

}  // namespace ondavel
