#pragma once
// UTF-16 as the library returns it, to UTF-8 for terminals and files.

#include <string>

std::string Utf8(const char16_t* text);
