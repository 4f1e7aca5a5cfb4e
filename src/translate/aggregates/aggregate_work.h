// The working state of one structure, union or enumeration translation, shared by the body
// walk, the members, the bit-field records and the enumerators.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/heap_block.h"
#include "core/text.h"
#include "session/session.h"
#include "statements/statement_cursor.h"

namespace ondavel {

// An aggregate's own name ends at these, before its declarators.
inline constexpr CharacterSet kOwnNameEnds = MakeCharacterSet(" \t,;");
// The longest aggregate, tag or nested name kept.
inline constexpr size_t kNameLimit = 99;

// A nested structure or union being walked. One declared as an array ("struct {...} a[6];")
// cannot stay inline: its pieces, from mark on, become a structure of its own.
struct NestedFrame {
    bool detached = false;
    uint32_t mark = 0;                              // where its pieces begin in the output block
    std::string keyword;                            // "STRUCT" or "UNION"
    std::string typeName;                           // the structure it becomes: OUTER_field
    std::string member;                             // "\tfield OUTER_field 6 dup (<>)"
    std::set<std::string, std::less<>> childNames;  // the names of its nested aggregates
};

// "STRUCT" or "UNION"; after a packing directive of the header, with the alignment the
// assembler holds ("STRUCT PACKING").
inline std::string AggregateKeyword(const Session& session, bool isUnion) {
    std::string keyword = isUnion ? "UNION" : "STRUCT";
    if (session.header.packingSeen) keyword += " PACKING";
    return keyword;
}

struct AggregateWork {
    AggregateWork(Session& owner, StatementSpan span)
        : session(owner), cursor(owner, span), statement(span) {
        outputBlock.reporter = &owner.host;
        pendingRecords.reporter = &owner.host;
    }

    // The comment of the line read last ("; text"), when hasComment says there is one.
    std::string& commentScratch() { return cursor.Reader().commentScratch; }
    bool hasComment() { return cursor.Reader().hasComment; }

    Session& session;
    StatementCursor cursor;
    const StatementSpan statement;
    HeapBlock outputBlock;  // the pieces written once the body is complete
    AggregateKind kind = AggregateKind::None;
    std::string tag;           // the last word before the first '{'
    std::string name;          // the declared name, before any rename from the knowledge file
    uint32_t nameLine = 0;     // the line on which the tag's last word stands
    HeapBlock pendingRecords;  // the record declaration of the current run of bit fields
    uint32_t recordRuns = 0;   // runs of bit fields started in the aggregate
    bool recordRunOpen = false;
    uint32_t recordBits = 0;       // the widths of the open run's fields
    uint32_t recordUnitBits = 32;  // the bits of the C type that holds the open run
    // The conditionals open in the body, each as the lines that lead to its current branch
    // ("IFDEF _WIN64", "ELSE"): a record declared there is declared under the same condition.
    std::vector<std::vector<std::string>> openConditionals;
    std::vector<NestedFrame> nested;                // the nested aggregates open at the cursor
    std::set<std::string, std::less<>> childNames;  // the names of its outermost nested ones
};

}  // namespace ondavel
