#pragma once

#include "core/app/Data.h"
#include "core/app/DmTorvane.h"
#include "core/app/Progresso.h"
#include "core/calc/CalculoRessarcimento.h"
#include "support/BancoTeste.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace calculo_teste {

// Keeps the percentages a step reports, in order.
class TProgressoGravado : public IProgresso {
public:
    void AtualizarTela() override { ++atualizacoes; }
    void DefinirProgresso(int p) override { percentuais.push_back(p); }
    int atualizacoes = 0;
    std::vector<int> percentuais;
};

// A movement of the ERP, with the defaults of an exit of branch 2.
struct TMovimento {
    int produto;
    std::string e_s = "S";
    int quantidade = 1;
    std::string dataHora = "2016-03-01 10:00:00";
    int filial = 2;
    int dafilial = 0;
    int oper = 1;
    std::string apagado = "N";
};

// An entry invoice of the ERP, with the defaults of a live purchase of branch 2 from supplier 1.
struct TNota {
    int id;
    std::string dataEmissao = "2016-03-01";
    std::string tipo = "E";
    int filial = 2;
    int fornece = 1;
    int filialTrans = 0;
    std::string apagado = "N";
    std::string cancelada = "N";
};

// An item of an invoice, with the defaults of one unit at 10.00 under situation 060.
struct TItem {
    int nota;
    int item;
    int produto;
    int quantidade = 1;
    std::string valorUnit = "10.00";
    std::string st = "060";
    std::string baseSub = "0.00";
    std::string baseSubRet = "0.00";
    std::string apagado = "N";
    std::string frete = "0.00", seguro = "0.00", outras = "0.00", desconto = "0.00";
    int filial = 2;
};

// A fresh branch database (branch 2) with the four lasting working tables on the working connection.
class CalculoTeste : public ::testing::Test {
protected:
    CalculoTeste();

    banco_teste::TBancoTeste banco{2};
    TdmTorvane& dm = banco.dm();
    std::vector<std::string> tabelasTemporarias;
    TProgressoGravado progresso;

    // ERP fixture rows, written on a connection of their own
    void Estoque(int produto, int estoque);
    void Movimento(const TMovimento& m);
    void Nota(const TNota& n);
    void Item(const TItem& i);
    // A live purchase of branch 2 with one item of the product
    void Compra(int nota, const std::string& data, int produto, int quantidade, const std::string& valorUnit = "10.00",
                const std::string& baseRet = "0.00");

    void Escolher(const std::vector<int>& produtos);
    TCalculoRessarcimento Calculo(const TData& data, int filialId = 2);
    // The three steps, in the order the calculation page runs them
    void CalcularTudo(const TData& data);

    // The rows of a query as text: fields joined by "|", one row a line
    std::string Linhas(const std::string& sql);
    std::string Saldos();                   // produto_id|quantidade
    std::string Documentos();               // produto_id|nota_fiscal_id|quantidade_comprovada|vl_unit|vl_bc
    std::string Apuracao();                 // every column but filial_id
};

inline TData Dia(int ano, int mes, int dia) { return TData{ano, mes, dia}; }

} // namespace calculo_teste
