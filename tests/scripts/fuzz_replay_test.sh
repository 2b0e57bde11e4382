#!/usr/bin/env bash
# The fuzz replay over stand-in targets: one that has neither seeds nor
# reproducers must fail the replay, not start fuzzing without end (a fuzzer
# given no input files fuzzes). Each stand-in runs the files it is given and
# hangs when given none, as libFuzzer would fuzz.
set -uo pipefail
here="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/build" "$work/repro"
for target in $("$here/scripts/fuzz" --list); do
  printf '#!/bin/sh\n[ $# -gt 0 ] || sleep 600\nexit 0\n' > "$work/build/${target}_fuzz"
  chmod +x "$work/build/${target}_fuzz"
  # Every target but "wave" has one seed.
  if [ "$target" != wave ]; then
    mkdir -p "$work/build/corpus/$target"
    echo seed > "$work/build/corpus/$target/seed"
  fi
done

out="$(TARVINEX_FUZZ_BUILD="$work/build" TARVINEX_FUZZ_REPRO="$work/repro" timeout 60 "$here/scripts/fuzz" --replay-only)"
status=$?
echo "$out"
if [ $status -eq 124 ]; then
  echo "FAIL: the replay of a target without inputs did not end"
  exit 1
fi
if [ $status -eq 0 ]; then
  echo "FAIL: the replay passed with a target that has no inputs"
  exit 1
fi
if ! grep -q "fuzz replay wave: FAILED (no seeds and no reproducers to replay)" <<<"$out"; then
  echo "FAIL: the target without inputs is not named"
  exit 1
fi
if ! grep -q "fuzz replay area: ok (1 inputs)" <<<"$out"; then
  echo "FAIL: the other targets were not replayed"
  exit 1
fi
echo "PASS"
