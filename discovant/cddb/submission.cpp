#include "discovant/cddb/submission.h"

namespace discovant {

namespace {

std::string headerValue(const std::string& value)
{
    return value.substr(0, value.find_first_of("\r\n"));
}

} // namespace

std::vector<std::string> submissionHeaders(const SubmissionPost& post)
{
    return {
        "Category: " + headerValue(post.category),
        "Discid: " + headerValue(post.discId),
        "User-Email: " + headerValue(post.email),
        std::string("Submit-Mode: ") + (post.mode == uCDDBMode::TEST ? "test" : "submit"),
        // Entries are written in UTF-8; without this header a server takes ISO-8859-1.
        "Charset: UTF-8",
        "X-Cddbd-Note: " + headerValue(post.note),
    };
}

HttpResult postSubmission(HttpClient& http, const SubmissionPost& post)
{
    std::vector<std::string> headers = submissionHeaders(post);
    // The body is the bare entry, not a form: no Content-Type is sent (libcurl would claim
    // a urlencoded form otherwise).
    headers.push_back("Content-Type:");
    return http.post(post.server.submitUrl(), headers, post.entryText);
}

} // namespace discovant
