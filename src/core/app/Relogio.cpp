#include "core/app/Relogio.h"

#include <ctime>
#include <optional>

namespace {
std::optional<TMomento> g_fixo;
}

TMomento TRelogio::Agora() {
    if (g_fixo) return *g_fixo;
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    TMomento m;
    m.data = TData{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
    m.hora = tm.tm_hour;
    m.minuto = tm.tm_min;
    m.segundo = tm.tm_sec;
    return m;
}

void TRelogio::Fixar(const TMomento& m) { g_fixo = m; }
void TRelogio::Liberar() { g_fixo.reset(); }
