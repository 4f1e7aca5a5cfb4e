#include "workbench/view_search.h"

#include <algorithm>

#include <QPlainTextEdit>
#include <QTextCursor>

#include "workbench/prompter.h"

namespace ondavel::workbench {

namespace {

// C names: an underscore is part of a word, so "WM" does not stop inside "WM_PAINT".
bool IsWordCharacter(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

void Select(QPlainTextEdit& view, int start, int end) {
    QTextCursor cursor = view.textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    view.setTextCursor(cursor);
}

}  // namespace

ViewSearch::ViewSearch(QPlainTextEdit& view, Prompter& prompter)
    : view_(view), prompter_(prompter) {}

bool ViewSearch::StandsAsWord(const QString& text, int at) const {
    const int end = at + static_cast<int>(state.findText.size());
    return (at == 0 || !IsWordCharacter(text[at - 1])) &&
           (end >= text.size() || !IsWordCharacter(text[end]));
}

// Position of the match to select, -1 when there is none. A downward search passes over the
// match that is already selected, so that searching again moves on.
int ViewSearch::Search(const QString& text) const {
    const QString& find = state.findText;
    if (find.isEmpty()) return -1;
    const auto cs = state.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QTextCursor selection = view_.textCursor();
    if (state.upward) {
        int from = std::min(state.rangeStart, static_cast<int>(text.size())) -
                   static_cast<int>(find.size());
        while (from >= 0) {
            const int at = static_cast<int>(text.lastIndexOf(find, from, cs));
            if (at < 0 || !state.wholeWord || StandsAsWord(text, at)) return at;
            from = at - 1;
        }
        return -1;
    }
    for (int from = state.rangeStart;;) {
        const int at = static_cast<int>(text.indexOf(find, from, cs));
        if (at < 0) return -1;
        const bool selected =
            at == selection.selectionStart() && at + find.size() == selection.selectionEnd();
        if (!selected && (!state.wholeWord || StandsAsWord(text, at))) return at;
        from = at + 1;
    }
}

bool ViewSearch::FindNextMatch() {
    for (;;) {
        view_.setFocus();
        const QString text = view_.toPlainText();
        const int at = Search(text);
        if (at >= 0) {
            Select(view_, at, at + static_cast<int>(state.findText.size()));
            return true;
        }
        view_.ensureCursorVisible();
        const QString question =
            state.upward ? "Plus d occurences.\r\nRecommencer la recherche depuis le Bas?"
                         : "Plus d occurences.\r\nRecommencer la recherche depuis le Haut?";
        if (!prompter_.AskYesNo(nullptr, "Trouve et remplace", question)) return false;
        if (state.upward) {
            state.rangeStart = static_cast<int>(text.size());
        } else {
            Select(view_, 0, 0);
            state.rangeStart = 0;
        }
    }
}

void ViewSearch::FindNext() {
    state.wholeWord = false;
    state.matchCase = false;
    state.upward = false;
    state.rangeStart = SelectionStart() + 1;
    FindNextMatch();
}

// The selection gives its line ends as paragraph separators; the text searched has '\n'.
void ViewSearch::TakeSelection() {
    QString selected = view_.textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    if (selected.isEmpty()) return;
    state.findText = selected.size() <= kSearchTextLimit ? selected : QString();
}

int ViewSearch::SelectionStart() const {
    return view_.textCursor().selectionStart();
}

void ViewSearch::Replace(bool all) {
    if (!view_.textCursor().hasSelection() && !FindNextMatch()) return;
    do {
        QTextCursor cursor = view_.textCursor();
        const int start = cursor.selectionStart();
        cursor.insertText(state.replaceText);
        const int end = start + static_cast<int>(state.replaceText.size());
        Select(view_, start, end);
        state.rangeStart = state.upward ? start : end;
    } while (FindNextMatch() && all);
}

}  // namespace ondavel::workbench
