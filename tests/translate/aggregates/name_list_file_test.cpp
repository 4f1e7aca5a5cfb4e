// liste.txt as one header's name lists and alias texts make it.
#include "aggregates/name_list_file.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "core/heap_block.h"
#include "core/staged_file.h"
#include "session/session.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace ondavel::testing {
namespace {

class NameListFileTest : public ::testing::Test {
  protected:
    void Add(HeapBlock& list, std::initializer_list<std::string> names) {
        for (const std::string& name : names) AppendPieceToHeapBlock(list, name);
    }
    void Alias(const std::string& text) { AddSavedString(host, session.header.savedStrings, text); }
    std::string Written() {
        const std::string path = dir / "liste.txt";
        session.run.nameListFile = CreateStagedFile(host, path);
        WriteCollectedNames(session);
        CommitRunFile(session, session.run.nameListFile);
        return ReadBytes(path);
    }

    RecordingHost host;
    Session session{host};
    TempDir dir;
};

TEST_F(NameListFileTest, ListsUnderTheirHeadingsThenAliasTexts) {
    NameLists& names = session.header.names;
    Add(names.dwordTypes, {"PPOINT", "COLOR", "PCOLOR"});
    Add(names.structAliases, {"POINT", "A", "A2"});
    Add(names.macroNames, {"M", "M"});
    Add(names.byteTypes, {"B"});
    Alias("A,A2");
    Alias("12");  // not an alias text: no ','
    EXPECT_EQ(Written(),
              "BYTE\r\n\tB\r\nDWORD\r\n\tPPOINT,COLOR,PCOLOR\r\nSTRUCTURE\r\n\tPOINT,A,A2\r\n"
              "MACRO\r\n\tM,M\r\nA\r\n\tA2\r\n12\r\n");
}

TEST_F(NameListFileTest, LinesWrapAtOneHundredCharacters) {
    const std::string n97(97, 'x');
    const std::string n98(98, 'y');
    Add(session.header.names.functionNames, {n98, "F", n97});
    Alias("S," + std::string(48, 'a') + "," + std::string(47, 'b') + "," + n98 + ",c");
    // A name too long for any line stands alone; it is never put after an empty line.
    EXPECT_EQ(Written(), "Fonctions\r\n\t" + n98 + ",\r\n\tF,\r\n\t" + n97 + "\r\nS\r\n\t" +
                             std::string(48, 'a') + "," + std::string(47, 'b') + "\r\n\t" + n98 +
                             "\r\n\tc\r\n");
}

}  // namespace
}  // namespace ondavel::testing
