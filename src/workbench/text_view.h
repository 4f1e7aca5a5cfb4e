// The fixed-pitch text view the output and the side files are shown in: long lines run on
// (headers are read by their columns), both scroll bars always there.
#pragma once

class QPlainTextEdit;

namespace ondavel::workbench {

QPlainTextEdit* MakeTextView();

}  // namespace ondavel::workbench
