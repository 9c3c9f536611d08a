#!/usr/bin/env bash
# The Debian package on a clean Debian 12: builds the package with CPack,
# makes a minimal bookworm system with debootstrap, installs the package
# there with apt (which must find every dependency it declares), then starts
# the game the way a desktop does, from its desktop entry (`gio launch`), as
# an ordinary user on a virtual X server, and checks that its window shows a
# drawn title and that its files go to that user's XDG folders.
#
#   sudo scripts/check_clean_install.sh [BUILD_DIR] [ROOT_DIR]
#
# Needs root, network access to a Debian mirror, debootstrap, Xvfb, xdotool
# and ImageMagick's import on the host. ROOT_DIR (default a new temporary
# folder) is reused when it already holds a debootstrapped system.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build/release}" && pwd)
root=${2:-$(mktemp -d /tmp/mirutena-clean.XXXXXX)}
mirror=${MIRROR:-http://deb.debian.org/debian}
[ "$(id -u)" -eq 0 ] || { echo "run as root (chroot and mounts)" >&2; exit 2; }
for tool in debootstrap Xvfb xdotool import cpack; do
  command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 2; }
done
say() { echo "== $*"; }
fail() { echo "FAIL: $*"; exit 1; }

say "package"
out=$(mktemp -d)
(cd "$build" && cpack -G DEB -B "$out" >/dev/null) || fail "cpack"
deb=$(ls "$out"/mirutena_*.deb)
echo "$(basename "$deb"): Depends: $(dpkg-deb -f "$deb" Depends)"

if [ ! -x "$root/usr/bin/apt-get" ]; then
  say "debootstrap bookworm (minbase) into $root"
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$out/debootstrap.log" 2>&1 ||
    { tail "$out/debootstrap.log"; fail "debootstrap"; }
fi
mounts=()
cleanup() {
  for m in "${mounts[@]}"; do umount -l "$m" 2>/dev/null || true; done
  [ -n "${xpid:-}" ] && kill "$xpid" 2>/dev/null || true
  rm -rf "$out"
}
trap cleanup EXIT
for m in proc sys dev; do
  mount --bind "/$m" "$root/$m" && mounts+=("$root/$m")
done
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix" && mounts+=("$root/tmp/.X11-unix")

say "apt install ./$(basename "$deb") (and gio, the desktop's launcher)"
cp "$deb" "$root/tmp/"
chroot "$root" bash -c "apt-get update -q >/dev/null && DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -q --no-install-recommends /tmp/$(basename "$deb") libglib2.0-bin" \
  >"$out/apt.log" 2>&1 || { tail -20 "$out/apt.log"; fail "apt could not install the package"; }
grep -E "^(Setting up|Unpacking) mirutena" "$out/apt.log" || true
echo "packages installed with it: $(grep -c '^Setting up' "$out/apt.log")"
chroot "$root" userdel -r player >/dev/null 2>&1 || true
chroot "$root" useradd -m player

disp=""
for d in $(seq 71 120); do [ -e "/tmp/.X$d-lock" ] || { disp=":$d"; break; }; done
Xvfb "$disp" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
for _ in $(seq 100); do DISPLAY=$disp xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done

say "gio launch org.mirutena.Mirutena.desktop as user player on $disp"
chroot "$root" su - player -c "DISPLAY=$disp SDL_AUDIODRIVER=dummy \
  gio launch /usr/share/applications/org.mirutena.Mirutena.desktop" >"$out/launch.log" 2>&1 &
wid=""
for _ in $(seq 150); do
  wid=$(DISPLAY=$disp xdotool search --onlyvisible --class "mirutena" 2>/dev/null | head -n 1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || { cat "$out/launch.log"; fail "no window appeared"; }
echo "window: $(DISPLAY=$disp xdotool getwindowclassname "$wid" 2>/dev/null) $(DISPLAY=$disp xdotool getwindowgeometry "$wid" | tr '\n' ' ')"
sleep 3
DISPLAY=$disp import -window root "$out/screen.png"
colours=$(convert "$out/screen.png" -format "%k" info:)
echo "colours on the screen: $colours"
[ "$colours" -gt 50 ] || fail "the window shows no drawn title"
cp "$out/screen.png" "${SHOT:-/tmp/mirutena-clean-install.png}"
# F4 turns the music off, a setting that is kept: the settings file follows.
DISPLAY=$disp xdotool windowfocus --sync "$wid" key F4 2>/dev/null || true
sleep 1
pid=$(DISPLAY=$disp xdotool getwindowpid "$wid")
kill -TERM "$pid"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
say "the player's folders"
chroot "$root" su - player -c "find ~/.config/mirutena ~/.local/share/mirutena -type f 2>/dev/null" |
  tee "$out/files.txt"
grep -q "/.config/mirutena/settings.ini" "$out/files.txt" || fail "no settings in ~/.config/mirutena"
grep -q "/.local/share/mirutena/" "$out/files.txt" || fail "nothing saved in ~/.local/share/mirutena"
chroot "$root" su - player -c "cat ~/.config/mirutena/settings.ini" | grep -Ei "^music" || true
if find "$root/usr/share/mirutena" -newer "$root/tmp/$(basename "$deb")" -type f | grep -q .; then
  fail "the game wrote into its installed data folder"
fi
say "ok: installed on a clean Debian 12 and started from its desktop entry"
