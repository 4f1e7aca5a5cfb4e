// A session with a recording host and a journal, and knowledge files written to a temporary
// directory with CR LF line ends.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/session.h"
#include "knowledge/knowledge.h"
#include "support/recording_host.h"

namespace ondavel::testing {

inline std::string CrLfLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) text.append(line).append("\r\n");
    return text;
}

// Writes bytes to a file named after the running test in a directory of this process.
inline std::string WriteTestFile(std::string_view bytes, std::string_view suffix = "") {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() / ("ondavel_knowledge_" + std::to_string(getpid()));
    std::filesystem::create_directories(directory);
    std::string name = std::string(test->test_suite_name()) + "_" + test->name();
    for (char& c : name) {
        if (c == '/') c = '_';
    }
    const std::filesystem::path path = directory / (name + std::string(suffix) + ".txt");
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    return path.string();
}

// A file with an entry for every rule of the lookups; the tests name its lines by their text.
inline std::string RichKnowledgeFile() {
    const std::string longLine = "LONGKEY = " + std::string(1040, 'x');
    const std::string line1039 = "K1039 = " + std::string(1031, 'x');
    return CrLfLines({
        "; keyword codes",
        "#define = define = 5",
        "#if=if=  1x",
        "#pragma = pragma",
        "#endif = endif = 2",
        "typedef = t = 15",
        "DUP = first = 7",
        "dup = second = 8",
        "   ; HWND = comment = 9",
        "NOCODE = text =",
        "TABCODE\t=\ttext\t=\t\t42",
        "",
        "TRADUIRE = x = 9",
        "sizeof = strsize",
        "empty =",
        "TYPEDEFINI",
        "HWND = DWORD",
        "HWND = QWORD",
        "WORD = DWORD ; 32 bits",
        "LPSTR = PTR BYTE",
        "PFN = DWORD(x)",
        "NOTEQ DWORD",
        "KEYSEMI;note = SDWORD",
        "COMMONRECORD = early",
        "CRKEY = a\rb",
        "\tINDENT\t=\tSWORD\t",
        "Mixed = Byte",
        longLine,
        "LONGKEY = short",
        line1039,
        "COMMONSTRUCTURE",
        "POINT = tagPOINT",
        "NOVALUE =",
        "NOEQUAL",
        "TABVAL =\t  RECT,x",
        "COMMONRECORD",
        "RecFlags = RECFLAGS",
        "INCOMPATIBLE = boundary",
        "type = _type",
        "Dup = a",
        "DUP = b",
        "\xE9t\xE9 = lower",
        "\xC9T\xC9 = upper",
        "INCOMPATIBLE_EQUATE",
        "NULL = _NULL",
        "INTERFACE_API_CONFLIT_NOM",
        "GetObject = GetObject_",
        "FINDELISTE",
        "AFTER = END",
    });
}

class KnowledgeFixture : public ::testing::Test {
  protected:
    KnowledgeFixture() { session.run.journalFile = std::tmpfile(); }

    void Load(std::string_view bytes, std::string_view suffix = "") {
        ASSERT_EQ(LoadKnowledgeFile(session, WriteTestFile(bytes, suffix)), 1);
    }

    // Everything written to the journal so far.
    std::string Journal() {
        std::FILE* journal = session.run.journalFile;
        std::fflush(journal);
        std::rewind(journal);
        std::string text;
        for (int c = std::fgetc(journal); c != EOF; c = std::fgetc(journal)) {
            text.push_back(static_cast<char>(c));
        }
        std::fseek(journal, 0, SEEK_END);
        return text;
    }

    RecordingHost host;
    Session session{host};
};

}  // namespace ondavel::testing
