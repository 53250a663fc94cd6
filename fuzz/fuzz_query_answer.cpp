// Fuzzes the interpretation of CDDB query and sites answers: any bytes, with the first byte
// choosing how the match chooser answers; and the check of an answer for each command, with
// the status line a user reads of a refusal.
#include "discovant/cddb/answercheck.h"
#include "discovant/cddb/protocoltexts.h"
#include "discovant/cddb/queryanswer.h"
#include "discovant/cddb/serveraddress.h"
#include "discovant/cddb/sitelist.h"
#include "discovant/cddb/textcodec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace discovant;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The chooser's answer: first match without asking, or a position in -2 .. 253.
    const int choice = static_cast<int>(data[0]) - 2;
    const std::string_view answer(reinterpret_cast<const char*>(data + 1), size - 1);

    MatchChooser chooser;
    if (choice != -2) {
        // A shown line is part of one answer line, at most tripled by the UTF-8 conversion.
        chooser = [choice, limit = 3 * answer.size()](const std::vector<std::string>& shown) {
            for (const std::string& line : shown)
                if (line.size() > limit)
                    std::abort();
            return choice;
        };
    }
    const QueryOutcome outcome = interpretQueryAnswer(answer, chooser);
    // A match always names what to read.
    if (outcome.matchCode != uCDDBMatchCode::MATCH_NONE && outcome.category.empty())
        std::abort();
    if (outcome.matchCode == uCDDBMatchCode::MATCH_MULTIPLE && outcome.discId.empty())
        std::abort();

    for (const std::string& site : httpSiteLines(answer)) {
        (void)siteChooserLine(site);
        (void)siteHostName(site);
        // A site's address is one CDDBServer takes, or none.
        if (const auto address = siteServerAddress(site); address && !parseServerAddress(*address))
            std::abort();
    }

    for (const CddbCommand command : { CddbCommand::Query, CddbCommand::Read, CddbCommand::Sites }) {
        const auto fault = answerFault(command, answer);
        if (!fault)
            continue;
        if (fault->number != kErrorServerRefused && fault->number != kErrorNotCddb
            && fault->number != kErrorIncompleteAnswer)
            std::abort();
        // What the user reads: one bounded line of UTF-8 without control characters.
        const std::string& line = fault->detail;
        if (line.size() > 200 || !isValidUtf8(line))
            std::abort();
        for (const char c : line)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                std::abort();
    }
    return 0;
}
