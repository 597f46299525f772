#!/usr/bin/env bash
# Builds the program and starts it in its own working folder, which holds the
# catalogue Redox-F.txt; a copy of the shipped catalogue is put there only
# when the folder has none, so the teacher's additions are never overwritten.
set -euo pipefail

source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
working_dir="${XDG_DATA_HOME:-$HOME/.local/share}/redox-lehrprogramm"

bash "$source_dir/scripts/install-deps.sh"

cd "$source_dir"
cmake --preset release
cmake --build --preset release --target redox

mkdir -p "$working_dir"
if [[ ! -e "$working_dir/Redox-F.txt" ]]; then
  cp "$source_dir/data/Redox-F.txt" "$working_dir/Redox-F.txt"
fi

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are empty); start the program on a virtual one with: xvfb-run -a bash scripts/start.sh" >&2
  exit 1
fi

cd "$working_dir"
exec "$source_dir/build/release/app/redox"
