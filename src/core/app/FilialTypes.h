#pragma once

#include <string>

// The branch's tax regime; only tfSN (simplified regime) against every other value has an effect.
enum class TTipoFilial { tfSN = 0, tfSE = 1, tfLP = 2, tfLC = 3, tfLN = 4, tfOutro = 5 };

class TMapTypesFiliais {
public:
    // The regime code (upper-cased, not trimmed) compared with SN, SE, LP, LC, LN; else tfOutro.
    static TTipoFilial Mapear(const std::string& codigo);
};
