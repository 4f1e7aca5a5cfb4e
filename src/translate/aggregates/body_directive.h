// Directive lines inside structure, union and enumeration bodies.
#pragma once

namespace ondavel {

struct AggregateWork;

enum class BodyDirectiveResult { Continue, AlternativeHeader };

// Translates the directive line under the cursor into a piece of the aggregate's output; the
// walk goes on at the start of the next line. An "#else" right after the line of the
// aggregate's tag separates two alternative headers: the first one is written with ELSE and
// AlternativeHeader tells the translation to end there, so that the second header is read as
// a statement of its own.
BodyDirectiveResult TranslateBodyDirective(AggregateWork& work);

}  // namespace ondavel
