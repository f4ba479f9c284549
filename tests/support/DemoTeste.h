#pragma once

#include <string>

namespace banco_teste {

// Runs the demo generator, which lands in the same folder as the test programs; its standard output.
std::string GerarDemo(const std::string& argumentos = "");

} // namespace banco_teste
