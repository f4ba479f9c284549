#pragma once

#include <string>

class TGrade;

// A grid's sort state
struct TOrdemGrade {
    std::string Campo;
    std::string UltimoCampo;
    std::string Direcao;
};

// Sorts the grid's query by the clicked column: ascending on the first click, then alternating;
// a click on another column starts that one ascending. The clicked title turns yellow.
void OrdenarGrade(TGrade& grade, int coluna, TOrdemGrade& ordem);
