// The names that differ between the ANSI and the wide build ("CreateFile" stands for
// "CreateFileA" or "CreateFileW"), chosen in the headers by the __MINGW_NAME_AW macros.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ondavel {

// When value is one of the name-choosing calls (__MINGW_NAME_AW(f), __MINGW_NAME_AW_EXT(f, e),
// __MINGW_NAME_UAW(f), __MINGW_NAME_UAW_EXT(f, e)), the equates of name for both builds:
//
//	IFDEF UNICODE
//	name<tab>equ<tab>< fW>
//	ELSE
//	name<tab>equ<tab>< fA>
//	ENDIF
//
// (without the final line end), and the two names. An equate of the call itself would name
// itself.
struct NamePair {
    std::string equates;
    std::string wide, narrow;
};
std::optional<NamePair> NamePairEquates(std::string_view name, std::string_view value);

// "__MINGW_TYPEDEF_AW(NETRESOURCE)" and "__MINGW_TYPEDEF_UAW(X)" declare the type name for
// either build, as "typedef NETRESOURCEA NETRESOURCE;" does in the ANSI one: the same
// equates as the name-choosing calls give. Nothing for any other text.
struct TypedefPair {
    std::string name;
    NamePair equates;
};
std::optional<TypedefPair> TypedefPairEquates(std::string_view code);

}  // namespace ondavel
