#pragma once

#include "discovant/cddb/enums.h"

#include <cstdint>
#include <string>

namespace discovant {

// The component's own ProtocolError numbers (transport failures carry libcurl's numbers).
inline constexpr int32_t kErrorMissingEmail = 8880;
inline constexpr int32_t kErrorNoLocalDatabase = 8885;
inline constexpr int32_t kErrorBadServerAddress = 8886; // CDDBServer names no server
inline constexpr int32_t kErrorUnknown = 8888;

// Text of one of the component's own numbers in `language` (German, French, else English).
// Any other number gives the text of kErrorUnknown.
std::string protocolErrorText(int32_t number, uCDDBLang language);

// Text of a system or network error number: libcurl's description of a libcurl error
// number, else the text of kErrorUnknown in `language`.
std::string errorDescription(int32_t number, uCDDBLang language);

} // namespace discovant
