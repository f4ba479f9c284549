#include "core/app/PastaPrograma.h"

#include <filesystem>

namespace {
std::string g_pasta;
bool g_definida = false;
} // namespace

void TPastaPrograma::Definir(const std::string& pasta) {
    g_pasta = pasta;
    g_definida = true;
}

std::string TPastaPrograma::PastaDoExecutavel() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return exe.parent_path().string();
}

const std::string& TPastaPrograma::Pasta() {
    if (!g_definida) Definir(PastaDoExecutavel());
    return g_pasta;
}

std::string TPastaPrograma::Arquivo(const std::string& nome) {
    return (std::filesystem::path(Pasta()) / nome).string();
}
