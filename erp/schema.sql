-- Tables of the host ERP that the assistant reads, as a branch database holds them.
-- Runs in the current database (no CREATE DATABASE, no USE). Text is latin1 (Windows-1252).
-- Every column has a default, so that rows can be inserted naming only the columns in use.

CREATE TABLE filial (
  filial_id INT(11) NOT NULL,
  nome VARCHAR(100) NOT NULL DEFAULT '',
  fantasia VARCHAR(60) NOT NULL DEFAULT '',
  cgc VARCHAR(18) NOT NULL DEFAULT '',
  inscr VARCHAR(20) NOT NULL DEFAULT '',
  endereco VARCHAR(80) NOT NULL DEFAULT '',
  cidade VARCHAR(40) NOT NULL DEFAULT '',
  uf CHAR(2) NOT NULL DEFAULT 'SP',
  cod_regime_tribut VARCHAR(2) DEFAULT NULL,
  conta_analitica_inv VARCHAR(60) NOT NULL DEFAULT '',
  apagado CHAR(1) NOT NULL DEFAULT 'N',
  PRIMARY KEY (filial_id)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

CREATE TABLE grupo (
  grupo_id INT(11) NOT NULL AUTO_INCREMENT,
  descricao VARCHAR(40) NOT NULL DEFAULT '',
  desc_arvore VARCHAR(150) NOT NULL DEFAULT '',
  grupo_pai_id INT(11) NOT NULL DEFAULT 0,
  apagado CHAR(1) NOT NULL DEFAULT 'N',
  PRIMARY KEY (grupo_id)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

CREATE TABLE grupo_precos (
  grupo_precos_id INT(11) NOT NULL AUTO_INCREMENT,
  descricao VARCHAR(40) NOT NULL DEFAULT '',
  apagado CHAR(1) NOT NULL DEFAULT 'N',
  PRIMARY KEY (grupo_precos_id)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

CREATE TABLE espec (
  espec_id INT(11) NOT NULL AUTO_INCREMENT,
  descricao VARCHAR(40) NOT NULL DEFAULT '',
  apagado CHAR(1) NOT NULL DEFAULT 'N',
  PRIMARY KEY (espec_id)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

CREATE TABLE fabricantes (
  fabricantes_id INT(11) NOT NULL AUTO_INCREMENT,
  descricao VARCHAR(40) NOT NULL DEFAULT '',
  cgc VARCHAR(18) NOT NULL DEFAULT '',
  apagado CHAR(1) NOT NULL DEFAULT 'N',
  PRIMARY KEY (fabricantes_id)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

CREATE TABLE principio_ativo (
  principio_ativo_id INT(11) NOT NULL AUTO_INCREMENT,
  descricao VARCHAR(120) NOT NULL DEFAULT '',
  apagado CHAR(1) NOT NULL DEFAULT 'N',
  PRIMARY KEY (principio_ativo_id)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

CREATE TABLE classe_terapeutica (
  classe_terapeutica_id INT(11) NOT NULL AUTO_INCREMENT,
  descricao VARCHAR(100) NOT NULL DEFAULT '',
  apagado CHAR(1) NOT NULL DEFAULT 'N',
  PRIMARY KEY (classe_terapeutica_id)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

CREATE TABLE produto (
  produto_id INT(11) NOT NULL AUTO_INCREMENT,
  descricao VARCHAR(60) NOT NULL DEFAULT '',
  barras VARCHAR(13) NOT NULL DEFAULT '',
  gtin14 VARCHAR(14) NOT NULL DEFAULT '',
  unidade VARCHAR(6) NOT NULL DEFAULT 'UN',
  ncm VARCHAR(8) NOT NULL DEFAULT '',
  tipo CHAR(1) NOT NULL DEFAULT 'P',
  grupo_id INT(11) NOT NULL DEFAULT 0,
  grupo_precos_id INT(11) NOT NULL DEFAULT 0,
  espec_id INT(11) NOT NULL DEFAULT 0,
  fabricantes_id INT(11) NOT NULL DEFAULT 0,
  principio_ativo_id INT(11) NOT NULL DEFAULT 0,
  classe_terapeutica_id INT(11) NOT NULL DEFAULT 0,
  contado INT(11) NOT NULL DEFAULT 0,
  preco_venda DECIMAL(14,2) NOT NULL DEFAULT 0.00,
  apagado CHAR(1) NOT NULL DEFAULT 'N',
  PRIMARY KEY (produto_id),
  KEY produto_descricao (descricao),
  KEY produto_barras (barras),
  KEY produto_grupo (grupo_id)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

-- Current stock on hand of the branch, per product
CREATE TABLE estoque_minimo (
  produto_id INT(11) NOT NULL,
  estoque INT(11) NOT NULL DEFAULT 0,
  estoque_min INT(11) NOT NULL DEFAULT 0,
  estoque_max INT(11) NOT NULL DEFAULT 0,
  PRIMARY KEY (produto_id)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

-- Stock movements; rows of branch 1 carry the branch they belong to in dafilial_id
CREATE TABLE movment (
  movment_id INT(11) NOT NULL AUTO_INCREMENT,
  filial_id INT(11) NOT NULL DEFAULT 0,
  dafilial_id INT(11) NOT NULL DEFAULT 0,
  produto_id INT(11) NOT NULL DEFAULT 0,
  e_s CHAR(1) NOT NULL DEFAULT 'S',
  quanti_uni INT(11) NOT NULL DEFAULT 0,
  data_hora DATETIME NOT NULL DEFAULT '2000-01-01 00:00:00',
  oper INT(11) NOT NULL DEFAULT 0,
  documento INT(11) NOT NULL DEFAULT 0,
  apagado CHAR(1) NOT NULL DEFAULT 'N',
  PRIMARY KEY (movment_id),
  KEY movment_produto_data (produto_id, data_hora)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

CREATE TABLE fornece (
  fornece_id INT(11) NOT NULL AUTO_INCREMENT,
  nome VARCHAR(100) NOT NULL DEFAULT '',
  fantasia VARCHAR(60) NOT NULL DEFAULT '',
  cgc VARCHAR(18) NOT NULL DEFAULT '',
  ie VARCHAR(20) NOT NULL DEFAULT '',
  uf CHAR(2) NOT NULL DEFAULT 'SP',
  apagado CHAR(1) NOT NULL DEFAULT 'N',
  PRIMARY KEY (fornece_id)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

-- Invoices; tipo_nota "E" purchase, "R" transfer received, "S" sale, "D" return, "T" transfer sent
CREATE TABLE nota_fiscal (
  filial_id INT(11) NOT NULL,
  nota_fiscal_id INT(11) NOT NULL,
  num_nota INT(11) NOT NULL DEFAULT 0,
  serie VARCHAR(3) NOT NULL DEFAULT '1',
  modelo CHAR(2) NOT NULL DEFAULT '55',
  chave VARCHAR(44) NOT NULL DEFAULT '',
  data_emissao DATE NOT NULL DEFAULT '2000-01-01',
  data_entrada DATE DEFAULT NULL,
  tipo_nota CHAR(1) NOT NULL DEFAULT 'E',
  fornece_id INT(11) NOT NULL DEFAULT 0,
  filial_id_trans INT(11) NOT NULL DEFAULT 0,
  valor_total DECIMAL(14,2) NOT NULL DEFAULT 0.00,
  apagado CHAR(1) NOT NULL DEFAULT 'N',
  cancelada CHAR(1) NOT NULL DEFAULT 'N',
  PRIMARY KEY (filial_id, nota_fiscal_id),
  KEY nota_fiscal_emissao (filial_id, data_emissao)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

CREATE TABLE nota_fiscal_item (
  filial_id INT(11) NOT NULL,
  nota_fiscal_id INT(11) NOT NULL,
  nota_fiscal_item_id INT(11) NOT NULL,
  produto_id INT(11) NOT NULL DEFAULT 0,
  quant INT(11) NOT NULL DEFAULT 0,
  valor_unit DECIMAL(14,4) NOT NULL DEFAULT 0.0000,
  valor_frete DECIMAL(14,2) NOT NULL DEFAULT 0.00,
  valor_seguro DECIMAL(14,2) NOT NULL DEFAULT 0.00,
  valor_outras DECIMAL(14,2) NOT NULL DEFAULT 0.00,
  desc_val DECIMAL(14,2) NOT NULL DEFAULT 0.00,
  st VARCHAR(3) NOT NULL DEFAULT '060',
  cfop VARCHAR(4) NOT NULL DEFAULT '1403',
  base_calc_icms_sub DECIMAL(14,2) NOT NULL DEFAULT 0.00,
  valor_icms_sub DECIMAL(14,2) NOT NULL DEFAULT 0.00,
  base_calc_icms_sub_ret DECIMAL(14,2) NOT NULL DEFAULT 0.00,
  valor_icms_sub_ret DECIMAL(14,2) NOT NULL DEFAULT 0.00,
  apagado CHAR(1) NOT NULL DEFAULT 'N',
  PRIMARY KEY (filial_id, nota_fiscal_id, nota_fiscal_item_id),
  KEY nota_fiscal_item_produto (produto_id)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

-- SPED EFD files the ERP produced for each branch
CREATE TABLE arqs_efd (
  arqs_efd_id INT(11) NOT NULL AUTO_INCREMENT,
  dafilial_id INT(11) NOT NULL DEFAULT 0,
  nome_arquivo VARCHAR(255) NOT NULL DEFAULT '',
  data_ini DATE DEFAULT NULL,
  data_fin DATE DEFAULT NULL,
  apagado CHAR(1) NOT NULL DEFAULT 'N',
  PRIMARY KEY (arqs_efd_id),
  KEY arqs_efd_filial (dafilial_id)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;
