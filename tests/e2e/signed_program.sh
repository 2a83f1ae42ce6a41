#!/usr/bin/env bash
# A release signed with the code-signing certificate of a throwaway CA made here: it verifies
# against that CA, comes back unsigned byte for byte and runs under Wine as before. The shipped
# 32-bit program (a 4th argument, where Wine runs a 64-bit build) is signed and checked first.
source "$(dirname "$0")/lib.sh"
shipped=$(realpath "${4:-$1}")
e2e_begin "${@:1:3}"
root=$(cd "$E2E_LIB_DIR/../.." && pwd) pki=$(mktemp -d) url=https://example.com/velkaris-labels
e2e_on_end "rm -rf '$pki'"
certificate() { openssl req -x509 -config /dev/null -newkey rsa:2048 -nodes -days 2 "$@" 2>>"$pki/openssl.log"; }
certificate -keyout "$pki/ca.key" -out "$pki/ca.pem" -subj '/CN=Throwaway CA' \
    -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign
certificate -keyout "$pki/signer.key" -out "$pki/signer.pem" -subj '/CN=Velkaris test' -CA "$pki/ca.pem" \
    -CAkey "$pki/ca.key" -addext keyUsage=critical,digitalSignature -addext extendedKeyUsage=codeSigning
P=secret openssl pkcs12 -export -inkey "$pki/signer.key" -in "$pki/signer.pem" -out "$pki/signer.p12" -passout env:P
message=$(env -u VELKARIS_SIGN_PKCS12 bash "$root/scripts/sign" "$shipped" "$pki/none" 2>&1) &&
    e2e_fail "signed without a certificate"
[[ $message == *'set VELKARIS_SIGN_PKCS12'* ]] || e2e_fail "without a certificate scripts/sign says \"$message\""
for program in "$shipped" "$E2E_PROGRAM"; do
    dist=$(mktemp -d -p "$pki") && signed=$dist/velkaris-labels.exe
    VELKARIS_SIGN_PKCS12=$pki/signer.p12 VELKARIS_SIGN_PASSWORD=secret VELKARIS_SIGN_URL=$url \
        bash "$root/scripts/sign" "$program" "$dist" >"$E2E_RUN/sign.log" 2>&1 ||
        e2e_fail "scripts/sign: $(<"$E2E_RUN/sign.log")"
    osslsigncode verify -CAfile "$pki/ca.pem" -TSA-CAfile "$pki/ca.pem" -in "$signed" >"$E2E_RUN/verify.log" 2>&1 &&
        grep -q "digest algorithm *: SHA256" "$E2E_RUN/verify.log" &&
        grep -qF "URL description: $url" "$E2E_RUN/verify.log" &&
        grep -q 'Text description: Velkaris label pack for Microsoft Word' "$E2E_RUN/verify.log" ||
        e2e_fail "the signature does not verify with SHA-256, the description and the page (see $E2E_RUN/verify.log)"
    osslsigncode remove-signature -in "$signed" -out "$dist/stripped.exe" >/dev/null &&
        cmp "$dist/stripped.exe" "$program" && (cd "$dist" && sha256sum --quiet -c SHA256SUMS) &&
        grep -q "commit $(git -C "$root" rev-parse HEAD)" "$dist/SHA256SUMS" ||
        e2e_fail "unsigned again, ${program##*/} differs, or SHA256SUMS does not hold: $(<"$dist/SHA256SUMS")"
done
E2E_PROGRAM=$signed
e2e_add_word 11.0
e2e_run_answering_yes_expect_done
