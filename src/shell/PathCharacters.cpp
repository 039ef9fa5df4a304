#include "shell/PathCharacters.h"

namespace shell {

namespace {

// Steps over one character: two bytes for a lead byte that has a byte after it.
std::size_t NextCharacter(const std::string& text, std::size_t at, UINT codePage) {
    bool lead = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(text[at])) != FALSE;
    return at + (lead && at + 1 < text.size() ? 2 : 1);
}

}  // namespace

std::size_t LastCharacterStart(const std::string& text, UINT codePage) {
    std::size_t last = text.size();
    for (std::size_t at = 0; at < text.size(); at = NextCharacter(text, at, codePage)) last = at;
    return last;
}

}  // namespace shell
