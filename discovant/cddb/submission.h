#pragma once

#include "discovant/cddb/enums.h"
#include "discovant/cddb/httpclient.h"
#include "discovant/cddb/serveraddress.h"

#include <string>
#include <vector>

namespace discovant {

// One entry to post to a CDDB server's submission program.
struct SubmissionPost {
    ServerAddress server;
    std::string category;
    std::string discId;
    std::string email; // the submitter's address
    uCDDBMode mode = uCDDBMode::TEST;
    std::string note; // the component's title and version
    std::string entryText; // the xmcd entry, UTF-8
};

// The request's header lines. Values are cut at the first line break, so no value can add
// header lines of its own.
std::vector<std::string> submissionHeaders(const SubmissionPost& post);

// Posts the entry. Accepted only when the transfer completed with HTTP status 200.
HttpResult postSubmission(HttpClient& http, const SubmissionPost& post);

} // namespace discovant
