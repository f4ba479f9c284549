#pragma once

#include "core/app/Data.h"

// "Now" for the whole system: the machine's local clock, or a fixed moment set by a test.
struct TMomento {
    TData data;
    int hora = 0, minuto = 0, segundo = 0;
};

class TRelogio {
public:
    static TMomento Agora();
    static TData Hoje() { return Agora().data; }
    static void Fixar(const TMomento& momento);
    static void Liberar();
};
