#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace discovant {

// Outcome of one HTTP request.
//
// `ok` means the transfer completed and a response was received, whatever its HTTP status;
// the caller decides what a 404 or 500 means. When `ok` is false, `errorCode` is the libcurl
// error number (CURLcode), `errorText` its libcurl description and `errorDetail` what
// libcurl said about this failure ("SSL: no alternative certificate subject name matches
// target host name ...", or ""); `body` is then empty.
struct HttpResult {
    bool ok = false;
    long httpStatus = 0;
    std::string body;
    int errorCode = 0;
    std::string errorText;
    std::string errorDetail;
    std::string contentType; // the final answer's Content-Type, "" when none
    // Seconds the server's Retry-After asks to wait (a number or a date), -1 when it sent none.
    long retryAfterSeconds = -1;
};

// Bounds of one request. A lookup runs on the caller's thread and blocks it, so a dead or
// endless server must not hang the host: the connection phase and the whole transfer are
// bounded, and a body above `maxBodyBytes` (or headers above `maxHeaderBytes`) is refused
// rather than buffered (CDDB answers are a few kilobytes; a larger body is not a CDDB
// answer). Both refusals are reported as CURLE_FILESIZE_EXCEEDED.
struct HttpLimits {
    std::chrono::milliseconds connectTimeout { 10'000 };
    std::chrono::milliseconds totalTimeout { 30'000 };
    std::size_t maxBodyBytes = 4 * 1024 * 1024;
    // All header lines of one request together, interim (1xx) and redirect answers
    // included: a server that sends header lines without end is stopped here.
    std::size_t maxHeaderBytes = 64 * 1024;
};

// Lets another thread stop a running request and the caller follow its progress.
struct TransferWatch {
    // Set (from any thread) to stop the request: it ends within about a second with
    // CURLE_ABORTED_BY_CALLBACK, and a request started while it is set does not start.
    const std::atomic<bool>* cancelled = nullptr;
    // Bytes moved so far and expected in all (0 when not known yet), for the body received
    // or, for a POST, the body sent. Called on the requesting thread, many times a second.
    std::function<void(int64_t done, int64_t total)> progress;
};

// Blocking HTTP client over one libcurl easy handle.
//
// The handle is created on first use and kept for the client's lifetime, so consecutive
// requests to one server (query, then read) reuse the connection. Requests follow redirects
// (HTTP and HTTPS only), send the user agent "Discovant", take proxies from the environment
// (libcurl's own rule: http_proxy, no_proxy, ...) and never read from a cache. HTTPS
// servers must show a certificate for their name that the system's certificate store (or
// the CA file, when one is set) trusts; nothing else is accepted.
// Not thread-safe: one client per thread.
class HttpClient {
public:
    explicit HttpClient(HttpLimits limits = {});
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    const HttpLimits& limits() const { return limits_; }
    void setLimits(const HttpLimits& limits) { limits_ = limits; }

    // A PEM file of the certificate authorities to trust instead of the system's store;
    // "" for the system's store.
    const std::string& caFile() const { return caFile_; }
    void setCaFile(const std::string& file) { caFile_ = file; }

    // The User-Agent of every following request ("Discovant" until set).
    void setUserAgent(std::string userAgent) { userAgent_ = std::move(userAgent); }
    const std::string& userAgent() const { return userAgent_; }

    // Watches every following request.
    void setWatch(TransferWatch watch) { watch_ = std::move(watch); }

    HttpResult get(const std::string& url);
    // The same with the extra header lines `headers` ("Accept: application/json").
    HttpResult get(const std::string& url, const std::vector<std::string>& headers);

    // Sends `body` as the request body in HTTP/1.0 with the extra header lines `headers`
    // ("Name: value", without line ends). Content-Length is computed by the client.
    HttpResult post(const std::string& url, const std::vector<std::string>& headers, const std::string& body);

private:
    struct Handle;
    HttpResult perform(
        const std::string& url, const std::vector<std::string>& headers, const std::string* postBody);

    HttpLimits limits_;
    std::string caFile_;
    std::string userAgent_ = "Discovant";
    TransferWatch watch_;
    std::unique_ptr<Handle> handle_;
};

// Percent-encodes `text` for use inside a URL query argument: letters, digits and "-._~"
// stay, every other byte becomes %XX.
std::string urlEscape(std::string_view text);

} // namespace discovant
