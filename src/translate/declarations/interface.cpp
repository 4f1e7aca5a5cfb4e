// COM interfaces in the two forms that are no virtual tables:
//
//   DECLARE_INTERFACE_(IFoo, IUnknown) { STDMETHOD(QueryInterface)(THIS_ REFIID riid,
//       void** ppvObj) PURE; STDMETHOD_(ULONG,AddRef)(THIS) PURE; ... };
//   interface IFoo : IUnknown { [id(1)] HRESULT _stdcall Method([in] long x); ... };
//
// the second as Oleview writes it. Both become the structure of method pointers and the
// invocation macro.
#include <algorithm>
#include <string>

#include "core/text.h"
#include "declarations/com_methods.h"
#include "declarations/declarations.h"
#include "session/session.h"
#include "session/translation_texts.h"
#include "statements/statement_cursor.h"

namespace ondavel {

namespace {

// The interface's name and, after separator, its parent's.
bool ReadNames(StatementCursor& cursor, char separator, std::string& name, std::string& parent) {
    if (!cursor.SkipBlanks()) return false;
    name = cursor.TakeWord(kComNameDelimiters);
    if (!cursor.SkipBlanks()) return false;
    if (cursor.Current() != separator) return true;
    if (!cursor.AdvanceAndSkip()) return false;
    parent = cursor.TakeWord(kComNameDelimiters);
    return true;
}

// "THIS_" or "THIS" at the start of a parameter list stands for the interface pointer; it is
// blanked out of the list.
void TakeThis(StatementCursor& cursor, ComInterface& com) {
    const std::optional<int> at =
        FindWord(1, cursor.Rest(), "THIS", Case::Ignore, " _\t(", " _\t)");
    if (at != 1 && at != 2) return;
    std::string& line = cursor.OwnLine();
    const size_t end = std::min(line.find_first_of(" \t)", cursor.Column()), line.size());
    std::fill(line.begin() + static_cast<std::ptrdiff_t>(cursor.Column()),
              line.begin() + static_cast<std::ptrdiff_t>(end), ' ');
    com.TakeInterfacePointer(" ");
}

// The words before an Oleview method's parameter list: the last one is its name.
bool ReadOleMethodName(StatementCursor& cursor, std::string& name) {
    for (;;) {
        name = cursor.TakeWord(kComNameDelimiters);
        if (!cursor.SkipBlanks()) return false;
        if (cursor.Current() == '(') return true;
        if (name.empty()) cursor.Advance();
    }
}

// The methods of a DECLARE_INTERFACE_ body, up to its closing brace.
ComStep TranslateMacroMethods(ComInterface& com, StatementCursor& cursor) {
    for (;;) {
        if (!com.SkipTo("(}")) return ComStep::Abandon;
        if (cursor.Current() == '}') return ComStep::End;
        cursor.Advance();
        if (!com.StartMethod()) return ComStep::Abandon;
        TakeThis(cursor, com);
        const ComStep step = com.ReadParameterList(ParameterForm::Plain);
        if (step != ComStep::Next) return step;
        com.EndMethod();
    }
}

// The methods of an Oleview interface, each after its attribute block.
ComStep TranslateOleMethods(ComInterface& com, StatementCursor& cursor) {
    for (;;) {
        if (!cursor.SkipBlanks()) return ComStep::Abandon;
        if (cursor.Current() == '}') return ComStep::End;
        ComStep step = com.SkipAttributeBlock();
        if (step != ComStep::Next) return step;
        std::string name;
        if (!ReadOleMethodName(cursor, name) || !com.StartMethod(name)) return ComStep::Abandon;
        com.TakeInterfacePointer("  ");
        step = com.ReadParameterList(ParameterForm::Attributed);
        if (step != ComStep::Next) return step;
        com.EndMethod();
        if (cursor.Current() == ';') cursor.Advance();
    }
}

}  // namespace

void TranslateInterface(Session& session, StatementSpan statement) {
    // "DECLARE_INTERFACE_(IFoo, IUnknown);" declares nothing.
    if (session.statement.counts.semicolons < 2) return;
    StatementCursor cursor(session, statement);
    std::string name;
    std::string parent;
    // The names are the first arguments of the macro, whichever form it has:
    // DECLARE_INTERFACE(IFoo), DECLARE_INTERFACE_IID_(IFoo, IUnknown, "...").
    if (!cursor.Start() || !cursor.SkipPast('(') || !ReadNames(cursor, ',', name, parent)) return;
    ComInterface com(session, cursor, name, texts::kInterfaceRoutine);
    com.Open(parent);
    // The body begins at the first '{', or at a byte 0xB5 before it.
    if (!com.SkipTo("{\xB5")) return;
    cursor.Advance();
    if (TranslateMacroMethods(com, cursor) == ComStep::End) com.Close();
}

void TranslateOleInterface(Session& session, StatementSpan statement) {
    StatementCursor cursor(session, statement);
    std::string name;
    std::string parent;
    if (!cursor.Start()) return;
    cursor.TakeWord(kBlankSet);  // the keyword
    if (!ReadNames(cursor, ':', name, parent)) return;
    ComInterface com(session, cursor, name, texts::kOleInterfaceRoutine);
    com.Open(parent);
    if (!com.SkipTo("{}")) return;
    cursor.Advance();
    if (TranslateOleMethods(com, cursor) == ComStep::End) com.Close();
}

}  // namespace ondavel
