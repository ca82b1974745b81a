#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them all, then prints one table.
#   bench/run.sh                      at 1 thousand, 100 thousand and 1 million stored receipts
#   CAIXA_BENCH_TAMANHOS=1000,10000 bench/run.sh   other sizes
# Generated databases are kept in build-bench/massa-<hash> and reused while the
# schema and the generator stay the same.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCAIXA_BUILD_BENCH=ON -DCAIXA_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target bench_leitura bench_gravacao bench_arquivos bench_inicio bench_lista >/dev/null
hash=$(cat db/schema.sql db/demo.sql bench/massa.cpp | md5sum | cut -c1-12)
export CAIXA_BENCH_CACHE="$PWD/$build/massa-$hash"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 TZ=America/Sao_Paulo
saida=$(mktemp)
trap 'rm -f "$saida"' EXIT
for b in leitura gravacao arquivos inicio lista; do
  echo "== bench_$b" >&2
  "$build/bench/bench_$b" | tee -a "$saida" >/dev/null
done
awk -F'|' '
  $1 == "TAMANHOS" { n = NF - 1; for (i = 2; i <= NF; i++) tam[i - 1] = $i; next }
  $1 == "RESULTADO" {
    linha = $2 "|" $3 "|" $4
    for (i = 1; i <= n; i++) linha = linha "|" $(5 + i)
    razao = ($(6) + 0 != 0) ? sprintf("%.2f", $(5 + n) / $(6)) : "-"
    rows[++r] = linha "|" razao "|" $5
  }
  END {
    cab = "Benchmark|Medida|Unid."
    for (i = 1; i <= n; i++) cab = cab "|" tam[i]
    print cab "|maior/menor|Alvo"
    for (i = 1; i <= r; i++) print rows[i]
  }' "$saida" | column -t -s '|' -o '  '
