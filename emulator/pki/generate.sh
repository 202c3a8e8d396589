#!/bin/sh
# Regenerates the emulator's test PKI. Run once; the outputs are committed so
# that every build and test uses the same certificates. Nothing here is ever
# used outside loopback tests and the emulator.
#
#   root-ca       the application's trusted certificate (copied to resources/ca.der)
#   server        leaf for 127.0.0.1 and localhost, signed by root-ca
#   foreign-ca    an unrelated authority, and foreign-server, its leaf for 127.0.0.1
#   expired       leaf for 127.0.0.1 signed by root-ca, valid only during 2020
#   wrong-host    leaf for "router.invalid" signed by root-ca
#
# Validity runs from 2020 to 2050 so that tests on the virtual clock and real
# runs both fall inside it.
set -eu
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ca_config() {  # $1 = extension section body
    cat > "$work/ca.cnf" <<CNF
[ca]
default_ca = local
[local]
database = $work/index.txt
new_certs_dir = $work
serial = $work/serial
default_md = sha256
policy = any
copy_extensions = none
unique_subject = no
[any]
commonName = supplied
organizationName = optional
[ext]
$1
CNF
    : > "$work/index.txt"
    [ -f "$work/serial" ] || openssl rand -hex 8 > "$work/serial"
}

# make_ca <name> <common name>
make_ca() {
    openssl genrsa -out "$1.key" 2048 2>/dev/null
    openssl req -new -key "$1.key" -subj "/O=Keelbox Test/CN=$2" -out "$work/$1.csr"
    ca_config "basicConstraints = critical, CA:true
keyUsage = critical, keyCertSign, cRLSign
subjectKeyIdentifier = hash"
    openssl ca -batch -config "$work/ca.cnf" -selfsign -keyfile "$1.key" -in "$work/$1.csr" \
        -startdate 20200101000000Z -enddate 20500101000000Z -extensions ext -notext \
        -out "$1.pem" 2>/dev/null
}

# make_leaf <name> <issuer> <common name> <subjectAltName> <start> <end>
make_leaf() {
    openssl genrsa -out "$1.key" 2048 2>/dev/null
    openssl req -new -key "$1.key" -subj "/O=Keelbox Test/CN=$3" -out "$work/$1.csr"
    ca_config "basicConstraints = critical, CA:false
keyUsage = critical, digitalSignature, keyEncipherment
extendedKeyUsage = serverAuth
subjectAltName = $4
authorityKeyIdentifier = keyid"
    openssl ca -batch -config "$work/ca.cnf" -cert "$2.pem" -keyfile "$2.key" -in "$work/$1.csr" \
        -startdate "$5" -enddate "$6" -extensions ext -notext -out "$1.pem" 2>/dev/null
}

make_ca root-ca "Keelbox Test Root CA"
make_ca foreign-ca "Foreign Test CA"
make_leaf server root-ca 127.0.0.1 "IP:127.0.0.1, DNS:localhost" 20200101000000Z 20500101000000Z
make_leaf foreign-server foreign-ca 127.0.0.1 "IP:127.0.0.1, DNS:localhost" 20200101000000Z 20500101000000Z
make_leaf expired root-ca 127.0.0.1 "IP:127.0.0.1, DNS:localhost" 20200101000000Z 20210101000000Z
make_leaf wrong-host root-ca router.invalid "DNS:router.invalid" 20200101000000Z 20500101000000Z

for name in root-ca foreign-ca server foreign-server expired wrong-host; do
    openssl x509 -in "$name.pem" -outform DER -out "$name.der"
done
cp root-ca.der ../../resources/ca.der
