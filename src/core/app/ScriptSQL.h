#pragma once

#include <string>
#include <vector>

// Splits a script at each ";" that ends a statement; a ";" inside a quoted literal ('…', "…",
// `…`, with backslash escapes) or a comment does not. Empty statements are dropped.
std::vector<std::string> DividirScriptSQL(const std::string& script);
