#pragma once

// The component's windows, answering as a user would and noting what they were shown.

#include "discovant/cddb/lookupui.h"

#include <optional>
#include <string>
#include <vector>

namespace discovant::test {

struct FakeUi : LookupUi {
    using Lines = std::vector<std::string>;

    int matchChoice = 1;
    int serverChoice = 1;
    std::optional<SubmittedEntry> entry; // what the editor hands back; none: the user cancels

    Lines shownMatches;
    Lines shownServers;
    bool offeredSubmit = false;
    int submitCalls = 0;
    SubmissionRequest lastRequest;
    PopUpSettings lastPopUp;

    int chooseMatch(const Lines& lines, bool offerSubmit, const PopUpSettings&) override
    {
        shownMatches = lines;
        offeredSubmit = offerSubmit;
        return matchChoice;
    }
    int chooseServer(const Lines& lines, const PopUpSettings& popUp) override
    {
        shownServers = lines;
        lastPopUp = popUp;
        return serverChoice;
    }
    bool submitNewEntry(
        const SubmissionRequest& request, const PopUpSettings&, SubmittedEntry& submitted) override
    {
        ++submitCalls;
        lastRequest = request;
        if (entry)
            submitted = *entry;
        return entry.has_value();
    }
};

} // namespace discovant::test
