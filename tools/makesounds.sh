#!/usr/bin/env bash
# Writes the alarm tones and spoken call-outs of the jet's scenarios as small
# wave files (mono, 16 kHz, 16-bit PCM) into the Navdata folder:
#
#   tools/makesounds.sh [output folder]      (default: data/Navdata)
#
# Needs espeak-ng (speech) and sox (tones, trimming, levels). Rerunnable: the
# same tools give the same bytes (no dither, repeatable sox).
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$here/data/Navdata}"
for tool in espeak-ng sox; do
  command -v "$tool" >/dev/null || { echo "makesounds: $tool is not installed" >&2; exit 1; }
done
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

rate=16000
# Common output format: mono, 16 kHz, 16-bit signed PCM.
fmt=(-r "$rate" -c 1 -b 16 -e signed-integer)

# A spoken call-out: synthesised, silence trimmed at both ends, levelled.
speak() {
  local name="$1" text="$2"
  espeak-ng -v en-us -s 165 -p 35 -a 150 -w "$work/$name.raw.wav" "$text"
  sox -R -D "$work/$name.raw.wav" "${fmt[@]}" "$out/$name.wav" \
    silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse \
    gain -3 highpass 200 norm -2 pad 0 0.15
}

# A tone: one sox synth effect chain into the common format.
tone() {
  local name="$1"; shift
  sox -R -D -n "${fmt[@]}" "$out/$name.wav" "$@"
}

# Single chime of an engine failure or damage: a struck bell fading out.
tone ding synth 0.9 sine 1046.5 sine 1568 remix 1,2 fade q 0.004 0.9 0.85 norm -3
# Fire bell, played in a loop: a ringing bell of 12 strikes a second, one
# second long so that the loop joins without a click.
tone ding1 synth 1.0 sine 880 sine 1320 remix 1,2 tremolo 12 100 norm -3
# Cabin altitude horn, played in a loop: half a second of horn, half of silence.
tone beep1 synth 0.5 square 440 square 446 remix 1,2 gain -6 lowpass 3000 fade q 0.01 0.5 0.01 norm -6 pad 0 0.5

speak terrain "Terrain, terrain. Pull up."
speak windshear "Windshear, windshear, windshear."
speak traffic2 "Traffic, traffic."
speak bank2 "Bank angle, bank angle."
speak descend2 "Descend, descend."
speak climb2 "Climb, climb."
speak level2 "Level off, level off."
speak clear "Clear of conflict."

ls -l "$out"/*.wav
