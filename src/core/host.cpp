#include "core/host.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace ondavel {

void ShowLastError(Host& host, std::string_view caption, std::string_view subject) {
    std::string text;
    if (!subject.empty()) {
        text.append(subject);
        text.append(": ");
    }
    text.append(std::strerror(errno));
    host.ShowMessage(caption, text, MessageIcon::Stop);
}

}  // namespace ondavel
