#include "discovant/cddb/xmcdwriter.h"

#include "discovant/cddb/numeric.h"

namespace discovant {

namespace {

constexpr size_t kMaxTocFields = 100;
constexpr size_t kGenreLength = 120;
constexpr size_t kTitleLength = 240;
constexpr size_t kNotesPieceLength = 80;
constexpr int32_t kFramesPerSecond = 75;
const std::string kLineEnd = "\r\n";

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte position after the first `count` code points of `text` (or its size).
size_t bytesOfCharacters(const std::string& text, size_t from, size_t count)
{
    size_t position = from;
    while (position < text.size() && count > 0) {
        ++position;
        while (position < text.size() && isContinuationByte(text[position]))
            ++position;
        --count;
    }
    return position;
}

std::vector<std::string> tocFields(const std::string& toc)
{
    const size_t first = toc.find_first_not_of(' ');
    const size_t last = toc.find_last_not_of(' ');
    std::vector<std::string> fields;
    if (first == std::string::npos)
        return fields;
    const std::string trimmed = toc.substr(first, last - first + 1);
    size_t start = 0;
    while (fields.size() + 1 < kMaxTocFields) {
        const size_t space = trimmed.find(' ', start);
        if (space == std::string::npos)
            break;
        fields.push_back(trimmed.substr(start, space - start));
        start = space + 1;
    }
    fields.push_back(trimmed.substr(start));
    return fields;
}

std::string singleLine(std::string text)
{
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    return text;
}

// Line breaks (CR LF, or a lone CR or LF) as the two characters backslash and n.
std::string escapedNotes(const std::string& notes)
{
    std::string escaped;
    for (size_t i = 0; i < notes.size(); ++i) {
        if (notes[i] == '\r' || notes[i] == '\n') {
            escaped += "\\n";
            if (notes[i] == '\r' && i + 1 < notes.size() && notes[i + 1] == '\n')
                ++i;
        } else {
            escaped += notes[i];
        }
    }
    return escaped;
}

void appendNotes(std::string& out, const std::string& key, const std::string& notes)
{
    const std::string escaped = escapedNotes(notes);
    size_t position = 0;
    do {
        const size_t end = bytesOfCharacters(escaped, position, kNotesPieceLength);
        out += key + "=" + escaped.substr(position, end - position) + kLineEnd;
        position = end;
    } while (position < escaped.size());
}

} // namespace

std::string leadingCharacters(const std::string& text, size_t count)
{
    return text.substr(0, bytesOfCharacters(text, 0, count));
}

std::string writeXmcdEntry(const XmcdDraft& draft)
{
    const std::vector<std::string> fields = tocFields(draft.toc);
    const size_t trackCount = fields.empty() ? 0 : fields.size() - 1;
    const int32_t leadOut = fields.empty() ? 0 : leadingInt32(fields.back());

    std::string out = "# xmcd" + kLineEnd + "#" + kLineEnd + "# Track frame offsets:" + kLineEnd;
    for (size_t i = 0; i < trackCount; ++i)
        out += "#   " + fields[i] + kLineEnd;
    out += "#" + kLineEnd;
    out += "# Disc length: " + std::to_string(leadOut / kFramesPerSecond) + " seconds" + kLineEnd;
    out += "#" + kLineEnd;
    out += "# Revision: " + std::to_string(draft.revision) + kLineEnd;
    out += "# Submitted via: " + singleLine(draft.submittedVia) + kLineEnd;
    out += "#" + kLineEnd;
    out += "DISCID=" + singleLine(draft.discId) + kLineEnd;
    out += "DTITLE=" + singleLine(draft.artist) + " / " + singleLine(draft.album) + kLineEnd;
    out += "DYEAR=" + singleLine(draft.year) + kLineEnd;
    out += "DGENRE=" + leadingCharacters(singleLine(draft.genre), kGenreLength) + kLineEnd;
    for (size_t i = 0; i < trackCount; ++i) {
        const std::string title = i < draft.trackTitles.size() ? draft.trackTitles[i] : std::string();
        out += "TTITLE" + std::to_string(i) + "=" + leadingCharacters(singleLine(title), kTitleLength)
            + kLineEnd;
    }
    appendNotes(out, "EXTD", draft.notes);
    for (size_t i = 0; i < trackCount; ++i)
        appendNotes(out, "EXTT" + std::to_string(i),
            i < draft.trackNotes.size() ? draft.trackNotes[i] : std::string());
    out += "PLAYORDER=" + kLineEnd;
    return out;
}

} // namespace discovant
