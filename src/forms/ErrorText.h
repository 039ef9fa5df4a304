#pragma once
// What the application's error box says about an error that reached the message loop.
#include <exception>
#include <string>

namespace forms {

// The error's own text: a platform error's UTF-16 message, or what() of any other error read in
// the system's ANSI code page; with a full stop added as WithFullStop says.
std::wstring ErrorText(const std::exception& error);

// message + "." when its last character sorts after "." (a letter or a digit does; a quote, a
// closing parenthesis or a full stop does not); an empty message stays empty.
std::wstring WithFullStop(std::wstring message);

}  // namespace forms
