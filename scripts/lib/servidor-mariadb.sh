# Private MariaDB server for the tests and the demo (sourced by scripts/test and scripts/demo).
# servidor_iniciar DATADIR [PASSWORD]  -> sets RST_DB_PORT, RST_DB_SOCKET, RST_DB_PID
# servidor_parar

servidor_porta_livre() {
  local p
  for _ in $(seq 1 200); do
    p=$(( 20000 + RANDOM % 30000 ))
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null; then echo "$p"; return 0; fi
  done
  echo "no free port found" >&2; return 1
}

servidor_iniciar() {
  local datadir="$1" senha="${2:-}"
  local run="$datadir.run"
  mkdir -p "$run"
  if [ ! -d "$datadir/mysql" ]; then
    mkdir -p "$datadir"
    mariadb-install-db --no-defaults --user=root --datadir="$datadir" \
      --auth-root-authentication-method=normal --skip-test-db >"$run/install.log" 2>&1 || {
        cat "$run/install.log" >&2; return 1; }
    RST_DB_NOVO=1
  else
    RST_DB_NOVO=0
  fi
  RST_DB_PORT=$(servidor_porta_livre)
  RST_DB_SOCKET="$run/mysqld.sock"
  mariadbd --no-defaults --user=root --datadir="$datadir" --bind-address=127.0.0.1 \
    --port="$RST_DB_PORT" --socket="$RST_DB_SOCKET" --pid-file="$run/mysqld.pid" \
    --skip-name-resolve --log-error="$run/error.log" --innodb-buffer-pool-size=512M \
    --innodb-flush-log-at-trx-commit=2 --max-allowed-packet=256M >/dev/null 2>&1 &
  RST_DB_PID=$!
  for _ in $(seq 1 120); do
    if mariadb --no-defaults -uroot --socket="$RST_DB_SOCKET" ${senha:+-p"$senha"} -e 'SELECT 1' >/dev/null 2>&1; then
      break
    fi
    if ! kill -0 "$RST_DB_PID" 2>/dev/null; then
      echo "MariaDB server did not start:" >&2; tail -20 "$run/error.log" >&2; return 1
    fi
    sleep 0.5
  done
  if [ "$RST_DB_NOVO" = 1 ]; then
    # root over TCP from loopback, with the password the settings files carry
    mariadb --no-defaults -uroot --socket="$RST_DB_SOCKET" <<SQL
CREATE USER IF NOT EXISTS 'root'@'127.0.0.1';
GRANT ALL PRIVILEGES ON *.* TO 'root'@'127.0.0.1' WITH GRANT OPTION;
ALTER USER 'root'@'127.0.0.1' IDENTIFIED BY '$senha';
ALTER USER 'root'@'localhost' IDENTIFIED BY '$senha';
FLUSH PRIVILEGES;
SQL
  fi
  export RST_DB_PORT RST_DB_SOCKET RST_DB_PID
}

servidor_parar() {
  if [ -n "${RST_DB_PID:-}" ] && kill -0 "$RST_DB_PID" 2>/dev/null; then
    kill "$RST_DB_PID" 2>/dev/null || true
    for _ in $(seq 1 60); do kill -0 "$RST_DB_PID" 2>/dev/null || break; sleep 0.5; done
    kill -9 "$RST_DB_PID" 2>/dev/null || true
  fi
  RST_DB_PID=""
}
