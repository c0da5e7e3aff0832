#!/usr/bin/env bash
# Builds a Release tree, makes the million-row corpus once, and measures the
# core's reading and writing, the formula engine, character conversion and
# trimming over a column, the narrowing search with its narrowed copy and
# write-back, sorting, duplicate rows and the merge, the fixed-length import
# and its dialog, the list print and its preview, the batch tool's convert, filter, sort, dedupe, merge and
# fixed end to end, and undo and redo of commands over every row.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rows=${ROWS:-1000000}
data=$root/bench-data
corpus=$data/corpus-$rows.csv
generator=${GEN_CORPUS:-$root/../shared/bench/gen_corpus.py}

cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTABULO_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build/release" --target tabulo-bench tabulo-calc-bench tabulo-undo-bench tabulo-edit-bench tabulo-reformat-bench tabulo-replace-bench tabulo-filter-bench tabulo-sort-bench tabulo-dedupe-merge-bench tabulo-fixed-bench tabulo-fixed-dialog-bench tabulo-print-bench tabulo-cli tabulo-window-bench
mkdir -p "$data"
if [ ! -f "$corpus" ]; then
  python3 "$generator" --rows "$rows" --seed 1 --delim comma --out "$corpus"
fi

"$root/build/release/bench/tabulo-bench" "$corpus" --out "$data"

echo "formula engine:"
"$root/build/release/bench/tabulo-calc-bench" "$corpus"

echo "undo and redo:"
"$root/build/release/bench/tabulo-undo-bench" "$corpus"

echo "character conversion and trimming, one whole column:"
"$root/build/release/bench/tabulo-edit-bench" "$corpus"

echo "number and date commands over one column:"
"$root/build/release/bench/tabulo-reformat-bench" "$corpus"

echo "replace over whole columns:"
"$root/build/release/bench/tabulo-replace-bench" "$corpus"

echo "narrowing search, narrowed copy and write-back:"
"$root/build/release/bench/tabulo-filter-bench" "$corpus"

echo "tabulo-cli filter, contains 東京 in 都道府県 (end to end, best of 3):"
for _ in 1 2 3; do
  rm -f "$data/filtered.csv" "$data/filtered.ctl"
  line=$( { /usr/bin/time -f '%e %M' "$root/build/release/src/cli/tabulo-cli" filter "$corpus" -o "$data/filtered.csv" \
    --first-line-titles yes --where1 都道府県 --text1 東京; } 2>&1 >/dev/null | tail -n 1)
  echo "  $line" | awk '{printf "  %.2f s, peak memory %.1f MB\n", $1, $2 / 1024}'
done
rm -f "$data/filtered.csv" "$data/filtered.ctl"

echo "sorting the rows:"
"$root/build/release/bench/tabulo-sort-bench" "$corpus"

echo "duplicate rows and the merge:"
"$root/build/release/bench/tabulo-dedupe-merge-bench" "$corpus" --other "$data/merge-other.csv"

echo "tabulo-cli dedupe, delete by 都道府県 and 日付 (end to end, best of 3):"
for _ in 1 2 3; do
  line=$( { /usr/bin/time -f '%e %M' "$root/build/release/src/cli/tabulo-cli" dedupe "$corpus" -o "$data/deduped.csv" \
    --first-line-titles yes --columns 都道府県,日付 --mode delete; } 2>&1 >/dev/null | tail -n 1)
  echo "  $line" | awk '{printf "  %.2f s, peak memory %.1f MB\n", $1, $2 / 1024}'
done
rm -f "$data/deduped.csv" "$data/deduped.cfg"

echo "tabulo-cli merge, 100,000 lines by ID replacing 備考 (end to end, best of 3):"
for _ in 1 2 3; do
  line=$( { /usr/bin/time -f '%e %M' "$root/build/release/src/cli/tabulo-cli" merge "$corpus" "$data/merge-other.csv" \
    -o "$data/merged.csv" --first-line-titles yes --key ID=0 --replace 備考=1; } 2>&1 >/dev/null | tail -n 1)
  echo "  $line" | awk '{printf "  %.2f s, peak memory %.1f MB\n", $1, $2 / 1024}'
done
rm -f "$data/merged.csv" "$data/merged.cfg" "$data/merge-other.csv"

echo "fixed-length import, a million 120-byte records:"
"$root/build/release/bench/tabulo-fixed-bench" --out "$data/fixed-records.dat"
QT_QPA_PLATFORM=offscreen "$root/build/release/bench/tabulo-fixed-dialog-bench" "$data/fixed-records.dat" 2>/dev/null

echo "tabulo-cli fixed, 10 fields trimmed and zeros stripped (end to end, best of 3):"
for _ in 1 2 3; do
  line=$( { /usr/bin/time -f '%e %M' "$root/build/release/src/cli/tabulo-cli" fixed "$data/fixed-records.dat" -o "$data/fixed.csv" \
    --lengths 8,20,20,2,8,12,6,8,1,35 --types string,string,string,integer,string,integer,integer,numeric \
    --trim yes --strip-zeros yes; } 2>&1 >/dev/null | tail -n 1)
  echo "  $line" | awk '{printf "  %.2f s, peak memory %.1f MB\n", $1, $2 / 1024}'
done
rm -f "$data/fixed.csv" "$data/fixed.cfg" "$data/fixed-records.dat"

echo "tabulo-cli convert (end to end, best of 3):"
best=
for _ in 1 2 3; do
  rm -f "$data/converted.csv" "$data/converted.cfg"
  line=$( { /usr/bin/time -f '%e %M' "$root/build/release/src/cli/tabulo-cli" convert "$corpus" -o "$data/converted.csv"; } 2>&1 >/dev/null | tail -n 1)
  echo "  $line" | awk '{printf "  %.2f s, peak memory %.1f MB\n", $1, $2 / 1024}'
done
rm -f "$data/converted.csv" "$data/converted.cfg"

# The corpus has no side file, so its first line gives the titles and every
# column is a string column: the price key names its kind.
for keys in "--key 価格:number" "--key 都道府県 --key フリガナ"; do
  echo "tabulo-cli sort $keys (end to end, 3 runs):"
  for _ in 1 2 3; do
    rm -f "$data/sorted.csv" "$data/sorted.cfg"
    # shellcheck disable=SC2086
    line=$( { /usr/bin/time -f '%e %M' "$root/build/release/src/cli/tabulo-cli" sort "$corpus" -o "$data/sorted.csv" \
      --first-line-titles yes $keys; } 2>&1 >/dev/null | tail -n 1)
    echo "  $line" | awk '{printf "  %.2f s, peak memory %.1f MB\n", $1, $2 / 1024}'
  done
done
rm -f "$data/sorted.csv" "$data/sorted.cfg"

echo "opening the corpus in the window (offscreen):"
QT_QPA_PLATFORM=offscreen "$root/build/release/bench/tabulo-window-bench" "$corpus" 2>/dev/null

echo "the list print: page count, preview pages, tabulo-cli print of 100 pages:"
QT_QPA_PLATFORM=offscreen "$root/build/release/bench/tabulo-print-bench" "$corpus" 2>/dev/null
