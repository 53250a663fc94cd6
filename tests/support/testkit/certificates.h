#pragma once

// Throwaway TLS certificates for the HTTPS fake servers, made by the test with OpenSSL: a
// certificate authority of its own and server certificates it signed. A client trusts them
// only when it is handed the authority's certificate.

#include <filesystem>

namespace testkit {

// A server's certificate and private key, as PEM files.
struct TlsFiles {
    std::filesystem::path certificate;
    std::filesystem::path key;
};

struct TestCertificates {
    std::filesystem::path authority; // the CA certificate a client is told to trust
    TlsFiles localhost; // for 127.0.0.1 and localhost
    TlsFiles otherName; // for other.example only: wrong for a server on 127.0.0.1
};

// Writes a fresh authority and both server certificates (valid from an hour ago for a day)
// into `folder`. Throws when OpenSSL fails.
TestCertificates makeTestCertificates(const std::filesystem::path& folder);

} // namespace testkit
