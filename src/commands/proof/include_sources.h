// Which header each include of a kit's output folder was translated from.
#pragma once

#include <map>
#include <string>

namespace ondavel {

class Host;

// The headers of the header list at listPath by the name the batch gives their output
// ("winbase.sdk", "sys/types.sdk"); of two headers that would take one name, the first. Empty
// when the list cannot be read (shown on host).
std::map<std::string, std::string> HeadersByInclude(Host& host, const std::string& listPath);

}  // namespace ondavel
