// liste.txt: the names that one header declared, by kind, then its structure alias texts.
#pragma once

namespace ondavel {

struct Session;

// Writes the header's name lists to the open liste.txt (session.run.nameListFile), each
// non-empty list under its heading on lines of at most 100 characters that begin with a tab,
// then each alias text as the aggregate's name and its aliases. Returns 1.
int WriteCollectedNames(Session& session);

}  // namespace ondavel
