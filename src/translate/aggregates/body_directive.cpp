#include "aggregates/body_directive.h"

#include <string>

#include "aggregates/aggregate_work.h"
#include "core/text.h"
#include "preprocessor/nested_directive.h"
#include "session/output.h"

namespace ondavel {

namespace {

// The conditional line just appended to the block, from used on, without its NUL.
std::string LastPiece(const HeapBlock& block, uint32_t used) {
    std::string_view piece = block.view().substr(used);
    return std::string(piece.substr(0, piece.find('\0')));
}

enum class Level { Opens, Continues, None };

Level LevelOf(std::string_view line) {
    if (InString(1, line, "#error", Case::Ignore) == 1) return Level::None;
    return InString(1, line, "#elif", Case::Ignore) == 1 ? Level::Continues : Level::Opens;
}

void FollowConditional(AggregateWork& work, Level level, std::string piece) {
    auto& open = work.openConditionals;
    if (level == Level::Opens) {
        open.push_back({std::move(piece)});
    } else if (level == Level::Continues && !open.empty()) {
        open.back().push_back(std::move(piece));
    }
}

BodyDirectiveResult WriteAlternativeHeader(AggregateWork& work) {
    StatementCounts& counts = work.session.statement.counts;
    counts.lastLine = work.cursor.LineNumber();
    AppendPieceToHeapBlock(work.outputBlock,
                           work.name + "\t" + work.session.run.aggregateKeyword + "\r\nELSE\r\n");
    WritePieces(work.session, work.outputBlock);
    return BodyDirectiveResult::AlternativeHeader;
}

}  // namespace

BodyDirectiveResult TranslateBodyDirective(AggregateWork& work) {
    StatementCursor& cursor = work.cursor;
    const std::string_view line = cursor.Rest();
    switch (ClassifyNestedDirective(line)) {
        case NestedDirective::Else:
            if (cursor.LineNumber() == work.nameLine + 1) return WriteAlternativeHeader(work);
            AppendPieceToHeapBlock(work.outputBlock, "\tELSE");
            if (!work.openConditionals.empty()) work.openConditionals.back().push_back("ELSE");
            break;
        case NestedDirective::Endif:
            if (!work.openConditionals.empty()) work.openConditionals.pop_back();
            --work.session.header.ifDepth;
            AppendPieceToHeapBlock(work.outputBlock, "ENDIF " + std::string(cursor.LastComment()));
            break;
        case NestedDirective::Commented:
            AppendPieceToHeapBlock(work.outputBlock, CommentedDirective(cursor.Line()));
            break;
        case NestedDirective::Conditional: {
            const uint32_t used = work.outputBlock.used;
            const Level level = LevelOf(line);
            cursor.ResumeAfter(TranslateNestedConditional(
                work.session, line, {cursor.index(), cursor.LineNumber()}, &work.outputBlock));
            FollowConditional(work, level, LastPiece(work.outputBlock, used));
            break;
        }
        case NestedDirective::Other:
            break;
    }
    work.commentScratch().clear();
    cursor.SkipLine();
    return BodyDirectiveResult::Continue;
}

}  // namespace ondavel
