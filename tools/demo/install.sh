#!/usr/bin/env bash
# Lays out a demo installation of Zephra3 in the Wine prefix of a win64 build:
#
#   the dock                                 the build's test package (packages/Zephra3-Test-*.msi),
#                                            installed with msiexec: Zephra3.exe, ZepHook64.dll,
#                                            LaunchInfo.ini and Help.mht in C:\Program Files\Zephra\Zephra3\,
#                                            ZepAssistant64.exe and ZepHook64.dll in
#                                            C:\Program Files (x86)\Zephra\Zephra3\, the autostart value and
#                                            the Start-menu entry. Installed again whenever an installed file
#                                            differs from the package's (a newer build, or a damaged file).
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
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}" WINEDEBUG="${WINEDEBUG:--all}"
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

# The test package and the demo tool of the build.
package="$(ls "$build"/packages/Zephra3-Test-*.msi 2>/dev/null | sort -V | tail -1)"
[ -f "$package" ] || { echo "install: no test package in $build/packages (build the win64 preset)" >&2; exit 3; }
demo_tool="$build/bin/zep_demo_tool.exe"
[ -f "$demo_tool" ] || { echo "install: $demo_tool is not built" >&2; exit 3; }
status=0

win_path() { # unix path -> Z:\...
  local p
  p="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
  printf 'Z:%s' "${p//\//\\}"
}

# The package's files (make-package.sh stages them beside it) against the installed ones.
main_dir="$(unix_path 'C:\Program Files\Zephra\Zephra3\')"
x86_dir="$(unix_path 'C:\Program Files (x86)\Zephra\Zephra3\')"
stage="$package.stage"
dock_intact() {
  local pair
  for pair in "Zephra3.exe:$main_dir/Zephra3.exe" "launcher/ZepHook64.dll:$main_dir/ZepHook64.dll" \
              "LaunchInfo.ini:$main_dir/LaunchInfo.ini" "Help.mht:$main_dir/Help.mht" \
              "ZepAssistant64.exe:$x86_dir/ZepAssistant64.exe" "ZepHook64.dll:$x86_dir/ZepHook64.dll"; do
    cmp -s "$stage/${pair%%:*}" "${pair#*:}" || return 1
  done
}

# Product codes of every installed Zephra3 test package, whatever its version.
installed_products() {
  local export_file
  export_file="$(mktemp "${TMPDIR:-/tmp}/zep-uninstall-XXXXXX.reg")"
  "$wine" regedit.exe /E "$(win_path "$export_file")" \
    'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall' </dev/null >/dev/null 2>&1 || true
  iconv -f UTF-16LE -t UTF-8 "$export_file" 2>/dev/null | tr -d '\r' | awk '
    /^\[/ { key = $0; sub(/.*\\/, "", key); sub(/\]$/, "", key); next }
    /^"DisplayName"="Zephra3 \(64-bit test build\)"$/ { print key }'
  rm -f "$export_file"
}

# Installed means registered too: a newer package's files may equal this one's.
product_code="$(msiinfo export "$package" Property | tr -d '\r' | awk -F '\t' '$1 == "ProductCode" { print $2 }')"
product_registered() {
  "$wine" reg.exe query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product_code" \
    </dev/null >/dev/null 2>&1
}

if dock_intact && product_registered; then
  echo "install: the dock is installed from $(basename "$package")"
else
  for product in $(installed_products); do
    "$wine" msiexec.exe /x "$product" /qn </dev/null >/dev/null 2>&1 || true
  done
  if ! "$wine" msiexec.exe /i "$(win_path "$package")" /qn </dev/null >/dev/null 2>&1; then
    echo "install: msiexec could not install $package" >&2
    exit 1
  fi
  dock_intact || { echo "install: the installed files differ from the package's" >&2; exit 1; }
  echo "install: installed $(basename "$package")"
fi

# Copies only what changed; `install` replaces the file instead of writing into it, so a running program
# keeps its old image.
put() { # source, destination folder, [name]
  mkdir -p "$2"
  install -C -m 0755 "$1" "$2/${3:-$(basename "$1")}"
}

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
