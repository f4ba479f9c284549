#pragma once

#include "core/app/Dinheiro.h"

#include <QString>
#include <cstdint>

// "#,##0" with the thousands separator of the user's locale
QString FormatarMilhar(int64_t n);
// "#,##0.00" (or another number of decimals) with the separators of the user's locale
QString FormatarDinheiro(TDinheiro v, int decimais = 2);
// "0.00": decimals with the locale's decimal separator, no thousands separator
QString FormatarDinheiroSimples(TDinheiro v, int decimais = 2);
