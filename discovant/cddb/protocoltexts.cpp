#include "discovant/cddb/protocoltexts.h"

#include <curl/curl.h>

namespace discovant {

namespace {

struct Texts {
    const char* english;
    const char* german;
    const char* french;
};

const char* pick(const Texts& texts, uCDDBLang language)
{
    switch (language) {
    case uCDDBLang::GERMAN:
        return texts.german;
    case uCDDBLang::FRENCH:
        return texts.french;
    default:
        return texts.english;
    }
}

} // namespace

std::string protocolErrorText(int32_t number, uCDDBLang language)
{
    static constexpr Texts missingEmail { "Missing or Malformed Email address",
        "E-Mail-Adresse fehlt oder ist falsch", "E-Mail-Adresse absente ou incorrecte" };
    static constexpr Texts noLocalDatabase { "The folder for local database does not exist!",
        "Der angegebene Ordner für die lokale Datenbank existiert nicht!",
        "Le répertoire de la base de donnée locale n'existe pas!" };
    static constexpr Texts badServerAddress { "The CDDB server address is not valid",
        "Die Adresse des CDDB-Servers ist ungültig", "L'adresse du serveur CDDB n'est pas valide" };
    static constexpr Texts unknown { "UnKnown Error", "Unbekannter Fehler", "Erreur Inconnue" };

    switch (number) {
    case kErrorMissingEmail:
        return pick(missingEmail, language);
    case kErrorNoLocalDatabase:
        return pick(noLocalDatabase, language);
    case kErrorBadServerAddress:
        return pick(badServerAddress, language);
    default:
        return pick(unknown, language);
    }
}

std::string errorDescription(int32_t number, uCDDBLang language)
{
    // Transport failures are reported with libcurl's error numbers; CURLE_OK (0) has a text
    // too. Numbers outside libcurl's table have none.
    if (number >= 0 && number < CURL_LAST) {
        const std::string text = curl_easy_strerror(static_cast<CURLcode>(number));
        // Retired numbers inside the table have only libcurl's placeholder.
        if (text != "Unknown error")
            return text;
    }
    return protocolErrorText(kErrorUnknown, language);
}

} // namespace discovant
