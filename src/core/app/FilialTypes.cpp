#include "core/app/FilialTypes.h"

#include "core/app/Texto.h"

TTipoFilial TMapTypesFiliais::Mapear(const std::string& codigo) {
    const std::string c = texto::Maiusculas(codigo);
    if (c == "SN") return TTipoFilial::tfSN;
    if (c == "SE") return TTipoFilial::tfSE;
    if (c == "LP") return TTipoFilial::tfLP;
    if (c == "LC") return TTipoFilial::tfLC;
    if (c == "LN") return TTipoFilial::tfLN;
    return TTipoFilial::tfOutro;
}
