#include "discovant/cddb/protocoltexts.h"

#include <curl/curl.h>
#include <optional>

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

const Texts& ownTexts(int32_t number)
{
    static constexpr Texts missingEmail { "Missing or Malformed Email address",
        "E-Mail-Adresse fehlt oder ist falsch", "E-Mail-Adresse absente ou incorrecte" };
    static constexpr Texts serverRefused { "The CDDB server refused the request",
        "Der CDDB-Server hat die Anfrage abgelehnt", "Le serveur CDDB a refusé la demande" };
    static constexpr Texts httpStatus { "The server answered with HTTP status %1",
        "Der Server hat mit dem HTTP-Status %1 geantwortet", "Le serveur a répondu avec le statut HTTP %1" };
    static constexpr Texts notCddb { "The server's answer is not a CDDB answer",
        "Die Antwort des Servers ist keine CDDB-Antwort",
        "La réponse du serveur n'est pas une réponse CDDB" };
    static constexpr Texts cancelled { "The request was cancelled", "Die Anfrage wurde abgebrochen",
        "La demande a été annulée" };
    static constexpr Texts noLocalDatabase { "The folder for local database does not exist!",
        "Der angegebene Ordner für die lokale Datenbank existiert nicht!",
        "Le répertoire de la base de donnée locale n'existe pas!" };
    static constexpr Texts badServerAddress { "The CDDB server address is not valid",
        "Die Adresse des CDDB-Servers ist ungültig", "L'adresse du serveur CDDB n'est pas valide" };
    static constexpr Texts incomplete { "The server's answer is incomplete",
        "Die Antwort des Servers ist unvollständig", "La réponse du serveur est incomplète" };
    static constexpr Texts badAnswer { "The MusicBrainz answer could not be read",
        "Die Antwort von MusicBrainz ist nicht lesbar", "La réponse de MusicBrainz est illisible" };
    static constexpr Texts serviceBusy { "MusicBrainz is busy; try again later",
        "MusicBrainz ist überlastet; versuchen Sie es später noch einmal",
        "MusicBrainz est surchargé ; réessayez plus tard" };
    static constexpr Texts noMatchingMedium { "No disc of the release found matches this CD",
        "Keine CD der gefundenen Veröffentlichung passt zu dieser CD",
        "Aucun disque de la parution trouvée ne correspond à ce CD" };
    static constexpr Texts noCover { "No cover", "Kein Cover", "Pas de pochette" };
    static constexpr Texts notPicture { "The cover is not a picture", "Das Cover ist kein Bild",
        "La pochette n'est pas une image" };
    static constexpr Texts unknown { "UnKnown Error", "Unbekannter Fehler", "Erreur Inconnue" };

    switch (number) {
    case kErrorMissingEmail:
        return missingEmail;
    case kErrorServerRefused:
        return serverRefused;
    case kErrorHttpStatus:
        return httpStatus;
    case kErrorNotCddb:
        return notCddb;
    case kErrorCancelled:
        return cancelled;
    case kErrorNoLocalDatabase:
        return noLocalDatabase;
    case kErrorBadServerAddress:
        return badServerAddress;
    case kErrorIncompleteAnswer:
        return incomplete;
    case kErrorBadAnswer:
        return badAnswer;
    case kErrorServiceBusy:
        return serviceBusy;
    case kErrorNoMatchingMedium:
        return noMatchingMedium;
    case kErrorNoCover:
        return noCover;
    case kErrorNotPicture:
        return notPicture;
    default:
        return unknown;
    }
}

// The component's own words for the transport failures a user meets; libcurl's texts are
// English only.
std::optional<Texts> transportTexts(int32_t number)
{
    switch (number) {
    case CURLE_UNSUPPORTED_PROTOCOL:
        return Texts { "The server redirected to an address that is neither HTTP nor HTTPS",
            "Der Server hat auf eine Adresse umgeleitet, die weder HTTP noch HTTPS ist",
            "Le serveur a redirigé vers une adresse qui n'est ni HTTP ni HTTPS" };
    case CURLE_COULDNT_RESOLVE_PROXY:
        return Texts { "The proxy server's name could not be resolved",
            "Der Name des Proxy-Servers konnte nicht aufgelöst werden",
            "Le nom du serveur proxy n'a pas pu être résolu" };
    case CURLE_COULDNT_RESOLVE_HOST:
        return Texts { "The server's name could not be resolved",
            "Der Name des Servers konnte nicht aufgelöst werden",
            "Le nom du serveur n'a pas pu être résolu" };
    case CURLE_COULDNT_CONNECT:
        return Texts { "Could not connect to the server", "Keine Verbindung zum Server möglich",
            "Impossible de se connecter au serveur" };
    case CURLE_WEIRD_SERVER_REPLY:
        return Texts { "The server's answer is not valid HTTP",
            "Die Antwort des Servers ist kein gültiges HTTP",
            "La réponse du serveur n'est pas du HTTP valide" };
    case CURLE_PARTIAL_FILE:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
        return Texts { "The connection to the server broke off", "Die Verbindung zum Server ist abgebrochen",
            "La connexion au serveur a été interrompue" };
    case CURLE_OPERATION_TIMEDOUT:
        return Texts { "The server did not answer in time", "Der Server hat nicht rechtzeitig geantwortet",
            "Le serveur n'a pas répondu à temps" };
    case CURLE_SSL_CONNECT_ERROR:
        return Texts { "The secure connection to the server could not be made",
            "Die sichere Verbindung zum Server konnte nicht hergestellt werden",
            "La connexion sécurisée au serveur n'a pas pu être établie" };
    case CURLE_ABORTED_BY_CALLBACK:
        return ownTexts(kErrorCancelled);
    case CURLE_TOO_MANY_REDIRECTS:
        return Texts { "The server redirected the request too often",
            "Der Server hat die Anfrage zu oft umgeleitet", "Le serveur a redirigé la demande trop souvent" };
    case CURLE_GOT_NOTHING:
        return Texts { "The server closed the connection without an answer",
            "Der Server hat die Verbindung ohne Antwort geschlossen",
            "Le serveur a fermé la connexion sans répondre" };
    case CURLE_FILESIZE_EXCEEDED:
        return Texts { "The server's answer is too large", "Die Antwort des Servers ist zu groß",
            "La réponse du serveur est trop volumineuse" };
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_ISSUER_ERROR:
        return Texts { "The server's certificate could not be verified",
            "Das Zertifikat des Servers konnte nicht überprüft werden",
            "Le certificat du serveur n'a pas pu être vérifié" };
    case CURLE_SSL_CACERT_BADFILE:
        return Texts { "The file of trusted certificate authorities could not be read",
            "Die Datei der vertrauenswürdigen Zertifizierungsstellen konnte nicht gelesen werden",
            "Le fichier des autorités de certification de confiance n'a pas pu être lu" };
    default:
        return std::nullopt;
    }
}

bool isOwnNumber(int32_t number)
{
    return number >= kErrorMissingEmail && number <= kErrorNotPicture;
}

} // namespace

std::string protocolErrorText(int32_t number, uCDDBLang language, std::string_view detail)
{
    std::string text = pick(ownTexts(number), language);
    if (const std::size_t slot = text.find("%1"); slot != std::string::npos) {
        text.replace(slot, 2, detail);
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
    } else if (!detail.empty()) {
        text += language == uCDDBLang::FRENCH ? " : " : ": "; // French sets a space before it
        text += detail;
    }
    return text;
}

std::string errorDescription(int32_t number, uCDDBLang language)
{
    if (isOwnNumber(number))
        return protocolErrorText(number, language);
    if (const std::optional<Texts> texts = transportTexts(number))
        return pick(*texts, language);
    // Other libcurl numbers keep libcurl's text; CURLE_OK (0) has one too.
    if (number >= 0 && number < CURL_LAST) {
        const std::string text = curl_easy_strerror(static_cast<CURLcode>(number));
        // Retired numbers inside the table have only libcurl's placeholder.
        if (text != "Unknown error")
            return text;
    }
    return protocolErrorText(kErrorUnknown, language);
}

} // namespace discovant
