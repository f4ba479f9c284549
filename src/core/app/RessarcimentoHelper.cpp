#include "core/app/RessarcimentoHelper.h"

#include "core/app/Texto.h"
#include "core/app/Util.h"

bool TRessarcimentoHelper::SomenteNumeros(const std::string& t) {
    for (char c : t)
        if (c < '0' || c > '9') return false;
    return true;
}

std::string TRessarcimentoHelper::FormatarValor(int decimais, TDinheiro v) { return v.Formatar(decimais, ','); }

std::string TRessarcimentoHelper::FormatarValorSQL(int decimais, TDinheiro v) { return v.Formatar(decimais, '.'); }

std::string TRessarcimentoHelper::FormatarNCM(const std::string& ncm) {
    std::string c = CompletarEsquerda(texto::Aparar(ncm), 8, '0');
    return c.substr(0, 4) + "." + c.substr(4, 2) + "." + c.substr(6, 2);
}
