#include "discovant/drive/cdtextcharset.h"

#include "discovant/cddb/textcodec.h"

#include <iconv.h>
#include <memory>
#include <type_traits>
#include <vector>

namespace discovant {

namespace {

struct IconvCloser {
    void operator()(std::remove_pointer_t<iconv_t>* descriptor) const { iconv_close(descriptor); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

const char* codePage(unsigned char characterCode)
{
    switch (characterCode) {
    case kCharacterCodeKorean:
        return "CP949";
    case kCharacterCodeMandarin:
        return "GBK";
    default:
        return "CP932";
    }
}

} // namespace

std::string doubleByteToUtf8(std::string_view bytes, unsigned char characterCode)
{
    if (bytes.empty())
        return {};
    const iconv_t opened = iconv_open("UTF-8", codePage(characterCode));
    if (opened == reinterpret_cast<iconv_t>(-1))
        return toUtf8(bytes);
    const Converter converter(opened);
    // A character of these code pages never takes more than three bytes in UTF-8.
    std::vector<char> out(bytes.size() * 3 + 4);
    std::vector<char> in(bytes.begin(), bytes.end()); // iconv takes a non-const input
    char* inPointer = in.data();
    size_t inLeft = in.size();
    char* outPointer = out.data();
    size_t outLeft = out.size();
    if (iconv(converter.get(), &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<size_t>(-1)
        || inLeft != 0)
        return toUtf8(bytes);
    std::string text(out.data(), out.size() - outLeft);
    return isValidUtf8(text) ? text : toUtf8(bytes);
}

} // namespace discovant
