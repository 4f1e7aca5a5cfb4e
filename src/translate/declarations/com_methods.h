// The structure of method pointers that every form of COM interface becomes, and the reading
// of methods and parameters that the forms share. For IFoo, derived from IUnknown:
//
//   ";IFoo d\xE9rive de : IUnknown"                 (when a parent is named)
//   "\tSTIFoo\tSTRUCT"
//   "\t\tQueryInterface" 15 blanks "\tcomethod3 ?"   (every argument pointer-sized at most)
//   "\t\tSetScale\t\tFIFoo_SetScale  ?"              (any other argument)
//   "\tSTIFoo\tENDS"
//
// and then the invocation macro. A method of the second kind has its prototype type and a
// pointer type to it written at once, so that both come before the structure that names them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/heap_block.h"
#include "core/text.h"
#include "declarations/type_mapping.h"

namespace ondavel {

struct Session;
class StatementCursor;

// Where the names of an interface, of its parent and of a method end.
inline constexpr CharacterSet kComNameDelimiters = MakeCharacterSet(" \t)>},({<");

// What follows a step of an interface's translation: more of it, its closing brace, or the
// end of the statement or a parameter that abandons it.
enum class ComStep { Next, End, Abandon };

// A method's parameters are plain C, or each may begin with an IDL attribute block "[in]".
enum class ParameterForm { Plain, Attributed };

class ComInterface {
  public:
    // name is the interface's name; routine names the translation in the journal. Whatever
    // is collected and not written by Close() is dropped when the object goes.
    ComInterface(Session& session, StatementCursor& cursor, std::string_view name,
                 std::string_view routine);
    ComInterface(const ComInterface&) = delete;
    ComInterface& operator=(const ComInterface&) = delete;

    // Registers the interface's name and starts its structure, after the parent's comment
    // when a parent is named.
    void Open(std::string_view parent);
    // Ends the structure, writes it and then the invocation macro.
    void Close();

    // Steps to the next character of stops (one or two), going on across lines and passing
    // preprocessor lines, whose brackets are no methods. False when the statement ends first.
    bool SkipTo(std::string_view stops);
    // Blanks and whole preprocessor lines, across lines.
    bool SkipBlanksAndDirectives();

    // With the cursor after the '(' of a name part, "( STDMETHODCALLTYPE *QueryInterface )"
    // or "STDMETHOD_(ULONG,AddRef)": reads the method's name and starts the method.
    bool StartMethod();
    // Starts the method name, the cursor standing before the '(' of its parameter list, and
    // passes that '('.
    bool StartMethod(std::string_view name);
    // The interface pointer: the first argument of every method, whatever its text; a pointer
    // type followed by blanks in the PROTO line.
    void TakeInterfacePointer(std::string_view blanks);
    // The first parameter, taken as the interface pointer, then the others.
    ComStep ReadPointerThenParameters();
    // The parameters after the interface pointer; a list that ends at once holds none.
    ComStep ReadParameterList(ParameterForm form);
    // Adds the method's member line (and writes its types when it takes the wide form).
    void EndMethod();

    // Passes an IDL attribute block "[...]" under the cursor, and the blanks after it. End
    // when a closing brace is met inside it.
    ComStep SkipAttributeBlock();

  private:
    ComStep ReadParameters(ParameterForm form);
    ComStep AddParameter();
    // The parameter's text up to its ',' or ';'. False when the statement ends first or the
    // text is too long (journalled).
    bool CollectParameter();
    void ReportTooLong();

    Session& session_;
    StatementCursor& cursor_;
    std::string interfaceBase_;
    std::string_view routine_;
    std::string nameWord_;  // the method's name as the header spells it
    std::string methodName_;
    std::string memberLine_;
    std::string parameter_;
    uint32_t parameterCount_ = 0;  // the method's arguments, all comethod arguments so far
    ProtoLine proto_;
    HeapBlock block_;    // the structure of method pointers, written once complete
    bool wide_ = false;  // an argument no comethod takes (wider, floating-point, unknown)
};

}  // namespace ondavel
