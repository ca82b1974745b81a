#!/usr/bin/env bash
# Creates a program folder with caixa.db (schema + demo data) and a working
# "Config.ini", unless the folder already holds a database.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:?program folder}"
mkdir -p "$dir"
dir="$(cd "$dir" && pwd)"
if [ ! -f "$dir/caixa.db" ]; then
  sqlite3 "$dir/caixa.db.tmp" < "$root/db/schema.sql" >/dev/null
  sqlite3 "$dir/caixa.db.tmp" < "$root/db/demo.sql"
  mv "$dir/caixa.db.tmp" "$dir/caixa.db"
fi
mkdir -p "$dir/exporta" "$dir/estorno" "$dir/recebimentos" "$dir/atualiza"
if [ ! -f "$dir/Config.ini" ]; then
  printf '%s\r\n' \
    "[Export]" "guiche=1" "Path1=$dir/exporta/" "Path2=$dir/estorno/" "Path3=$dir/recebimentos/" \
    "tecla_mais=1" "rede=0" "caminho_soma=$dir/soma.txt" "caminho_remove_item=$dir/remove_item.txt" \
    "caminho_febraban=$dir/exporta/" "nome_banco=BANCO DO MUNICIPIO" \
    "[Mensagem]" "mensagem=CAIXA PRONTO" "cabecalho=PMM" "pref=PREFEITURA MUNICIPAL" \
    "[Reserva]" "cofre=$dir/cofre.ini" "soma=0" "itens=$dir/recebimentos/" \
    "[Opcoes]" "juros=1" "porta=0" "Atualiza=$dir/atualiza/" \
    "[Print]" "impressora=txt" "print_cupom=0" "porta=LPT1" "impressora_autenticadora=" \
    "impressora_padrao=" "ip=" "cabecalho=0" "modo=1" "modo_print=1" "lineFeed=0" "disableEsc=0" \
    "[Skin]" "nome=" > "$dir/Config.ini"
fi
echo "$dir"
