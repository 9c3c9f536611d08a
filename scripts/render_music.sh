#!/usr/bin/env bash
# Renders each MIDI piece of a bgm folder once, at build time, into an Ogg
# Vorbis file beside it (NAME.mid -> NAME.ogg), with FluidSynth and the same
# General MIDI soundfont the game plays MIDI with, so that the game plays the
# rendering instead of synthesising while it runs. The MIDI stays the source:
# a piece is rendered again when its .mid is newer than its .ogg, and the game
# falls back to the .mid when the .ogg is missing or older. A rendering older
# than this script is made again too (the options may have changed). Without
# fluidsynth or the soundfont nothing is rendered (the game then plays the
# MIDI files).
#
# Rate: 32 kHz, the game's output rate, so the renderings play without being
# resampled. The soundfont's instruments put little above 16 kHz (stage3 at
# 44.1 kHz: 43 dB under the whole piece's energy), and decoding and mixing
# at 32 kHz cost the audio thread about a quarter less than at 44.1 kHz.
#
# Gains: 1.2 is the gain SDL_mixer gives FluidSynth at full music volume, so
# a rendering sounds as loud as the live synthesis. Some pieces get a little
# more or less so that every piece's loudness lies within 3 dB of the others
# (whole-piece RMS of renders at 1.2, in dBFS: A_030GMW -14.1, A_082GMW -14.9,
# PSMAT065 -18.5, PSMAT526 -16.0, city3 -15.1, event8 -17.2, event9 -13.9,
# future -14.8, sense -13.6, victory -15.4; each is moved only as far as the
# band -16.5 .. -13.7 dBFS around their mean asks). The stage pieces measured
# stage1 -17.2, stage2 -17.3, stage3 -16.6, stage4 -15.8, stage5 -15.9, stage6
# -14.5, stage7 -14.8, stage8 -12.7 and stage9 -14.4 at 1.2; the four outside
# the band are brought to -16.0 or -14.0. Whole-piece RMS is taken over every
# sample of both channels of a 32-bit float rendering (fluidsynth -O float -T
# raw, the same options otherwise). Peaks above full scale are left in the
# floating-point rendering; the game's output limiter takes them.
set -euo pipefail
bgm="${1:?usage: render_music.sh BGM_DIR}"
font=""
for f in /usr/share/sounds/sf2/TimGM6mb.sf2 /usr/share/sounds/sf2/default-GM.sf2; do
  [ -r "$f" ] && { font="$f"; break; }
done
if ! command -v fluidsynth >/dev/null 2>&1 || [ -z "$font" ]; then
  echo "render_music: no fluidsynth or soundfont; the game will synthesise the MIDI files"
  exit 0
fi
gain_of() {
  case "$1" in
    PSMAT065) echo 1.553 ;;
    event8) echo 1.304 ;;
    sense) echo 1.182 ;;
    event9) echo 1.179 ;;
    stage1) echo 1.378 ;;
    stage2) echo 1.393 ;;
    stage3) echo 1.286 ;;
    stage8) echo 1.037 ;;
    *) echo 1.2 ;;
  esac
}
for mid in "$bgm"/*.mid; do
  [ -e "$mid" ] || continue
  name=$(basename "$mid" .mid)
  ogg="$bgm/$name.ogg"
  [ -e "$ogg" ] && [ "$ogg" -nt "$mid" ] && [ "$ogg" -nt "${BASH_SOURCE[0]}" ] && continue
  tmp="$bgm/.$name.rendering.ogg"
  fluidsynth -ni -q -g "$(gain_of "$name")" -r 32000 -O float -T oga -F "$tmp" "$font" "$mid" >/dev/null
  mv -f "$tmp" "$ogg"
done
