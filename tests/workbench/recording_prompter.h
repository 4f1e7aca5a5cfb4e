// A prompter that keeps every box and answers the Yes/No questions from a list.
#pragma once

#include <QStringList>
#include <deque>

#include "workbench/prompter.h"

namespace ondavel::workbench::testing {

class RecordingPrompter : public Prompter {
  public:
    void Show(QWidget*, const QString& caption, const QString& text, MessageIcon) override {
        shown << caption + "|" + text;
    }
    bool AskYesNo(QWidget*, const QString& caption, const QString& text) override {
        asked << caption + "|" + text;
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QStringList shown;
    QStringList asked;
    std::deque<bool> answers;  // No once they run out
};

}  // namespace ondavel::workbench::testing
