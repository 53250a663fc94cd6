#include "discovant/cddb/httpclient.h"

#include <curl/curl.h>
#include <mutex>

namespace discovant {

namespace {

// libcurl must be initialised once per process before any handle exists; the library keeps
// the global state until the process ends.
void initCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct EasyDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct SlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
struct CurlStringDeleter {
    void operator()(char* text) const { curl_free(text); }
};

// Collects the body and stops the transfer once it would exceed the cap.
struct BodySink {
    std::string body;
    std::size_t maxBytes = 0;
    bool overflowed = false;
};

size_t appendBody(char* data, size_t size, size_t count, void* userdata)
{
    auto* sink = static_cast<BodySink*>(userdata);
    const size_t bytes = size * count;
    if (bytes > sink->maxBytes - sink->body.size()) {
        sink->overflowed = true;
        return 0; // a short count makes libcurl abort the transfer
    }
    sink->body.append(data, bytes);
    return bytes;
}

// Counts the header bytes of every answer of one request and stops the transfer beyond the cap.
struct HeaderCount {
    std::size_t bytes = 0;
    std::size_t maxBytes = 0;
    bool overflowed = false;
};

size_t countHeader(char*, size_t size, size_t count, void* userdata)
{
    auto* headers = static_cast<HeaderCount*>(userdata);
    const size_t bytes = size * count;
    headers->bytes += bytes;
    if (headers->bytes > headers->maxBytes) {
        headers->overflowed = true;
        return 0;
    }
    return bytes;
}

struct WatchedTransfer {
    const TransferWatch* watch = nullptr;
    bool upload = false;
};

// libcurl calls this about once a second while it waits and more often while data moves;
// a non-zero result aborts the transfer.
int onTransferInfo(void* userdata, curl_off_t downloadTotal, curl_off_t downloadNow, curl_off_t uploadTotal,
    curl_off_t uploadNow)
{
    const auto* transfer = static_cast<const WatchedTransfer*>(userdata);
    const TransferWatch& watch = *transfer->watch;
    if (watch.cancelled && watch.cancelled->load())
        return 1;
    if (watch.progress) {
        if (transfer->upload)
            watch.progress(uploadNow, uploadTotal);
        else
            watch.progress(downloadNow, downloadTotal);
    }
    return 0;
}

} // namespace

struct HttpClient::Handle {
    std::unique_ptr<CURL, EasyDeleter> curl;
};

HttpClient::HttpClient(HttpLimits limits)
    : limits_(limits)
{
}

HttpClient::~HttpClient() = default;

HttpResult HttpClient::get(const std::string& url)
{
    return perform(url, {}, nullptr);
}

HttpResult HttpClient::get(const std::string& url, const std::vector<std::string>& headers)
{
    return perform(url, headers, nullptr);
}

HttpResult HttpClient::post(
    const std::string& url, const std::vector<std::string>& headers, const std::string& body)
{
    return perform(url, headers, &body);
}

std::string urlEscape(std::string_view text)
{
    // curl_easy_escape takes a length of 0 to mean "up to the terminating zero", which a
    // piece cut from a longer text does not have: an empty piece would run on into the rest.
    if (text.empty())
        return {};
    initCurlOnce();
    std::unique_ptr<char, CurlStringDeleter> escaped(
        curl_easy_escape(nullptr, text.data(), static_cast<int>(text.size())));
    return escaped ? std::string(escaped.get()) : std::string();
}

HttpResult HttpClient::perform(
    const std::string& url, const std::vector<std::string>& headers, const std::string* postBody)
{
    HttpResult result;
    if (watch_.cancelled && watch_.cancelled->load()) {
        result.errorCode = CURLE_ABORTED_BY_CALLBACK;
        result.errorText = curl_easy_strerror(CURLE_ABORTED_BY_CALLBACK);
        return result;
    }
    initCurlOnce();
    if (!handle_) {
        auto handle = std::make_unique<Handle>();
        handle->curl.reset(curl_easy_init());
        if (!handle->curl) {
            result.errorCode = CURLE_FAILED_INIT;
            result.errorText = curl_easy_strerror(CURLE_FAILED_INIT);
            return result;
        }
        handle_ = std::move(handle);
    }
    CURL* curl = handle_->curl.get();
    // Reset clears the previous request's options but keeps open connections for reuse.
    curl_easy_reset(curl);

    BodySink sink;
    sink.maxBytes = limits_.maxBodyBytes;
    HeaderCount headerCount;
    headerCount.maxBytes = limits_.maxHeaderBytes;

    std::unique_ptr<curl_slist, SlistDeleter> headerList;
    auto addHeader = [&headerList](const std::string& line) {
        curl_slist* grown = curl_slist_append(headerList.get(), line.c_str());
        if (grown) {
            (void)headerList.release();
            headerList.reset(grown);
        }
    };
    // Always ask the origin server, never a cache on the way.
    addHeader("Cache-Control: no-cache");
    addHeader("Pragma: no-cache");
    for (const std::string& line : headers)
        addHeader(line);

    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_USERAGENT, userAgent_.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headerList.get());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    // Time-outs through signals do not mix with a host's threads.
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits_.connectTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(limits_.totalTimeout.count()));
    // An announced Content-Length above the cap fails before any byte is read; a body without
    // one is stopped by the write callback.
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits_.maxBodyBytes));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, appendBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, countHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &headerCount);
    // Certificates are always verified, for the name that was asked for.
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!caFile_.empty())
        curl_easy_setopt(curl, CURLOPT_CAINFO, caFile_.c_str());
    WatchedTransfer watched { &watch_, postBody != nullptr };
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, onTransferInfo);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &watched);
    char detail[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, detail);
    if (postBody) {
        curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
        curl_easy_setopt(curl, CURLOPT_POST, 1L);
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, postBody->data());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(postBody->size()));
    }

    CURLcode code = curl_easy_perform(curl);
    // The list and the buffer die with this scope.
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
    if (sink.overflowed || headerCount.overflowed) {
        code = CURLE_FILESIZE_EXCEEDED;
        detail[0] = '\0'; // libcurl only saw the write refused
    }
    if (code != CURLE_OK) {
        result.errorCode = code;
        result.errorText = curl_easy_strerror(code);
        result.errorDetail = detail;
        return result;
    }
    result.ok = true;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result.httpStatus);
    result.body = std::move(sink.body);
    char* contentType = nullptr;
    if (curl_easy_getinfo(curl, CURLINFO_CONTENT_TYPE, &contentType) == CURLE_OK && contentType)
        result.contentType = contentType;
    curl_off_t retryAfter = 0;
    // libcurl reads both forms (seconds and an HTTP date) and gives 0 when there is none;
    // a literal "Retry-After: 0" is taken as no wait either way.
    if (curl_easy_getinfo(curl, CURLINFO_RETRY_AFTER, &retryAfter) == CURLE_OK && retryAfter > 0)
        result.retryAfterSeconds = static_cast<long>(retryAfter);
    return result;
}

} // namespace discovant
