// The lines go to two groups, written one after the other: the file's opening with every
// plain declaration, then every attributed declaration after the first attribute block (the
// library's own, which stays in front) and the file's last closing brace with what follows.
// Lines are copied as they stand, comments and line ends included.
#include "learning/oleview_reorder.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/comment_split.h"
#include "core/heap_block.h"
#include "core/line_index.h"
#include "core/text.h"
#include "session/output.h"
#include "session/session.h"
#include "statements/statement_scan.h"
#include "statements/translate_file.h"

namespace ondavel {

namespace {

// Where the next line goes.
enum class Group {
    Front,          // plain declarations
    Back,           // inside an attribute block, or after the last closing brace
    NextStatement,  // an attribute block has just ended: the statement it qualifies
};

// The last line that holds a '}', 0 when none does.
uint32_t LastClosingBraceLine(LineIndex& index) {
    for (uint32_t n = index.lines(); n > 0; --n) {
        std::string_view line;
        if (index.Line(n, line) && line.find('}') != std::string_view::npos) return n;
    }
    return 0;
}

class OleviewReordering {
  public:
    OleviewReordering(Session& session, LineIndex& index)
        : session_(session), index_(index), lastBraceLine_(LastClosingBraceLine(index)) {
        front_.reporter = &session.host;
        back_.reporter = &session.host;
    }

    // False when a line cannot be read: nothing is written then.
    bool Run() {
        for (uint32_t n = 1; n <= index_.lines(); ++n) {
            std::string_view line;
            if (!index_.Line(n, line)) return false;
            n = Place(n, line);
        }
        return true;
    }

    void Write() const {
        std::FILE* file = session_.run.outputFile;
        if (file == nullptr) return;
        std::fwrite(front_.view().data(), 1, front_.view().size(), file);
        std::fwrite(back_.view().data(), 1, back_.view().size(), file);
    }

  private:
    // Places line n; returns the last line it placed.
    uint32_t Place(uint32_t n, std::string_view line) {
        if (line.empty()) {
            Copy(n, n);
            return n;
        }
        code_ = line;
        const LineParts parts = SplitComment(code_, comment_, session_.header.inBlockComment);
        if (!parts.hasCode) {
            // A comment line is kept; a line of nothing but blanks is dropped.
            if (parts.hasComment()) Copy(n, n);
            return n;
        }
        if (group_ == Group::NextStatement) return CopyStatement(n);
        const std::string_view trimmed = Trimmed(code_);
        if (trimmed.starts_with('[')) {
            ++attributeBlocks_;
            group_ = attributeBlocks_ == 1 ? Group::Front : Group::Back;
        } else if (group_ == Group::Back && trimmed.ends_with(']')) {
            group_ = attributeBlocks_ > 1 ? Group::NextStatement : Group::Front;
        } else if (n == lastBraceLine_) {
            group_ = Group::Back;
        }
        Copy(n, n);
        return n;
    }

    // The statement that an attribute block qualifies goes behind as one span.
    uint32_t CopyStatement(uint32_t n) {
        session_.statement.statementKind = StatementKind::Other;
        ScanStatement(session_, n, index_);
        session_.header.inBlockComment = session_.statement.commentOpenAfter;
        const uint32_t last = std::max(session_.statement.counts.lastLine, n);
        group_ = Group::Back;
        Copy(n, last);
        group_ = Group::Front;
        return last;
    }

    // Lines first to last with their line ends, to the group of the moment.
    void Copy(uint32_t first, uint32_t last) {
        AppendToHeapBlock(group_ == Group::Front ? front_ : back_, index_.Lines(first, last));
    }

    Session& session_;
    LineIndex& index_;
    const uint32_t lastBraceLine_;
    Group group_ = Group::Front;
    uint32_t attributeBlocks_ = 0;  // lines met that begin with '['
    HeapBlock front_;
    HeapBlock back_;
    std::string code_;
    std::string comment_;
};

}  // namespace

bool ReorderOleview(Session& session, LineIndex& index) {
    OpenJournal(session);
    session.header.inBlockComment = false;
    if (index.lines() == 0) return false;
    if (!CheckLineLengths(session, index)) return true;
    OleviewReordering reordering(session, index);
    if (reordering.Run()) reordering.Write();
    return true;
}

}  // namespace ondavel
