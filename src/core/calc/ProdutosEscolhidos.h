#pragma once

#include <cstdint>
#include <vector>

class TdmTorvane;

// The products chosen for a calculation, kept in temp_produtos of the working connection.
class TProdutosEscolhidos {
public:
    // Adds the products with one REPLACE statement each, sent in scripts of at most 500
    // statements. Throws EErroSistema when a script fails.
    static void Gravar(TdmTorvane& dm, const std::vector<int64_t>& produtos);
    // Every product that is not deleted and whose type is "P", in id order.
    static std::vector<int64_t> Todos(TdmTorvane& dm);
};
