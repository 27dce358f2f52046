#!/usr/bin/env bash
# Lays out a demo installation of Zephra3 in the Wine prefix of a win64 build:
#
#   C:\Program Files\Zephra\Zephra3\         Zephra3.exe, ZepHook64.dll (bound through its import table),
#                                            LaunchInfo.ini, Help.mht
#   C:\Program Files (x86)\Zephra\Zephra3\   ZepAssistant64.exe, ZepHook64.dll (the launcher starts the
#                                            assistant from this fixed folder)
#   each tool of LaunchInfo.ini              the demo tool program under the tool's name, in the tool's folder
#   HKLM\Software\Zephra                     one REG_SZ per installed tool: its install folder (also in the
#                                            32-bit view, for a 32-bit launcher)
#   HKCU\Software\Zephra  Direction          REG_DWORD, the dock edge
#
# Usage: tools/demo/install.sh <win64 build dir> [--tools "ZepBright ZepAir ..."] [--edge N] [--prefix DIR]
#   --tools   the tools to install (section names of LaunchInfo.ini); default: all of them. Tools not named
#             are removed: no folder, no registry value.
#   --edge    the stored dock edge (0 right, 1 left, 2 top, 3 bottom; other numbers are stored as given).
#   --prefix  install into this Wine prefix instead of the build's test prefix (created when missing).
# Idempotent: running it again with other options turns the installation into the one asked for.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
ini="$here/../../installer/LaunchInfo.ini"
help_file="$here/../../launcher/res/Help.mht"

usage() {
  sed -n '2,20p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
}

[ $# -ge 1 ] || usage
build="$(cd "$1" && pwd)"
shift
tools_arg=ALL
edge=0
prefix=
while [ $# -gt 0 ]; do
  case "$1" in
  --tools) tools_arg="$2"; shift 2 ;;
  --edge) edge="$2"; shift 2 ;;
  --prefix) prefix="$2"; shift 2 ;;
  *) usage ;;
  esac
done
[[ "$edge" =~ ^[0-9]+$ ]] || { echo "install: --edge wants a number, got '$edge'" >&2; exit 2; }

# Wine environment: the build's private one, or the given prefix.
wine=/usr/lib/wine/wine64
if [ -n "$prefix" ]; then
  mkdir -p "$prefix"
  export WINEPREFIX="$(cd "$prefix" && pwd)" WINEARCH=win64
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}" WINEDEBUG="${WINEDEBUG:--all}"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "install: creating Wine prefix $WINEPREFIX"
    "$wine" wineboot -i </dev/null >/dev/null 2>&1
    wineserver -w
  fi
else
  [ -x "$build/wine-run.sh" ] || { echo "install: $build has no wine-run.sh (not a win64 build?)" >&2; exit 2; }
  eval "$("$build/wine-run.sh" --env)"
  export WINEDEBUG=-all
fi

# Unix folder of a C:\ path inside the prefix.
drive_c="$("$wine" winepath.exe -u 'C:\' </dev/null 2>/dev/null | tr -d '\r')"
[ -d "$drive_c" ] || { echo "install: cannot find drive C: of $WINEPREFIX" >&2; exit 1; }
unix_path() { # C:\a\b\ -> <drive_c>/a/b
  local p="${1#[Cc]:\\}"
  p="${p%\\}"
  printf '%s/%s' "${drive_c%/}" "${p//\\//}"
}

# Programs of the build.
find_built() {
  local f
  for f in "$build/bin/$1" "$build/$1"; do
    [ -f "$f" ] && { printf '%s' "$f"; return 0; }
  done
  f="$(find "$build" -name "$1" -not -path "*/wine/*" -print -quit 2>/dev/null)"
  printf '%s' "$f"
}
launcher="$(find_built Zephra3.exe)"
assistant="$(find_built ZepAssistant64.exe)"
hook="$(find_built ZepHook64.dll)"
demo_tool="$(find_built zep_demo_tool.exe)"
status=0
for pair in "Zephra3.exe:$launcher" "ZepAssistant64.exe:$assistant" "ZepHook64.dll:$hook" \
            "zep_demo_tool.exe:$demo_tool"; do
  if [ -z "${pair#*:}" ]; then
    echo "install: ${pair%%:*} is not built in $build; the installation lacks it" >&2
    status=3
  fi
done

# Copies only what changed; `install` replaces the file instead of writing into it, so a running program
# keeps its old image.
put() { # source, destination folder, [name]
  [ -n "$1" ] || return 0
  mkdir -p "$2"
  install -C -m 0755 "$1" "$2/${3:-$(basename "$1")}"
}

main_dir="$(unix_path 'C:\Program Files\Zephra\Zephra3\')"
x86_dir="$(unix_path 'C:\Program Files (x86)\Zephra\Zephra3\')"
put "$launcher" "$main_dir"
put "$hook" "$main_dir"
put "$ini" "$main_dir"
put "$help_file" "$main_dir"
put "$assistant" "$x86_dir"
put "$hook" "$x86_dir"

# Tools of the configuration file: section name, folder and program name per slot (keys 0-9 and 6.1).
ini_value() { # section, key
  tr -d '\r' <"$ini" | awk -v section="[$1]" -v key="$2" '
    /^\[/ { inside = (tolower($0) == tolower(section)); next }
    inside && index($0, "=") { k = substr($0, 1, index($0, "=") - 1); if (tolower(k) == tolower(key)) { print substr($0, index($0, "=") + 1); exit } }'
}
all_tools=()
for key in 0 1 2 3 4 5 6 7 8 9 6.1; do
  name="$(ini_value AppName "$key")"
  [ -n "$name" ] && all_tools+=("$name")
done
if [ "$tools_arg" = ALL ]; then
  chosen=("${all_tools[@]}")
else
  read -r -a chosen <<<"$tools_arg"
  for t in "${chosen[@]}"; do
    [[ " ${all_tools[*]} " == *" $t "* ]] || { echo "install: '$t' is no tool of LaunchInfo.ini (${all_tools[*]})" >&2; exit 2; }
  done
fi

# Windows folder of a tool, without the trailing backslash: the launcher tests the install path with a
# file search, which finds nothing for a path that ends in a backslash.
tool_folder() {
  local path
  path="$(ini_value "$1" ExecutePath)"
  case "$path" in
  [A-Za-z]:\\*) ;;
  *) path="C:\\Program Files$path" ;;
  esac
  printf '%s' "${path%\\}"
}

reg_file="$(mktemp "${TMPDIR:-/tmp}/zep-demo-XXXXXX.reg")"
trap 'rm -f "$reg_file"' EXIT
{
  echo 'REGEDIT4'
  echo
  for view in 'Software\Zephra' 'Software\Wow6432Node\Zephra'; do
    echo "[-HKEY_LOCAL_MACHINE\\$view]"
    echo "[HKEY_LOCAL_MACHINE\\$view]"
  done
} >"$reg_file"

installed=()
for t in "${all_tools[@]}"; do
  folder="$(tool_folder "$t")"
  exe="$(ini_value "$t" ExecuteName)"
  if [[ " ${chosen[*]} " == *" $t "* ]]; then
    put "$demo_tool" "$(unix_path "$folder")" "$exe"
    installed+=("$t")
    value="${folder//\\/\\\\}"
    for view in 'Software\Zephra' 'Software\Wow6432Node\Zephra'; do
      printf '[HKEY_LOCAL_MACHINE\\%s]\n"%s"="%s"\n' "$view" "$t" "$value" >>"$reg_file"
    done
  else
    rm -rf "$(unix_path "$folder")"
  fi
done
printf '[HKEY_CURRENT_USER\\Software\\Zephra]\n"Direction"=dword:%08x\n' "$edge" >>"$reg_file"

"$wine" reg.exe import "Z:${reg_file//\//\\}" </dev/null >/dev/null 2>&1 || {
  echo "install: registry import failed" >&2
  exit 1
}

echo "install: prefix $WINEPREFIX; edge $edge; tools: ${installed[*]:-none}"
exit $status
