#!/usr/bin/env bash
# Runs ressarcimento-st-cli as a user runs it: a fresh branch database on the private test server
# (RST_DB_HOST, RST_DB_PORT, RST_DB_PASSWORD), the settings files in a folder, the JSON compared
# byte for byte with the committed expected file, and the exit codes and one-line messages of
# the failures.
set -euo pipefail

cli="$1"
aqui="$(cd "$(dirname "$0")" && pwd)"
raiz="$(cd "$aqui/../.." && pwd)"
: "${RST_DB_HOST:?the test server is not configured (run the tests through scripts/test)}"
: "${RST_DB_PORT:?the test server is not configured (run the tests through scripts/test)}"
: "${RST_DB_PASSWORD:?the test server is not configured (run the tests through scripts/test)}"

banco="cli_$$_${RANDOM}"
tmp="$(mktemp -d /tmp/rst-cli.XXXXXX)"
sql() {
  mariadb --no-defaults -uroot -p"$RST_DB_PASSWORD" -h"$RST_DB_HOST" -P"$RST_DB_PORT" \
    --default-character-set=utf8mb4 "$@"
}
trap 'sql -e "DROP DATABASE IF EXISTS $banco" >/dev/null 2>&1 || true; rm -rf "$tmp"' EXIT

falhas=0
falhar() { echo "FAIL: $*" >&2; falhas=$((falhas + 1)); }

hex() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n'; }
# configuracao PASTA HOST PORTA
configuracao() {
  mkdir -p "$1"
  printf '[connection]\r\nDatabaseIP=%s\r\nDatabasename=%s\r\nSenha=%s\r\nDatabasePort=%s\r\n' \
    "$(hex "$2")" "$(hex "$banco")" "$(hex "$RST_DB_PASSWORD")" "$(hex "$3")" >"$1/connection.conf"
  printf '[FilialMatriz]\r\nCodLogica=2\r\n' >"$1/sistema_qor.ini"
}

# executar NOME ARGS...: runs the tool, keeps its exit code, standard output and standard error
executar() {
  local nome="$1"
  shift
  set +e
  "$cli" "$@" >"$tmp/$nome.out" 2>"$tmp/$nome.err"
  echo $? >"$tmp/$nome.rc"
  set -e
}

# falha_de_uma_linha NOME CODIGO MENSAGEM: the run failed with that code and exactly that one line
falha_de_uma_linha() {
  local nome="$1" codigo="$2" mensagem="$3"
  [ "$(cat "$tmp/$nome.rc")" = "$codigo" ] || falhar "$nome: exit code $(cat "$tmp/$nome.rc"), expected $codigo"
  [ "$(wc -l <"$tmp/$nome.err")" = 1 ] || falhar "$nome: standard error is not one line: $(cat "$tmp/$nome.err")"
  [ "$(cat "$tmp/$nome.err")" = "$mensagem" ] ||
    falhar "$nome: message '$(cat "$tmp/$nome.err")', expected '$mensagem'"
  [ ! -s "$tmp/$nome.out" ] || falhar "$nome: wrote to standard output: $(cat "$tmp/$nome.out")"
}

sql -e "CREATE DATABASE $banco CHARACTER SET latin1"
sql "$banco" <"$raiz/erp/schema.sql"
sql "$banco" <"$aqui/fixture.sql"
configuracao "$tmp/config" "$RST_DB_HOST" "$RST_DB_PORT"
esperado="$aqui/esperado.json"

# --- the chosen products, over an existing file ---
printf 'conteudo antigo que precisa sumir por inteiro\n' >"$tmp/saida.json"
executar produtos calcular --data 2016-03-22 --produtos 3,1,2,4,1 --config "$tmp/config" --json "$tmp/saida.json"
[ "$(cat "$tmp/produtos.rc")" = 0 ] || falhar "produtos: exit code $(cat "$tmp/produtos.rc"): $(cat "$tmp/produtos.err")"
cmp -s "$esperado" "$tmp/saida.json" || { falhar "produtos: JSON differs from $esperado"; diff -u "$esperado" "$tmp/saida.json" >&2 || true; }
[ ! -s "$tmp/produtos.err" ] || falhar "produtos: standard error not empty (not a terminal): $(cat "$tmp/produtos.err")"
restos=$(find "$tmp" -maxdepth 1 -name '.saida.json.*' | wc -l)
[ "$restos" = 0 ] || falhar "produtos: temporary file left beside the JSON"
cat >"$tmp/resumo.esperado" <<'EOF'
Filial 2, inventário de 22/03/2016
Produtos escolhidos: 4
Produtos apurados: 3
  Estoque regular (0): 1
  Estoque parcialmente comprovado (1): 1
  Estoque não comprovado (2): 1
Total da base do ICMS retido: 153,00
Total a ressarcir: 9,18
EOF
cmp -s "$tmp/resumo.esperado" "$tmp/produtos.out" || { falhar "produtos: summary differs"; diff -u "$tmp/resumo.esperado" "$tmp/produtos.out" >&2 || true; }

# --- every live product of type P: the same products, the same JSON ---
executar todos calcular --json="$tmp/todos.json" --todos --config="$tmp/config" --data=2016-03-22
[ "$(cat "$tmp/todos.rc")" = 0 ] || falhar "todos: exit code $(cat "$tmp/todos.rc"): $(cat "$tmp/todos.err")"
cmp -s "$esperado" "$tmp/todos.json" || { falhar "todos: JSON differs from $esperado"; diff -u "$esperado" "$tmp/todos.json" >&2 || true; }

# --- help ---
executar ajuda --help
[ "$(cat "$tmp/ajuda.rc")" = 0 ] || falhar "ajuda: exit code $(cat "$tmp/ajuda.rc")"
grep -q '^Uso: ressarcimento-st-cli calcular --data AAAA-MM-DD (--produtos ID,ID,... | --todos)' "$tmp/ajuda.out" ||
  falhar "ajuda: no usage line"

# --- wrong command lines: exit 2, one line, nothing written ---
executar data_invalida calcular --data 2016-02-30 --todos --config "$tmp/config" --json "$tmp/nao.json"
falha_de_uma_linha data_invalida 2 'ressarcimento-st-cli: data inválida: "2016-02-30" (use AAAA-MM-DD)'
executar data_formato calcular --data 22/02/2016 --todos --config "$tmp/config"
falha_de_uma_linha data_formato 2 'ressarcimento-st-cli: data inválida: "22/02/2016" (use AAAA-MM-DD)'
executar opcao calcular --data 2016-02-22 --todos --config "$tmp/config" --filial 3
falha_de_uma_linha opcao 2 'ressarcimento-st-cli: opção desconhecida: --filial'
executar sem_data calcular --todos --config "$tmp/config"
falha_de_uma_linha sem_data 2 'ressarcimento-st-cli: falta a data do inventário: --data AAAA-MM-DD'
executar sem_produtos calcular --data 2016-02-22 --config "$tmp/config"
falha_de_uma_linha sem_produtos 2 'ressarcimento-st-cli: falta a escolha dos produtos: --produtos ID,ID,... ou --todos'
executar sem_valor calcular --todos --data
falha_de_uma_linha sem_valor 2 'ressarcimento-st-cli: a opção --data exige um valor'
executar produto_invalido calcular --data 2016-02-22 --produtos 1,,2
falha_de_uma_linha produto_invalido 2 'ressarcimento-st-cli: produto inválido em --produtos: ""'
executar comando processar --data 2016-02-22 --todos
falha_de_uma_linha comando 2 'ressarcimento-st-cli: comando desconhecido: processar'
[ ! -e "$tmp/nao.json" ] || falhar "data_invalida: wrote the JSON file"

# --- a server nobody answers on: exit 1, the connection message on one line ---
porta_fechada=1
configuracao "$tmp/inacessivel" 127.0.0.1 "$porta_fechada"
executar inacessivel calcular --data 2016-03-22 --todos --config "$tmp/inacessivel" --json "$tmp/nao.json"
[ "$(cat "$tmp/inacessivel.rc")" = 1 ] || falhar "inacessivel: exit code $(cat "$tmp/inacessivel.rc"), expected 1"
[ "$(wc -l <"$tmp/inacessivel.err")" = 1 ] || falhar "inacessivel: standard error is not one line: $(cat "$tmp/inacessivel.err")"
grep -q "^ressarcimento-st-cli: Não foi possível conectar no banco de dados local. Erro: .*127.0.0.1" "$tmp/inacessivel.err" ||
  falhar "inacessivel: message '$(cat "$tmp/inacessivel.err")'"
[ ! -e "$tmp/nao.json" ] || falhar "inacessivel: wrote the JSON file"

if [ "$falhas" -gt 0 ]; then
  echo "$falhas check(s) failed" >&2
  exit 1
fi
echo "cli_calcular: all checks passed"
