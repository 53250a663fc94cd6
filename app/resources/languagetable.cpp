#include "resources/languagetable.h"

#include <QStringView>

namespace {

using Messages = std::array<QStringView, kMessageCount>;

// Index i holds message i + 1. Message 1 is the product name in every language. The texts are
// the program's own and are shown exactly as written here, spelling included.
constexpr Messages kDutch{
    u"Melotheek",
    u"Instellingen",
    u"Database",
    u"Speler",
    u"Viewer",
    u"Covers",
    u"Playlist",
    u"Backup",
    u"Foto",
    u"Taal",
    u"Opslaan",
    u"Sluiten",
    u"Toevoegen",
    u"Verwijderen",
    u"Wijzigen",
    u"Afsluiten",
    u"Titel",
    u"Jaar",
    u"Drager",
    u"Artiest",
    u"Export",
    u"Wizards",
    u"Opties",
    u"Help",
    u"Statistieken",
    u"Over",
    u"Biografie",
    u"Discografie",
    u"Verplaatsen",
    u"Huidige",
    u"Alles",
    u"CD importeren",
    u"Zoeken",
    u"Comprimeren",
    u"Herstellen",
    u"Lengte",
    u"Annuleren",
    u"Gekocht",
    u"Selecteer",
    u"Bijzonderheden",
    u"Bestanden",
    u"Bestand",
    u"Stap 1: Gegevens ophalen",
    u"Doe een cd in de cdrom-drive en klik op 'Start' om de gegevens van internet op te halen.",
    u"Stap 2: Gegevens importeren",
    u"De tracks van het onderstaande album zijn opgehaald van internet. Klik op 'Importeren' om "
    u"de gegevens op te slaan in de database.",
    u"CD reeds aanwezig in de database.",
    u"Reeds aanwezig",
    u"De CD is geïmporteerd in de database.",
    u"CD-ROM fout: de TOC kan niet gelezen worden...",
    u"Er is geen exacte match gevonden...",
    u"Let op!",
    u"Voer de zoekterm hieronder in.",
    u"Fout",
    u"Overzicht Muziekcollectie",
    u"Jaar moet worden ingevoerd.",
    u"Track moet worden ingevoerd.",
    u"Album moet worden ingevoerd.",
    u"Artiest moet worden ingevoerd.",
    u"Wilt u deze gegevens opslaan?",
    u"Wilt u de oude tracks van dit album verwijderen?",
    u"Selecteer tenminste 1 veld.",
    u"De gegevens zijn teruggezet.",
    u"Zelfde bestand.",
    u"Zelfde artiest.",
    u"Wilt u de backup van vandaag overschrijven?",
    u"Wilt u de backup aanmaken?",
    u"Map is leeg. Geen backup gemaakt.",
    u"Bestand niet gevonden.",
    u"Wijzigingen opslaan",
};

constexpr Messages kEnglish{
    u"Melotheek",
    u"Settings",
    u"Database",
    u"Player",
    u"Viewer",
    u"Covers",
    u"Playlist",
    u"Backup",
    u"Image",
    u"Language",
    u"Save",
    u"Quit",
    u"Add",
    u"Remove",
    u"Edit",
    u"Quit",
    u"Title",
    u"Year",
    u"Format",
    u"Artist",
    u"Export",
    u"Wizards",
    u"Options",
    u"Help",
    u"Statistics",
    u"About",
    u"Biography",
    u"Discography",
    u"Move",
    u"Current",
    u"All",
    u"Import CD",
    u"Search",
    u"Compact",
    u"Restore",
    u"Length",
    u"Cancel",
    u"Purchased",
    u"Select",
    u"Comments",
    u"Files",
    u"File",
    u"Step 1: Collect data",
    u"Put a CD into the drive and click 'Start'.",
    u"Step 2: Importing data",
    u"Tracks retrieved from the internet. Click 'Import' to store data in database.",
    u"CD already exists in database.",
    u"Already retrieved",
    u"CD succesfully imported into database.",
    u"CD-ROM error: TOC cannot be read...",
    u"No exact match found...",
    u"Attention!",
    u"Enter your search string.",
    u"Error",
    u"Overview Music Collection",
    u"Year must be entered.",
    u"Track must be entered.",
    u"Album must be entered.",
    u"Artist must be entered.",
    u"Do you want to save this data?",
    u"Remove old tracks?",
    u"Select at least 1 field.",
    u"Data has been restored.",
    u"Same file.",
    u"Same artist.",
    u"Do you want to overwrite the backup?",
    u"Do you want to create the backup?",
    u"Nothing to backup.",
    u"File not found.",
    u"Save changes",
};

// Messages 6, 7 and 9 double as the names of the backup archives (Couvrir.cab, Decken.cab,
// Bild.cab, Playliste.cab): a changed caption would hide existing archives from a restore, so
// these captions stay exactly as users' archives are named.
constexpr Messages kFrench{
    u"Melotheek",
    u"Paramètres",
    u"Base de données",
    u"Lecteur",
    u"Visionneuse",
    u"Couvrir",
    u"Playlist",
    u"Sauvegarde",
    u"Image",
    u"Langue",
    u"Enregistrer",
    u"Fermer",
    u"Ajouter",
    u"Enrever",
    u"Modifier",
    u"Quitter",
    u"Titre",
    u"Année",
    u"Format",
    u"Artiste",
    u"Exporter",
    u"Assistants",
    u"Options",
    u"Aide",
    u"Statistiques",
    u"À propos",
    u"Biographie",
    u"Discographie",
    u"Déplacer",
    u"Actuel",
    u"Tout",
    u"Importer un CD",
    u"Rechercher",
    u"Compresser",
    u"Restaurer",
    u"Durée",
    u"Annuler",
    u"Acheté",
    u"Sélectionner",
    u"Commentaires",
    u"Fichiers",
    u"Fichier",
    u"Étape 1: Collecte des données",
    u"Insérez un CD dans le lecteur et cliquez sur 'Start'.",
    u"Étape 2: Importation des données",
    u"Pistes récupérées sur Internet. Cliquez sur 'Importer un CD' pour enregistrer les données "
    u"dans la base de données.",
    u"Le CD existe déjà dans la base de données.",
    u"Déjà présent",
    u"CD importé avec succès dans la base de données.",
    u"Erreur CD-ROM: impossible de lire la TOC...",
    u"Aucune correspondance exacte trouvée...",
    u"Attention!",
    u"Entrez le texte à rechercher.",
    u"Erreur",
    u"Aperçu de la collection musicale",
    u"L'année doit être saisie.",
    u"La piste doit être saisie.",
    u"L'album doit être saisi.",
    u"L'artiste doit être saisi.",
    u"Voulez-vous enregistrer ces données?",
    u"Supprimer les anciennes pistes?",
    u"Sélectionnez au moins 1 champ.",
    u"Les données ont été restaurées.",
    u"Même fichier.",
    u"Même artiste.",
    u"Voulez-vous écraser la sauvegarde?",
    u"Voulez-vous créer la sauvegarde?",
    u"Rien à sauvegarder.",
    u"Fichier introuvable.",
    u"Enregistrer les modifications",
};

constexpr Messages kGerman{
    u"Melotheek",
    u"Einstellungen",
    u"Datenbank",
    u"Player",
    u"Betrachter",
    u"Decken",
    u"Playliste",
    u"Sicherung",
    u"Bild",
    u"Sprache",
    u"Speichern",
    u"Schließen",
    u"Hinzufügen",
    u"Entfernen",
    u"Bearbeiten",
    u"Beenden",
    u"Titel",
    u"Jahr",
    u"Medium",
    u"Artist",
    u"Exportieren",
    u"Assistenten",
    u"Optionen",
    u"Hilfe",
    u"Statistiken",
    u"Über",
    u"Biografie",
    u"Diskografie",
    u"Verschieben",
    u"Aktuell",
    u"Alle",
    u"CD importieren",
    u"Suchen",
    u"Komprimieren",
    u"Wiederherstellen",
    u"Länge",
    u"Abbrechen",
    u"Gekauft",
    u"Auswählen",
    u"Bemerkungen",
    u"Dateien",
    u"Datei",
    u"Schritt 1: Daten abrufen",
    u"Legen Sie eine CD in das Laufwerk und klicken Sie auf 'Start'.",
    u"Schritt 2: Daten importieren",
    u"Tracks aus dem Internet abgerufen. Klicken Sie auf 'CD importieren', um die Daten in der "
    u"Datenbank zu speichern.",
    u"CD ist bereits in der Datenbank vorhanden.",
    u"Bereits vorhanden",
    u"CD erfolgreich in die Datenbank importiert.",
    u"CD-ROM-Fehler: TOC kann nicht gelesen werden...",
    u"Keine exakte Übereinstimmung gefunden...",
    u"Achtung!",
    u"Geben Sie den Suchbegriff ein.",
    u"Fehler",
    u"Übersicht Musiksammlung",
    u"Jahr muss eingegeben werden.",
    u"Track muss eingegeben werden.",
    u"Album muss eingegeben werden.",
    u"Artist muss eingegeben werden.",
    u"Möchten Sie diese Daten speichern?",
    u"Alte Tracks entfernen?",
    u"Wählen Sie mindestens 1 Feld aus.",
    u"Die Daten wurden wiederhergestellt.",
    u"Dieselbe Datei.",
    u"Derselbe Artist.",
    u"Möchten Sie die Sicherung überschreiben?",
    u"Möchten Sie die Sicherung erstellen?",
    u"Nichts zu sichern.",
    u"Datei nicht gefunden.",
    u"Änderungen speichern",
};

// The table of a known base, or nullptr.
const Messages* messagesOf(int base)
{
    switch (base) {
    case static_cast<int>(LanguageBase::Dutch):
        return &kDutch;
    case static_cast<int>(LanguageBase::English):
        return &kEnglish;
    case static_cast<int>(LanguageBase::French):
        return &kFrench;
    case static_cast<int>(LanguageBase::German):
        return &kGerman;
    default:
        return nullptr;
    }
}

QString textIn(const Messages& messages, int k)
{
    if (k < 1 || k > kMessageCount)
        return {};
    return messages[static_cast<std::size_t>(k - 1)].toString();
}

} // namespace

QString languageText(LanguageBase base, int k)
{
    return languageText(static_cast<int>(base), k);
}

QString languageText(int base, int k)
{
    const Messages* messages = messagesOf(base);
    return textIn(messages ? *messages : kEnglish, k);
}

QString languageEntry(int id)
{
    // Integer division maps 101..170 to base 100 with k 1..70; ids such as 100 or 171 get
    // k 0 or 71 and so an empty text.
    const int base = id >= 100 ? (id / 100) * 100 : 0;
    const Messages* messages = messagesOf(base);
    return messages ? textIn(*messages, id - base) : QString();
}
