#include "proof/library_exports.h"

#include <algorithm>

namespace ondavel {

namespace {

constexpr std::string_view kImportPrefix = "__imp_";

// The last two words of an nm line: its type letter and its symbol.
bool TypeAndSymbol(std::string_view line, char& type, std::string_view& symbol) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    const size_t blank = line.rfind(' ');
    if (blank == std::string_view::npos || blank < 2 || line[blank - 2] != ' ') return false;
    type = line[blank - 1];
    symbol = line.substr(blank + 1);
    return true;
}

// Calls take(type, symbol) for each symbol line of an nm listing.
template <typename Take>
void ForEachSymbol(std::string_view listing, Take take) {
    while (!listing.empty()) {
        const size_t end = listing.find('\n');
        char type = 0;
        std::string_view symbol;
        if (TypeAndSymbol(listing.substr(0, end), type, symbol)) take(type, symbol);
        listing.remove_prefix(end == std::string_view::npos ? listing.size() : end + 1);
    }
}

}  // namespace

std::string_view WithoutImportPrefix(std::string_view symbol) {
    if (symbol.starts_with(kImportPrefix)) symbol.remove_prefix(kImportPrefix.size());
    return symbol;
}

std::vector<ObjectSymbol> ObjectSymbols(std::string_view listing) {
    std::vector<ObjectSymbol> symbols;
    ForEachSymbol(listing, [&](char type, std::string_view symbol) {
        if ((type == 'U' || type == 'T' || type == 't') && !symbol.starts_with('.'))
            symbols.push_back({std::string(symbol), type != 'U'});
    });
    return symbols;
}

std::string UndecoratedName(std::string_view symbol, Target target) {
    symbol = WithoutImportPrefix(symbol);
    if (target == Target::Win64) return std::string(symbol);
    if (symbol.starts_with('_') || symbol.starts_with('@')) symbol.remove_prefix(1);
    const size_t at = symbol.rfind('@');
    if (at != std::string_view::npos && at + 1 < symbol.size() &&
        symbol.find_first_not_of("0123456789", at + 1) == std::string_view::npos) {
        symbol = symbol.substr(0, at);
    }
    return std::string(symbol);
}

std::string CSymbol(std::string_view name, Target target) {
    return (target == Target::Win64 ? "" : "_") + std::string(name);
}

void LibraryExports::AddListing(std::string_view listing) {
    ForEachSymbol(listing, [&](char type, std::string_view symbol) {
        if (type == 'T' || type == 'I') Add(WithoutImportPrefix(symbol));
    });
}

void LibraryExports::Add(std::string_view symbol) {
    std::vector<std::string>& names = byName_[UndecoratedName(symbol, target_)];
    const auto at = std::lower_bound(names.begin(), names.end(), symbol);
    if (at == names.end() || *at != symbol) names.insert(at, std::string(symbol));
}

const std::vector<std::string>& LibraryExports::Decorated(std::string_view name) const {
    static const std::vector<std::string> kNone;
    const auto found = byName_.find(name);
    return found == byName_.end() ? kNone : found->second;
}

}  // namespace ondavel
