#!/bin/bash
# A release signed with a throw-away certificate: refused without one, the
# signature verifies and breaks with one byte changed, taking it off gives
# back the built program, and the signed program passes the typical run and
# the export tests under Wine.
# Usage: signed_release.sh SOURCE_DIR BUILT_PROGRAM SCENARIO_TESTS EXPORT_TESTS
set -u
source_dir=$1 built=$2 scenario_tests=$3 export_tests=$4
release=$source_dir/scripts/release.sh

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tarvex-release.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

if env -u SIGN_CERT -u SIGN_KEY "$release" "$built" "$scratch/unsigned" > "$scratch/refusal.txt" 2>&1; then
    fail "released without a certificate"
fi
grep -q "SIGN_CERT and SIGN_KEY are not set" "$scratch/refusal.txt" || fail "no reason given: $(cat "$scratch/refusal.txt")"
[ ! -e "$scratch/unsigned" ] || fail "an unsigned release was left in $scratch/unsigned"

# A key with a password, so that SIGN_PASS is used too.
openssl req -x509 -newkey rsa:2048 -keyout "$scratch/key.pem" -out "$scratch/cert.pem" -days 2 \
    -subj "/CN=Tarvex test signing" -addext extendedKeyUsage=codeSigning -passout pass:test-only > /dev/null 2>&1 ||
    { echo "FAILED: openssl could not make a certificate"; exit 1; }
SIGN_CERT=$scratch/cert.pem SIGN_KEY=$scratch/key.pem SIGN_PASS=test-only "$release" "$built" "$scratch/release" ||
    { echo "FAILED: release.sh did not sign"; exit 1; }
signed=$scratch/release/SETUP.EXE
(cd "$scratch/release" && sha256sum --check --strict SETUP.EXE.sha256) || fail "the checksum file does not match"

# The certificate is its own root, so it is the only one to trust.
osslsigncode verify -CAfile "$scratch/cert.pem" -in "$signed" > "$scratch/verify.txt" 2>&1 ||
    fail "the signature does not verify: $(cat "$scratch/verify.txt")"
cp "$signed" "$scratch/changed.exe"
offset=4096
byte=$(od -An -tu1 -j $offset -N 1 "$scratch/changed.exe" | tr -d ' ')
printf "\\$(printf %o $((byte ^ 1)))" | dd of="$scratch/changed.exe" bs=1 seek=$offset conv=notrunc status=none
cmp -s "$signed" "$scratch/changed.exe" && fail "the byte at $offset was not changed"
osslsigncode verify -CAfile "$scratch/cert.pem" -in "$scratch/changed.exe" > /dev/null 2>&1 &&
    fail "the signature verifies with byte $offset changed"

# Anyone who builds the same sources can check that the signature is all
# the release adds.
osslsigncode remove-signature -in "$signed" -out "$scratch/signature-removed.exe" > /dev/null 2>&1 ||
    fail "the signature could not be taken off"
cmp "$built" "$scratch/signature-removed.exe" || fail "without its signature the release is not the built program"

# The signed program in the runs of the test programs (drive Z: is /).
export TARVEX_SETUP_PROGRAM="Z:${signed//\//\\}"
run_signed() {
    "$source_dir/scripts/wine-run.sh" "$@" > "$scratch/run.txt" 2>&1 || fail "$* with the signed program: $(cat "$scratch/run.txt")"
    grep -qF "TARVEX_SETUP_PROGRAM: $TARVEX_SETUP_PROGRAM" "$scratch/run.txt" ||
        fail "$* did not test the signed program: $(cat "$scratch/run.txt")"
    grep "PASSED" "$scratch/run.txt"
}
run_signed "$scenario_tests" --gtest_filter=Scenario.Typical
run_signed "$export_tests"

[ $failures -eq 0 ] || exit 1
echo "signed, verified, refused when changed, and the signed program passed its runs"
