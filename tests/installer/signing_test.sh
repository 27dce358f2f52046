#!/usr/bin/env bash
# Signing: with a throw-away certificate, make-package.sh signs every program and library of the package and
# the package itself, and osslsigncode verifies each against that certificate (and against no other). The
# build's own, unsigned package carries no signature.
# Usage: tests/installer/signing_test.sh <win64 build dir>
set -uo pipefail
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

throwaway_cert() { # name
  openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=$1" -addext "extendedKeyUsage=codeSigning" \
    -keyout "$work/$1.key" -out "$work/$1.pem" >/dev/null 2>&1 || { echo "FAIL: openssl"; exit 1; }
}
throwaway_cert zep-signer
throwaway_cert zep-stranger

out="$work/Zephra3-Test-signed.msi"
"$here/../../installer/make-package.sh" --flavor test --version 9.9.9 --product-code "{0C2B5E34-1F7A-4D9B-8E60-3A4C5D6E7F80}" \
  --out "$out" --launcher "$build/bin" --x64 "$build/bin" --sign-cert "$work/zep-signer.pem" \
  --sign-key "$work/zep-signer.key" || { echo "FAIL: make-package.sh"; exit 1; }

verify() { # file, certificate name
  osslsigncode verify -CAfile "$work/$2.pem" -in "$1" 2>&1
}
signed=("$out" "$out.stage"/*.exe "$out.stage"/*.dll "$out.stage"/launcher/*.dll "$out.stage"/setup/*.exe)
[ ${#signed[@]} -eq 6 ] || fail "expected 6 signed files, found ${#signed[@]}: ${signed[*]}"
for f in "${signed[@]}"; do
  name="${f#"$work"/}"
  if verify "$f" zep-signer | grep -q "Signature verification: ok"; then echo "ok: $name signed"; else
    fail "$name: no valid signature: $(verify "$f" zep-signer | tail -2 | tr '\n' ' ')"
  fi
  if verify "$f" zep-stranger | grep -q "Signature verification: ok"; then fail "$name verified by a stranger"; fi
done

unsigned="$(ls "$build"/packages/Zephra3-Test-*.msi | sort -V | tail -1)"
for f in "$unsigned" "$unsigned.stage/Zephra3.exe"; do
  if osslsigncode extract-signature -in "$f" -out "$work/sig" >/dev/null 2>&1; then fail "$(basename "$f") is signed"; else
    echo "ok: $(basename "$f") of the default build is unsigned"
  fi
  rm -f "$work/sig"
done
exit $((failures != 0))
