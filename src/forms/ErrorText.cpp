#include "forms/ErrorText.h"

#include "platform/CodePage.h"
#include "platform/Errors.h"

namespace forms {

std::wstring WithFullStop(std::wstring message) {
    if (!message.empty() && message.back() > L'.') message += L'.';
    return message;
}

std::wstring ErrorText(const std::exception& error) {
    if (auto* platformError = dynamic_cast<const platform::Exception*>(&error))
        return WithFullStop(platformError->Message());
    return WithFullStop(platform::FromAnsi(error.what()));
}

}  // namespace forms
