#pragma once

#include "discovant/cddb/enums.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace discovant {

// The component's own ProtocolError numbers. Transport failures carry libcurl's numbers
// (CURLcode, all below 100) instead, so the two never meet.
inline constexpr int32_t kErrorMissingEmail = 8880; // no address, or one no hello can carry
inline constexpr int32_t kErrorServerRefused = 8881; // CDDB status 4xx/5xx; the server's line follows
inline constexpr int32_t kErrorHttpStatus = 8882; // an HTTP status other than 200
inline constexpr int32_t kErrorNotCddb = 8883; // a page that is no CDDB answer at all
inline constexpr int32_t kErrorCancelled = 8884; // the host cancelled the operation
inline constexpr int32_t kErrorNoLocalDatabase = 8885;
inline constexpr int32_t kErrorBadServerAddress = 8886; // CDDBServer names no server
inline constexpr int32_t kErrorIncompleteAnswer = 8887; // a list or entry without its "." line
inline constexpr int32_t kErrorUnknown = 8888;
// MusicBrainz and the Cover Art Archive.
inline constexpr int32_t kErrorBadAnswer = 8889; // JSON that is malformed, cut off or of another shape
inline constexpr int32_t kErrorServiceBusy = 8890; // 503 still after the retries
inline constexpr int32_t kErrorNoMatchingMedium = 8891; // releases found, none with a disc like this one
inline constexpr int32_t kErrorNoCover = 8892; // the release has no front cover
inline constexpr int32_t kErrorNotPicture = 8893; // the cover address answered something else

// Text of one of the component's own numbers in `language` (German, French, else English).
// `detail` (the server's status line, the HTTP status, the address) is put in its place or
// follows after ": "; without it the text stands alone. Any other number gives the text of
// kErrorUnknown.
std::string protocolErrorText(int32_t number, uCDDBLang language, std::string_view detail = {});

// Text of any ProtocolError number: the component's own texts, and for libcurl's numbers a
// text in `language` for the failures a user meets (no connection, time-out, certificate,
// broken connection, redirect loop, ...), else libcurl's own description; the text of
// kErrorUnknown for a number nobody knows.
std::string errorDescription(int32_t number, uCDDBLang language);

} // namespace discovant
