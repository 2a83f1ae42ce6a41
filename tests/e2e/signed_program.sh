#!/usr/bin/env bash
# A signed release. A throwaway CA, made here with openssl and removed at the end,
# issues a code-signing certificate, and scripts/sign signs the program with it:
# the signature verifies against that CA with the program's description and page,
# taking it off gives back the unsigned bytes, the checksum file holds and names
# the commit, and the signed program runs under Wine as before.
#
#   bash signed_program.sh PROGRAM_EXE HELPERS_DIR WORK_DIR [SHIPPED_EXE]
#
# SHIPPED_EXE, the 32-bit program, is signed and checked too where Wine runs a
# 64-bit build (PROGRAM_EXE) instead.
source "$(dirname "$0")/lib.sh"
shipped=$(realpath "${4:-$1}")
e2e_begin "${@:1:3}"
root=$(cd "$E2E_LIB_DIR/../.." && pwd)

pki=$(mktemp -d)
e2e_on_end "rm -rf '$pki'"
quiet() { "$@" >"$pki/openssl.log" 2>&1 || e2e_fail "$1 failed: $(<"$pki/openssl.log")"; }
quiet openssl req -x509 -newkey rsa:2048 -nodes -keyout "$pki/ca.key" -out "$pki/ca.pem" -days 2 \
    -subj '/CN=Throwaway test CA' -addext 'basicConstraints=critical,CA:TRUE' \
    -addext 'keyUsage=critical,keyCertSign,cRLSign'
quiet openssl req -newkey rsa:2048 -nodes -keyout "$pki/signer.key" -out "$pki/signer.csr" \
    -subj '/CN=Velkaris test signer/O=Velkaris'
printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >"$pki/signer.ext"
quiet openssl x509 -req -in "$pki/signer.csr" -CA "$pki/ca.pem" -CAkey "$pki/ca.key" -set_serial 1 -days 2 \
    -extfile "$pki/signer.ext" -out "$pki/signer.pem"
quiet env PASSWORD='test only' openssl pkcs12 -export -inkey "$pki/signer.key" -in "$pki/signer.pem" \
    -certfile "$pki/ca.pem" -out "$pki/signer.p12" -passout env:PASSWORD
url='https://example.com/velkaris-labels'

sign() {
    VELKARIS_SIGN_PKCS12="$pki/signer.p12" VELKARIS_SIGN_PASSWORD='test only' VELKARIS_SIGN_URL=$url \
        bash "$root/scripts/sign" "$@" >"$pki/sign.log" 2>&1
}
message=$(env -u VELKARIS_SIGN_PKCS12 bash "$root/scripts/sign" "$shipped" "$pki/none" 2>&1) &&
    e2e_fail "scripts/sign signed without a certificate"
[[ $message == *'set VELKARIS_SIGN_PKCS12'* ]] || e2e_fail "without a certificate scripts/sign says \"$message\""

out=0
for program in $(printf '%s\n' "$shipped" "$E2E_PROGRAM" | sort -u); do
    out=$((out + 1))
    dist="$pki/dist-$out"
    sign "$program" "$dist" || e2e_fail "scripts/sign failed: $(<"$pki/sign.log")"
    signed="$dist/velkaris-labels.exe"
    osslsigncode verify -CAfile "$pki/ca.pem" -TSA-CAfile "$pki/ca.pem" -in "$signed" >"$E2E_RUN/verify-$out.log" 2>&1 ||
        e2e_fail "the signature does not verify against the CA: $(tail -n 5 "$E2E_RUN/verify-$out.log")"
    grep -q 'Text description: Velkaris label pack for Microsoft Word' "$E2E_RUN/verify-$out.log" &&
        grep -qF "URL description: $url" "$E2E_RUN/verify-$out.log" &&
        grep -q 'Message digest algorithm *: SHA256' "$E2E_RUN/verify-$out.log" ||
        e2e_fail "the signature lacks SHA-256, the description or the page (see $E2E_RUN/verify-$out.log)"
    rm -f "$pki/stripped.exe"
    osslsigncode remove-signature -in "$signed" -out "$pki/stripped.exe" >/dev/null
    cmp -s "$pki/stripped.exe" "$program" || e2e_fail "without its signature ${program##*/} is not the unsigned program"
    (cd "$dist" && sha256sum --quiet -c SHA256SUMS) &&
        grep -q "built from commit $(git -C "$root" rev-parse HEAD)" "$dist/SHA256SUMS" ||
        e2e_fail "SHA256SUMS does not hold: $(<"$dist/SHA256SUMS")"
    [[ $program != "$E2E_PROGRAM" ]] || run=$signed
    e2e_log "  ${program#"$root"/}: signed, verified against the throwaway CA, comes back unsigned byte for byte"
done

E2E_PROGRAM=$run
e2e_add_word 11.0
e2e_snapshot before
e2e_run_answering_yes_expect_done
e2e_snapshot after
e2e_expect_installed before after 11.0:100
