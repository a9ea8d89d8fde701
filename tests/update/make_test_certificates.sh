#!/usr/bin/env bash
# Makes a certificate authority for the tests and a certificate it signs for
# the local web server at 127.0.0.1, so the editor can verify the server as it
# verifies the maker's. Usage: make_test_certificates.sh OUTPUT_FOLDER
set -euo pipefail
out=$1
mkdir -p "$out"
cd "$out"
curve=(-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes)
openssl req -x509 "${curve[@]}" -keyout ca.key -out ca.pem -days 3650 \
  -subj "/CN=Tarnwick test authority" \
  -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" \
  2>/dev/null
openssl req "${curve[@]}" -keyout server.key.tmp -out server.csr -subj "/CN=127.0.0.1" 2>/dev/null
printf 'subjectAltName=IP:127.0.0.1,DNS:localhost\nbasicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\n' >server.ext
openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 3650 \
  -extfile server.ext -out server.pem 2>/dev/null
# Qt reads the key in the traditional form.
openssl ec -in server.key.tmp -out server.key 2>/dev/null
rm -f server.key.tmp server.csr server.ext ca.srl
