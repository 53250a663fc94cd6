#include "testkit/certificates.h"

#include <cstdio>
#include <memory>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace testkit {

namespace {

using Key = std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)>;
using Certificate = std::unique_ptr<X509, decltype(&X509_free)>;

void check(bool ok, const char* what)
{
    if (!ok)
        throw std::runtime_error(std::string("making test certificates: ") + what + " failed");
}

Key newKey()
{
    Key key(EVP_EC_gen("P-256"), EVP_PKEY_free); // quick to make, unlike RSA
    check(key != nullptr, "EVP_EC_gen");
    return key;
}

void addExtension(X509* certificate, X509* issuer, int nid, const char* value)
{
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, issuer, certificate, nullptr, nullptr, 0);
    X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value);
    check(extension != nullptr, "X509V3_EXT_conf_nid");
    const int added = X509_add_ext(certificate, extension, -1);
    X509_EXTENSION_free(extension);
    check(added == 1, "X509_add_ext");
}

// A certificate for `key` named `commonName` with `extensions`, signed by `issuerKey`
// (itself when `issuer` is null).
Certificate makeCertificate(EVP_PKEY* key, const char* commonName, long serial, X509* issuer,
    EVP_PKEY* issuerKey, const std::vector<std::pair<int, const char*>>& extensions)
{
    Certificate certificate(X509_new(), X509_free);
    check(certificate != nullptr, "X509_new");
    X509* cert = certificate.get();
    check(X509_set_version(cert, 2) == 1, "X509_set_version");
    ASN1_INTEGER_set(X509_get_serialNumber(cert), serial);
    X509_gmtime_adj(X509_getm_notBefore(cert), -3600);
    X509_gmtime_adj(X509_getm_notAfter(cert), 24 * 3600);
    check(X509_set_pubkey(cert, key) == 1, "X509_set_pubkey");
    X509_NAME* name = X509_get_subject_name(cert);
    check(X509_NAME_add_entry_by_txt(
              name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>(commonName), -1, -1, 0)
            == 1,
        "X509_NAME_add_entry_by_txt");
    X509* signer = issuer ? issuer : cert;
    check(X509_set_issuer_name(cert, X509_get_subject_name(signer)) == 1, "X509_set_issuer_name");
    for (const auto& [nid, value] : extensions)
        addExtension(cert, signer, nid, value);
    check(X509_sign(cert, issuerKey, EVP_sha256()) > 0, "X509_sign");
    return certificate;
}

// Writes `file` with `write` (a PEM writer of OpenSSL) on the open file.
template <typename Write> void writePem(const std::filesystem::path& file, const Write& write)
{
    std::unique_ptr<std::FILE, decltype(&std::fclose)> out(std::fopen(file.c_str(), "wb"), std::fclose);
    check(out != nullptr && write(out.get()) == 1, "writing a PEM file");
}

TlsFiles makeServer(const std::filesystem::path& folder, const std::string& stem, const char* commonName,
    const char* altNames, long serial, X509* authority, EVP_PKEY* authorityKey)
{
    const Key key = newKey();
    const Certificate certificate = makeCertificate(key.get(), commonName, serial, authority, authorityKey,
        { { NID_basic_constraints, "critical,CA:FALSE" }, { NID_key_usage, "critical,digitalSignature" },
            { NID_ext_key_usage, "serverAuth" }, { NID_subject_alt_name, altNames },
            { NID_authority_key_identifier, "keyid:always" } });
    TlsFiles files { folder / (stem + ".pem"), folder / (stem + ".key") };
    writePem(files.certificate, [&](std::FILE* out) { return PEM_write_X509(out, certificate.get()); });
    writePem(files.key, [&](std::FILE* out) {
        return PEM_write_PrivateKey(out, key.get(), nullptr, nullptr, 0, nullptr, nullptr);
    });
    return files;
}

} // namespace

TestCertificates makeTestCertificates(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    const Key authorityKey = newKey();
    const Certificate authority
        = makeCertificate(authorityKey.get(), "Melotheek test authority", 1, nullptr, authorityKey.get(),
            { { NID_basic_constraints, "critical,CA:TRUE" },
                { NID_key_usage, "critical,keyCertSign,cRLSign" }, { NID_subject_key_identifier, "hash" } });
    TestCertificates made;
    made.authority = folder / "authority.pem";
    writePem(made.authority, [&](std::FILE* out) { return PEM_write_X509(out, authority.get()); });
    made.localhost = makeServer(folder, "localhost", "127.0.0.1", "IP:127.0.0.1,DNS:localhost", 2,
        authority.get(), authorityKey.get());
    made.otherName = makeServer(
        folder, "other", "other.example", "DNS:other.example", 3, authority.get(), authorityKey.get());
    return made;
}

} // namespace testkit
