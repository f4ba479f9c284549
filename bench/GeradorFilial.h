#pragma once

#include "core/app/Conexao.h"

#include <cstdint>

// A large synthetic branch for the calculation benchmark, written straight into the ERP tables of
// erp/schema.sql with multi-row INSERTs. The same sizes and seed give the same rows every time.
struct TTamanhoFilial {
    int produtos = 12000;
    int64_t movimentos = 2000000;
    int notas = 60000;        // invoices of the branch and of others
    int itensPorNota = 5;     // 300 000 invoice items with the defaults
    uint64_t semente = 20160331;
};

// The branch computed is 2; the others (1 head office, 3, 4, 5) give the rows the statements must
// leave out. Movements run from 2015-01-01 to 2016-06-30, invoices from 2014-06-01 to 2016-06-30.
class TGeradorFilial {
public:
    TGeradorFilial(TConexao& conexao, const TTamanhoFilial& tamanho);
    void Gerar();

private:
    void Filiais();
    void Fornecedores();
    void Produtos();
    void Movimentos();
    void Notas();

    uint64_t Proximo();
    int64_t Entre(int64_t minimo, int64_t maximo);  // inclusive
    bool Chance(int porMil);

    TConexao& m_conexao;
    TTamanhoFilial m_tamanho;
    uint64_t m_estado;
};
