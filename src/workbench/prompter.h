// The workbench's message boxes and Yes/No questions, in one place so that tests can answer
// them without a screen.
#pragma once

#include <QString>

#include "core/host.h"

class QWidget;

namespace ondavel::workbench {

class Prompter {
  public:
    virtual ~Prompter() = default;
    // owner null: a box of its own, not tied to any window.
    virtual void Show(QWidget* owner, const QString& caption, const QString& text,
                      MessageIcon icon);
    // true for Yes.
    virtual bool AskYesNo(QWidget* owner, const QString& caption, const QString& text);
};

}  // namespace ondavel::workbench
