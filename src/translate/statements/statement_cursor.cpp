#include "statements/statement_cursor.h"

#include <algorithm>

#include "core/line_index.h"
#include "core/text.h"
#include "session/session.h"

namespace ondavel {

StatementCursor::StatementCursor(Session& session, StatementSpan statement)
    : session_(session), index_(statement.source) {
    reader_.lineNumber = statement.firstLine - 1;
}

StatementCursor::StatementCursor(const StatementCursor& other)
    : session_(other.session_),
      index_(other.index_),
      reader_(other.reader_),
      line_(other.line_),
      expanded_(other.expanded_),
      column_(other.column_),
      inCppOnlyBranch_(other.inCppOnlyBranch_),
      nestedInBranch_(other.nestedInBranch_) {
    if (other.line_.data() == other.reader_.workLine.data()) line_ = reader_.workLine;
}

bool StatementCursor::Start() {
    if (!NextLine()) return false;
    reader_.hasComment = false;
    reader_.commentScratch.clear();
    return true;
}

bool OpensCppOnlyBranch(std::string_view line) {
    const std::string_view directive = DirectiveText(line);
    const auto names = [&](std::string_view name) {
        return directive.find(name) != std::string_view::npos;
    };
    if (!(names("__cplusplus") || names("__WIDL__") || names("__midl"))) return false;
    if (directive.starts_with("ifdef")) return true;
    // A negation or an alternative lets a C compiler into the branch too.
    return directive.starts_with("if") && !directive.starts_with("ifndef") &&
           directive.find_first_of("!|") == std::string_view::npos;
}

bool StatementCursor::NextLine() {
    column_ = 0;
    if (!expanded_.empty()) {
        reader_.workLine = std::move(expanded_.back());
        expanded_.pop_back();
        line_ = reader_.workLine;
        return true;
    }
    do {
        const std::optional<std::string_view> code = NextStatementCode(session_, index_, reader_);
        if (!code) {
            line_ = {};
            return false;
        }
        line_ = *code;
    } while (InCppOnlyBranch());
    if (OpensCppOnlyBranch(Line())) inCppOnlyBranch_ = true;
    return true;
}

bool StatementCursor::NextLineWith(char mark) {
    if (expanded_.empty()) {
        const char wanted[] = {'#', '/', mark};
        const uint32_t lastLine = session_.statement.counts.lastLine;
        std::string_view raw;
        while ((lastLine == 0 || reader_.lineNumber < lastLine) &&
               index_.Line(reader_.lineNumber + 1, raw) &&
               FindAnyOf(raw, 0, {wanted, 3}) == raw.size()) {
            ++reader_.lineNumber;
        }
    }
    return NextLine();
}

bool StatementCursor::InCppOnlyBranch() {
    if (!inCppOnlyBranch_) return false;
    const std::string_view directive = DirectiveText(Line());
    if (directive.starts_with("endif")) {
        if (nestedInBranch_ == 0) {
            inCppOnlyBranch_ = false;
            return false;
        }
        --nestedInBranch_;
    } else if (directive.starts_with("if")) {
        ++nestedInBranch_;
    } else if (directive.starts_with("el") && nestedInBranch_ == 0) {
        inCppOnlyBranch_ = false;
        return false;
    }
    return true;
}

bool StatementCursor::SkipAcrossLines(std::string_view set) {
    for (;;) {
        while (!AtEnd() && IsOneOf(Line()[column_], set)) ++column_;
        if (!AtEnd()) return true;
        if (!NextLine()) return false;
    }
}

bool StatementCursor::SkipPast(char c) {
    for (;;) {
        while (!AtEnd() && Line()[column_] != c) ++column_;
        if (!AtEnd()) {
            ++column_;
            return true;
        }
        if (!NextLine()) return false;
    }
}

std::string_view StatementCursor::TakeWord(const CharacterSet& delimiters) {
    const std::string_view word = RunBefore(delimiters);
    Advance(word.size());
    return word;
}

std::string_view StatementCursor::RunBefore(std::string_view stops) const {
    const char ends[] = {stops.front(), stops.back(), '\\'};
    const std::string_view rest = Rest();
    return rest.substr(0, FindAnyOf(rest, 0, {ends, 3}));
}

std::string_view StatementCursor::RunBefore(const CharacterSet& stops) const {
    const std::string_view rest = Rest();
    size_t end = 0;
    while (end < rest.size() && rest[end] != '\\' && !InSet(stops, rest[end])) ++end;
    return rest.substr(0, end);
}

void StatementCursor::Expand(size_t resume, const std::vector<std::string>& lines) {
    std::string rest(Line().substr(std::min(resume, Line().size())));
    expanded_.push_back(std::move(rest));
    expanded_.insert(expanded_.end(), lines.rbegin(), lines.rend());
    NextLine();
}

std::string& StatementCursor::OwnLine() {
    if (line_.data() != reader_.workLine.data()) {
        reader_.workLine.assign(line_);
        line_ = reader_.workLine;
    }
    return reader_.workLine;
}

void StatementCursor::ResumeAfter(uint32_t lineNumber) {
    reader_.lineNumber = std::max(reader_.lineNumber, lineNumber);
}

std::string_view StatementCursor::LastComment() const {
    return reader_.hasComment ? std::string_view(reader_.commentScratch) : std::string_view{};
}

}  // namespace ondavel
