#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for $1 seconds
# (default 60), two at a time, from the seed corpus in fuzz/corpus/. Any
# failing input is left in build-fuzz/ as crash-* and the script fails.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
bash "$here/tools/install-deps.sh"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
for p in clang libclang-rt-dev; do
  dpkg -s "$p" >/dev/null 2>&1 || { $SUDO apt-get update -qq; \
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq clang libclang-rt-dev; break; }
done
cmake -S "$here" -B "$here/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DGIUDIZI_BUILD_FUZZ=ON \
      -DGIUDIZI_BUILD_TESTS=OFF >/dev/null
cmake --build "$here/build-fuzz" -j2 --target fuzz_judgment_text fuzz_card_frame fuzz_plain_text \
      fuzz_attestato_page fuzz_sealed_copy
cd "$here/build-fuzz"
run() {
  local name="$1"
  mkdir -p "corpus-$name"
  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "./fuzz/fuzz_$name" \
      -max_total_time="$seconds" -print_final_stats=1 "corpus-$name" \
      "$here/fuzz/corpus/$name" > "fuzz-$name.log" 2>&1
  echo "fuzz_$name: $(grep -E 'stat::number_of_executed_units' "fuzz-$name.log" | awk '{print $2}') runs, clean"
}
status=0
run judgment_text & a=$!; run card_frame & b=$!
wait $a || status=1; wait $b || status=1
run plain_text & a=$!; run attestato_page & b=$!
wait $a || status=1; wait $b || status=1
run sealed_copy & a=$!
wait $a || status=1
[ $status -eq 0 ] || { echo "a fuzzer failed: see build-fuzz/fuzz-*.log" >&2; exit 1; }
