#!/bin/bash
# Signs the shipped SETUP.EXE with Authenticode and puts it into the release
# folder beside its SHA-256 checksum (sha256sum's format). The signing
# settings come from the environment (make release passes them on):
#   SIGN_CERT           the code-signing certificate, or its chain (PEM or DER)
#   SIGN_KEY            its private key (PEM or DER)
#   SIGN_PASS           the key's password, if it has one
#   SIGN_TIMESTAMP_URL  an RFC 3161 time-stamp server, so that the signature
#                       stays valid after the certificate expires
# Usage: release.sh --check              checks the settings only
#        release.sh [PROGRAM [FOLDER]]    signs PROGRAM (dist/win32/SETUP.EXE)
#                                         into FOLDER (dist/release)
set -u
here=$(cd "$(dirname "$0")/.." && pwd)

refuse() {
    echo "release: $*" >&2
    exit 2
}

if [ -z "${SIGN_CERT:-}" ] || [ -z "${SIGN_KEY:-}" ]; then
    cat >&2 <<'EOF'
release: SIGN_CERT and SIGN_KEY are not set: SETUP.EXE is only released signed,
so nothing was signed and no release made. Name the code-signing certificate
and its private key, for example:
  make release SIGN_CERT=cert.pem SIGN_KEY=key.pem [SIGN_PASS=...] [SIGN_TIMESTAMP_URL=http://...]
EOF
    exit 2
fi
[ -r "$SIGN_CERT" ] || refuse "cannot read the certificate SIGN_CERT=$SIGN_CERT"
[ -r "$SIGN_KEY" ] || refuse "cannot read the private key SIGN_KEY=$SIGN_KEY"
[ "${1:-}" = "--check" ] && exit 0

program=${1:-$here/dist/win32/SETUP.EXE}
folder=${2:-$here/dist/release}
[ -f "$program" ] || refuse "$program is missing: build it first (make)"
command -v osslsigncode >/dev/null || refuse "osslsigncode is missing: scripts/deps.sh installs it"

name=$(basename "$program")
signed=$folder/$name
mkdir -p "$folder" || exit 1
# Never leave an earlier release beside a failed signing.
rm -f "$signed" "$signed.sha256" "$signed.part"

options=(sign -certs "$SIGN_CERT" -key "$SIGN_KEY" -h sha256 -n "Tarvex Setup")
[ -n "${SIGN_TIMESTAMP_URL:-}" ] && options+=(-ts "$SIGN_TIMESTAMP_URL")
# The password goes through a pipe, never onto a command line others can read.
if [ -n "${SIGN_PASS:-}" ]; then
    output=$(printf '%s' "$SIGN_PASS" | osslsigncode "${options[@]}" -readpass - -in "$program" -out "$signed.part" 2>&1)
else
    output=$(osslsigncode "${options[@]}" -in "$program" -out "$signed.part" 2>&1 </dev/null)
fi
status=$?
if [ $status -ne 0 ] || [ ! -s "$signed.part" ]; then
    rm -f "$signed.part"
    echo "$output" >&2
    echo "release: signing $program failed (osslsigncode exit $status)" >&2
    exit 1
fi
mv "$signed.part" "$signed" || exit 1
(cd "$folder" && sha256sum "$name" > "$name.sha256") || exit 1

echo "release: $signed signed, checksum in $signed.sha256"
cat "$signed.sha256"
