#pragma once

#include <string>
#include <string_view>

// Folds UTF-8 text for matching what people type against names: lower case,
// Latin letters without their accents ("São Paulo" -> "sao paulo", "Ørsta" ->
// "orsta", "Straße" -> "strasse"), combining accents dropped, typographic
// apostrophes and dashes as ASCII ones, runs of white space as one space,
// none at either end. Other scripts pass unchanged; bytes that are not UTF-8
// and control characters are dropped.

namespace vantorel {

std::string foldForSearch(std::string_view utf8);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isWellFormedUtf8(std::string_view bytes);

}  // namespace vantorel
