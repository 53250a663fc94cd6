#include "discovant/cddb/answercheck.h"

#include "discovant/cddb/protocoltexts.h"
#include "discovant/cddb/queryanswer.h"
#include "discovant/cddb/textcodec.h"

namespace discovant {

namespace {

constexpr std::size_t kMaxStatusLineBytes = 200;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

AnswerFault fault(int32_t number, std::string detail = {})
{
    return { number, std::move(detail) };
}

} // namespace

std::optional<int> cddbStatus(std::string_view answer)
{
    if (answer.size() < 3 || !isDigit(answer[0]) || !isDigit(answer[1]) || !isDigit(answer[2]))
        return std::nullopt;
    if (answer.size() > 3 && answer[3] != ' ' && answer[3] != '\r' && answer[3] != '\n')
        return std::nullopt;
    return (answer[0] - '0') * 100 + (answer[1] - '0') * 10 + (answer[2] - '0');
}

std::string statusLineText(std::string_view answer)
{
    std::string text = toUtf8(answer.substr(0, answer.find('\n')));
    if (text.size() > kMaxStatusLineBytes) {
        std::size_t cut = kMaxStatusLineBytes;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            --cut; // not inside a character
        text.resize(cut);
    }
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    }
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<AnswerFault> answerFault(CddbCommand command, std::string_view answer)
{
    const std::optional<int> status = cddbStatus(answer);
    if (!status)
        return fault(kErrorNotCddb);
    if (*status >= 400 && *status <= 599)
        return fault(kErrorServerRefused, statusLineText(answer));
    bool listFollows = false;
    switch (command) {
    case CddbCommand::Query:
        if (*status == 200 || *status == 202)
            return std::nullopt;
        listFollows = *status == 210 || *status == 211;
        break;
    case CddbCommand::Read:
    case CddbCommand::Sites:
        listFollows = *status == 210;
        break;
    }
    if (!listFollows)
        return fault(kErrorNotCddb);
    if (!hasTerminatingLine(answer))
        return fault(kErrorIncompleteAnswer);
    return std::nullopt;
}

} // namespace discovant
