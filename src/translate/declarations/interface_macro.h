// The invocation macro written after every translated COM interface.
#pragma once

#include <string_view>

namespace ondavel {

struct Session;

// Writes the 25 lines of the macro that calls a method of interfaceName through the
// interface pointer "ppv" + interfaceName: "IFoo Method, args" becomes
// "invoke (STIFoo PTR [edx]).Method, ppvIFoo, args", with r11 in place of edx on 64-bit
// Windows.
void WriteInterfaceMacro(Session& session, std::string_view interfaceName);

}  // namespace ondavel
