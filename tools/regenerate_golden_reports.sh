#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Rewrites the golden reports in tests/fixtures/golden with the built
# dorix-calc and the delivered property file. Run it after a deliberate change
# of the property data or of the reports, then review the difference:
#   tools/regenerate_golden_reports.sh [path/to/dorix-calc] && git diff tests/fixtures/golden
set -euo pipefail
cd "$(dirname "$0")/.."
calc=${1:-build/default/bin/dorix-calc}
golden=tests/fixtures/golden
while IFS=: read -r name args; do
  [[ -z "$name" || "$name" == \#* ]] && continue
  read -ra argv <<<"$args"
  "$calc" "${argv[@]}" --data data/BoilProp.dat >"$golden/$name.txt"
done <"$golden/cases.txt"
