-- A small branch (2) for the command-line tool, inventory date 2016-03-22. UTF-8; load it with a
-- UTF-8 client character set, the server stores it in the tables' latin1.
INSERT INTO filial (filial_id, nome, cgc, inscr) VALUES
  (2, 'Farmácia Central', '11.111.111/0002-22', '111111111'),
  (5, 'Filial Norte', '98.765.432/0005-10', '987654321');
INSERT INTO fornece (fornece_id, nome, cgc, ie) VALUES
  (7, 'Distribuidora "Boa" Saúde\\Ltda', '12.345.678/0001-90', '110.042.490.114');

-- 1..4 live products; 5 deleted and 6 a service, which --todos leaves out
INSERT INTO produto (produto_id, descricao, tipo, apagado) VALUES
  (1, 'Dipirona 500mg', 'P', 'N'), (2, 'Soro fisiológico', 'P', 'N'), (3, 'Álcool 70%', 'P', 'N'),
  (4, 'Gaze estéril', 'P', 'N'), (5, 'Produto apagado', 'P', 'S'), (6, 'Aplicação', 'S', 'N');
INSERT INTO estoque_minimo (produto_id, estoque) VALUES (1, 10), (2, 5), (3, 4), (4, 1), (5, 9), (6, 9);

-- since the inventory date: 2 sold (balance 7), 1 received (balance 3), 3 received (balance -2, left out)
INSERT INTO movment (filial_id, produto_id, e_s, quanti_uni, data_hora, oper) VALUES
  (2, 2, 'S', 2, '2016-03-25 10:00:00', 1),
  (2, 3, 'E', 1, '2016-03-22 08:30:00', 1),
  (2, 4, 'E', 3, '2016-03-23 09:00:00', 1),
  (2, 1, 'S', 5, '2016-03-22 00:00:00', 1);

-- product 1: 15/03 6 units, 02/03 3, 20/02 8 (1 used), 05/02 4 (not used)
-- product 2: a transfer from branch 5 under situation 010, 4 of 7
INSERT INTO nota_fiscal (filial_id, nota_fiscal_id, num_nota, modelo, chave, data_emissao, tipo_nota, fornece_id, filial_id_trans) VALUES
  (2, 3, 503, '55', '35160312345678000190550010000005031000005031', '2016-03-15', 'E', 7, 0),
  (2, 1, 501, '55', '35160312345678000190550010000005011000005011', '2016-03-02', 'E', 7, 0),
  (2, 4, 504, '55', '35160212345678000190550010000005041000005041', '2016-02-20', 'E', 7, 0),
  (2, 2, 502, '55', '35160212345678000190550010000005021000005021', '2016-02-05', 'E', 7, 0),
  (2, 6, 77, '55', '35160398765432000510550010000000771000000771', '2016-03-10', 'R', 0, 5),
  (2, 7, 508, '55', '35160312345678000190550010000005081000005081', '2016-03-01', 'E', 7, 0);
INSERT INTO nota_fiscal_item (filial_id, nota_fiscal_id, nota_fiscal_item_id, produto_id, quant, valor_unit, st, base_calc_icms_sub, base_calc_icms_sub_ret) VALUES
  (2, 3, 1, 1, 6, 10.00, '060', 0.00, 72.00),
  (2, 1, 1, 1, 3, 11.00, '060', 0.00, 39.60),
  (2, 4, 1, 1, 8, 9.50, '060', 0.00, 91.20),
  (2, 2, 1, 1, 4, 8.00, '060', 0.00, 40.00),
  (2, 6, 1, 2, 4, 20.00, '010', 30.00, 0.00),
  (2, 7, 1, 5, 9, 5.00, '060', 0.00, 9.00),
  (2, 7, 2, 6, 9, 5.00, '060', 0.00, 9.00);
