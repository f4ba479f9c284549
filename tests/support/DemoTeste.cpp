#include "support/DemoTeste.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace banco_teste {

std::string GerarDemo(const std::string& argumentos) {
    const std::string programa =
        (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "rst-gerar-demo").string();
    const std::string comando = "'" + programa + "' " + argumentos + " 2>/dev/null";
    FILE* f = popen(comando.c_str(), "r");
    if (!f) throw std::runtime_error("cannot run " + programa);
    std::string saida;
    char buf[1 << 16];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) saida.append(buf, n);
    int rc = pclose(f);
    if (rc != 0) throw std::runtime_error(comando + " ended with status " + std::to_string(rc));
    return saida;
}

} // namespace banco_teste
