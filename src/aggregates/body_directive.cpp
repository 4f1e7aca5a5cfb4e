#include "aggregates/body_directive.h"

#include <string>

#include "aggregates/aggregate_work.h"
#include "core/output.h"
#include "preprocessor/nested_directive.h"

namespace ondavel {

namespace {

BodyDirectiveResult WriteAlternativeHeader(AggregateWork& work) {
    StatementCounts& counts = work.session.statement.counts;
    counts.lastLine = work.cursor.LineNumber();
    counts.lastLinesLeft = work.cursor.LinesLeft();
    AppendPiece(work.outputBlock,
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
            AppendPiece(work.outputBlock, "\tELSE");
            break;
        case NestedDirective::Endif:
            --work.session.header.ifDepth;
            AppendPiece(work.outputBlock, "ENDIF " + std::string(cursor.LastComment()));
            break;
        case NestedDirective::Commented:
            AppendPiece(work.outputBlock, CommentedDirective(cursor.Line()));
            break;
        case NestedDirective::Conditional:
            cursor.ResumeAfter(TranslateNestedConditional(work.session, line, cursor.LineNumber(),
                                                          cursor.LinesLeft(), cursor.index(),
                                                          &work.outputBlock));
            break;
        case NestedDirective::Other:
            break;
    }
    work.commentScratch().clear();
    cursor.SkipLine();
    return BodyDirectiveResult::Continue;
}

}  // namespace ondavel
