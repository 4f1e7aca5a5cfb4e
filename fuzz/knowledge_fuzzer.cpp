// Takes each input as the knowledge file, then translates a small fixed header through it:
// every kind of statement, so that every table of the knowledge file is looked up.
#include <cstdint>

#include "fuzz_session.h"
#include "knowledge/knowledge.h"

namespace {

constexpr std::string_view kHeader =
    "#pragma once\r\n"
    "#define WM_USER 0x0400\r\n"
    "#define MAKEWORD(a, b) ((WORD)(((BYTE)(a)) | ((WORD)((BYTE)(b))) << 8))\r\n"
    "#ifdef UNICODE\r\n"
    "typedef WCHAR TCHAR;\r\n"
    "#else\r\n"
    "typedef char TCHAR;\r\n"
    "#endif\r\n"
    "#if (WINVER >= 0x0500) && defined(_WIN32)\r\n"
    "typedef struct tagPOINT { LONG x; LONG y; } POINT, *PPOINT;\r\n"
    "#endif\r\n"
    "typedef union _LARGE { struct { DWORD Low; LONG High; }; LONGLONG QuadPart; } LARGE;\r\n"
    "typedef struct _BITS { UINT a : 1; UINT b : 3; RECT rc[4]; } BITS;\r\n"
    "typedef enum _MODE { MODE_A = 1, MODE_B = MODE_A << 2, MODE_C } MODE;\r\n"
    "typedef LRESULT (CALLBACK *WNDPROC)(HWND, UINT, WPARAM, LPARAM);\r\n"
    "WINUSERAPI int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);\r\n"
    "DEFINE_GUID(IID_IThing, 0x12345678, 0x1234, 0x1234, 0x12, 0x34, 0x56, 0x78, 0x9a, 0xbc, "
    "0xde, 0xf0);\r\n"
    "#undef INTERFACE\r\n"
    "#define INTERFACE IThing\r\n"
    "DECLARE_INTERFACE_(IThing, IUnknown)\r\n"
    "{\r\n"
    "    STDMETHOD(QueryInterface)(THIS_ REFIID riid, void **ppv) PURE;\r\n"
    "    STDMETHOD_(ULONG, AddRef)(THIS) PURE;\r\n"
    "    STDMETHOD(Do)(THIS_ int n) PURE;\r\n"
    "};\r\n"
    "#include <winbase.h>\r\n"
    "#error stop\r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ondavel::fuzzing::FuzzSession& fuzzing = *new ondavel::fuzzing::FuzzSession;
    ondavel::Session& session = fuzzing.session;
    ondavel::ReleaseKnowledgeFile(session.run.knowledge);
    ondavel::LineIndex& knowledge = session.run.knowledge.index;
    // A knowledge file is loaded as any text file; one that holds no line is refused.
    if (knowledge.BuildExpanding({reinterpret_cast<const char*>(data), size})) {
        fuzzing.TranslateHeader(kHeader);
    }
    return 0;
}
