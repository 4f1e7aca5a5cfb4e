// Find and replace in the output view: one search state shared by the find dialog, the
// replace dialog and find next (F3).
#pragma once

#include <QString>

class QPlainTextEdit;

namespace ondavel::workbench {

class Prompter;

// The find and replace texts hold 99 characters.
inline constexpr int kSearchTextLimit = 99;

struct SearchState {
    QString findText;
    QString replaceText;
    int rangeStart = 0;  // a downward search starts here; an upward one ends its match here
    bool wholeWord = false;
    bool matchCase = false;
    bool upward = false;
};

class ViewSearch {
  public:
    ViewSearch(QPlainTextEdit& view, Prompter& prompter);

    SearchState state;

    // Selects the next match in the direction of state.upward, from state.rangeStart. When
    // there is none, asks whether to start again from the other end. True when a match is
    // selected, false when the user declined.
    bool FindNextMatch();
    // Find next (F3): downward from just after the selection's start, any case, any word.
    void FindNext();
    // The find and replace commands take a selection of 1 to 99 characters as the text to find;
    // a longer one empties it.
    void TakeSelection();
    int SelectionStart() const;
    // Replaces the selection (found first when empty) and selects the next match; with all,
    // goes on until no match is left or the user declines to start again.
    void Replace(bool all);

  private:
    int Search(const QString& text) const;
    bool StandsAsWord(const QString& text, int at) const;

    QPlainTextEdit& view_;
    Prompter& prompter_;
};

}  // namespace ondavel::workbench
