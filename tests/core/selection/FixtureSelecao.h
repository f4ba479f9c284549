#pragma once

#include <string>

// Products and lookups of the selection tests. Among the products: a deleted one (8), a service
// (9), one whose group is missing and whose espec row and manufacturer are deleted (10), and
// descriptions holding a double quote, a percent sign, an underscore, a backslash and an
// apostrophe, each beside a near miss that an unescaped wildcard would also find.
namespace fixture_selecao {

inline const std::string kLookups =
    "INSERT INTO grupo (grupo_id, descricao, desc_arvore, apagado) VALUES "
    "(1, 'Medicamentos', 'MEDICAMENTOS', 'N'), (2, 'Perfumaria', 'PERFUMARIA', 'N'), "
    "(3, 'Antigo', 'GRUPO ANTIGO', 'S'), (4, 'Higiene', 'HIGIENE', 'N');"
    "INSERT INTO espec (espec_id, descricao, apagado) VALUES (1, 'COMPRIMIDO', 'N'), (2, 'XAROPE', 'N'), "
    "(3, 'VELHA', 'S');"
    "INSERT INTO fabricantes (fabricantes_id, descricao, apagado) VALUES (1, 'EMS', 'N'), (2, 'MEDLEY', "
    "'N'), "
    "(3, 'EXTINTO', 'S');"
    "INSERT INTO principio_ativo (principio_ativo_id, descricao, apagado) VALUES (1, 'DIPIRONA', 'N'), "
    "(2, 'PARACETAMOL', 'N');"
    "INSERT INTO classe_terapeutica (classe_terapeutica_id, descricao, apagado) VALUES (1, 'ANALGESICO', "
    "'N'), "
    "(2, 'ANTITERMICO', 'N');"
    "INSERT INTO grupo_precos (grupo_precos_id, descricao, apagado) VALUES (1, 'GENERICOS', 'N'), (2, "
    "'ETICOS', 'N');";

inline const std::string kProdutos =
    "INSERT INTO produto (produto_id, descricao, barras, tipo, apagado, grupo_id, grupo_precos_id, espec_id, "
    "fabricantes_id, principio_ativo_id, classe_terapeutica_id) VALUES "
    "(1, 'DIPIRONA 500MG 10 COMP', '7891000000011', 'P', 'N', 1, 1, 1, 1, 1, 1),"
    "(2, 'DIPIRONA GOTAS 20ML', '7891000000028', 'P', 'N', 1, 1, 2, 2, 1, 1),"
    "(3, 'PARACETAMOL 750MG', '7891000000035', 'P', 'N', 1, 2, 1, 2, 2, 2),"
    "(4, 'SHAMPOO \"BRILHO\" 200ML', '7891000000042', 'P', 'N', 2, 0, 0, 0, 0, 0),"
    "(5, 'DESCONTO 50% LOTE', '7891000000059', 'P', 'N', 2, 0, 0, 0, 0, 0),"
    "(6, 'ALCOOL_GEL 70', '7891000000066', 'P', 'N', 4, 0, 0, 0, 0, 0),"
    "(7, 'CAMINHO C:\\\\TEMP', '7891000000073', 'P', 'N', 4, 0, 0, 0, 0, 0),"
    "(8, 'DIPIRONA APAGADA', '7891000000080', 'P', 'S', 1, 1, 1, 1, 1, 1),"
    "(9, 'DIPIRONA SERVICO', '7891000000097', 'S', 'N', 1, 1, 1, 1, 1, 1),"
    "(10, 'PRODUTO SEM GRUPO', '7891000000103', 'P', 'N', 99, 0, 3, 3, 0, 0),"
    "(11, 'ALCOOLXGEL 70', '7891000000110', 'P', 'N', 4, 0, 0, 0, 0, 0),"
    "(12, 'DESCONTO 50 LOTE', '7891000000127', 'P', 'N', 2, 0, 0, 0, 0, 0),"
    "(13, 'AGUA D''OURO', '7891000000134', 'P', 'N', 2, 0, 0, 0, 0, 0),"
    "(14, 'CAMINHO C:TEMP', '7891000000141', 'P', 'N', 4, 0, 0, 0, 0, 0);";

inline const std::string kTudo = kLookups + kProdutos;

} // namespace fixture_selecao
