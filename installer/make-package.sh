#!/usr/bin/env bash
# Builds a Zephra3 installer package with wixl from Zephra3.wxs.
#
#   make-package.sh --flavor release|test --version X.Y.Z --product-code GUID --out FILE.msi
#                   --launcher DIR --x64 DIR [--sign-cert CERT.pem --sign-key KEY.pem]
#
#   --launcher  the launcher's build output: Zephra3.exe, its hook library (ZepHook.dll for the release,
#               ZepHook64.dll for the test build) and ZepCloseLauncher.exe (release) or
#               ZepCloseLauncher64.exe (test)
#   --x64       the 64-bit build output: ZepAssistant64.exe, ZepHook64.dll, ZepCloseLauncher64.exe
#   --sign-*    sign every program and library, then the package, with osslsigncode (SHA-256)
#
# The files are staged in FILE.msi.stage/ first, so that signing never touches a build's own outputs.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
flavor= version= product_code= out= launcher_dir= x64_dir= cert= key=
while [ $# -gt 0 ]; do
  case "$1" in
  --flavor) flavor="$2" ;;
  --version) version="$2" ;;
  --product-code) product_code="$2" ;;
  --out) out="$2" ;;
  --launcher) launcher_dir="$2" ;;
  --x64) x64_dir="$2" ;;
  --sign-cert) cert="$2" ;;
  --sign-key) key="$2" ;;
  *) echo "make-package: unknown option $1" >&2; exit 2 ;;
  esac
  shift 2
done
case "$flavor" in
release) launcher_hook=ZepHook.dll; arch=x86 ;;
test) launcher_hook=ZepHook64.dll; arch=x64 ;;
*) echo "make-package: --flavor release or test" >&2; exit 2 ;;
esac
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "make-package: --version X.Y.Z, got '$version'" >&2; exit 2; }
[ -n "$product_code" ] && [ -n "$out" ] && [ -n "$launcher_dir" ] && [ -n "$x64_dir" ] ||
  { echo "make-package: --product-code, --out, --launcher and --x64 are needed" >&2; exit 2; }
if [ -n "$cert$key" ] && { [ ! -f "$cert" ] || [ ! -f "$key" ]; }; then
  echo "make-package: signing needs both --sign-cert and --sign-key as files" >&2
  exit 2
fi

stage="$out.stage"
rm -rf "$stage"
mkdir -p "$stage/launcher" "$stage/setup"
need() { # file
  [ -f "$1" ] || { echo "make-package: missing $1 (build the preset that makes it first)" >&2; exit 1; }
  printf '%s' "$1"
}
cp "$(need "$launcher_dir/Zephra3.exe")" "$stage/"
cp "$(need "$launcher_dir/$launcher_hook")" "$stage/launcher/"
cp "$(need "$x64_dir/ZepAssistant64.exe")" "$(need "$x64_dir/ZepHook64.dll")" "$stage/"
cp "$(need "$x64_dir/ZepCloseLauncher64.exe")" "$stage/setup/"
[ "$flavor" = test ] || cp "$(need "$launcher_dir/ZepCloseLauncher.exe")" "$stage/setup/"
cp "$here/LaunchInfo.ini" "$here/../launcher/res/Help.mht" "$here/../launcher/res/Zephra3.ico" "$stage/"

sign() { # file
  osslsigncode sign -certs "$cert" -key "$key" -h sha256 -n "Zephra3" -in "$1" -out "$1.signed" >/dev/null
  mv "$1.signed" "$1"
}
if [ -n "$cert" ]; then
  for f in "$stage"/*.exe "$stage"/*.dll "$stage"/launcher/*.dll "$stage"/setup/*.exe; do sign "$f"; done
fi

out="$(cd "$(dirname "$out")" && pwd)/$(basename "$out")"
(cd "$stage" && wixl -a "$arch" -D Flavor="$flavor" -D Version="$version" -D ProductCode="$product_code" \
  -o "$out.tmp" "$here/Zephra3.wxs")

# Closing a running launcher: ZepCloseLauncher from the Binary table (type 2, 64: its exit code ignored),
# immediate, so it runs as the installing user in that user's session, where the launcher's named objects
# live. Sequence 1300: after a refused downgrade has stopped the installation (launch conditions, 100),
# before files in use are looked for (InstallValidate, 1400). The 64-bit build on x64 Windows, the 32-bit
# one elsewhere.
close_action() { # binary, condition
  printf "INSERT INTO \`CustomAction\` (\`Action\`, \`Type\`, \`Source\`, \`Target\`) VALUES ('%s', 66, '%s', 'close');" "$1" "$1"
  printf "INSERT INTO \`InstallExecuteSequence\` (\`Action\`, \`Condition\`, \`Sequence\`) VALUES ('%s', '%s', 1300);" "$1" "$2"
}
queries="$(close_action CloseLauncher64 VersionNT64)"
[ "$flavor" = test ] || queries+="$(close_action CloseLauncher32 'NOT VersionNT64')"

# The machine key the tools write their install paths into, made with the dock ("+": created if missing,
# never removed by the installer), so that a dock installed before its first tool watches it from the
# start. Once a removal is over, ZepCloseLauncher removes it again unless something else wrote to it. The
# key lies in the registry view the launcher reads: the 32-bit one for the release, the native one for the
# test build.
case "$flavor" in release) view=tidy32 ;; test) view=tidy64 ;; esac
queries+="INSERT INTO \`Registry\` (\`Registry\`, \`Root\`, \`Key\`, \`Name\`, \`Component_\`) VALUES ('MachineKey', 2, 'Software\\Zephra', '+', 'Launcher');"
tidy_action() { # binary, condition
  printf "INSERT INTO \`CustomAction\` (\`Action\`, \`Type\`, \`Source\`, \`Target\`) VALUES ('Tidy%s', 66, '%s', '%s');" "$1" "$1" "$view"
  printf "INSERT INTO \`InstallExecuteSequence\` (\`Action\`, \`Condition\`, \`Sequence\`) VALUES ('Tidy%s', '%s', 6650);" "$1" "$2"
}
queries+="$(tidy_action CloseLauncher64 'REMOVE="ALL" AND VersionNT64')"
[ "$flavor" = test ] || queries+="$(tidy_action CloseLauncher32 'REMOVE="ALL" AND NOT VersionNT64')"
msibuild "$out.tmp" -q "$queries"

[ -z "$cert" ] || sign "$out.tmp"
mv "$out.tmp" "$out"
