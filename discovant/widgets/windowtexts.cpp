#include "discovant/widgets/windowtexts.h"

namespace discovant::widgets {

uCDDBLang textLanguage(uCDDBLang language)
{
    if (language == uCDDBLang::GERMAN || language == uCDDBLang::FRENCH)
        return language;
    return uCDDBLang::ENGLISH;
}

ChooserTexts chooserTexts(uCDDBLang language)
{
    switch (textLanguage(language)) {
    case uCDDBLang::GERMAN:
        return { QStringLiteral("Wählen Sie einen Eintrag aus..."), QStringLiteral("Aus&wählen"),
            QStringLiteral("&Keine Übereinstimmung"),
            QStringLiteral("Wählen Sie aus, welchen freedb server Sie nutzen möchten..."),
            QStringLiteral("Aus&wählen") };
    case uCDDBLang::FRENCH:
        return { QStringLiteral("Sélectionner parmis les résultat..."), QStringLiteral("&Sélectionner"),
            QStringLiteral("Non Valide (Envoyer)"),
            QStringLiteral("Sélectionner le serveur Freedb à Utiliser..."), QStringLiteral("&Sélectionner") };
    case uCDDBLang::ENGLISH:
        break;
    }
    return { QStringLiteral("Please select from the following matches..."), QStringLiteral("Select"),
        QStringLiteral("No Match (Submit)"), QStringLiteral("Please select freedb server to use..."),
        QStringLiteral("Select") };
}

WorkTexts workTexts(uCDDBLang language)
{
    switch (textLanguage(language)) {
    case uCDDBLang::GERMAN:
        return { QStringLiteral("Bitte warten..."), QStringLiteral("&Abbrechen"),
            QStringLiteral("Wird abgebrochen..."), QStringLiteral("Die CD wird gelesen..."),
            QStringLiteral("Die Serverliste wird abgerufen...") };
    case uCDDBLang::FRENCH:
        return { QStringLiteral("Veuillez patienter..."), QStringLiteral("&Annuler"),
            QStringLiteral("Annulation..."), QStringLiteral("Lecture du disque..."),
            QStringLiteral("Récupération de la liste des serveurs...") };
    case uCDDBLang::ENGLISH:
        break;
    }
    return { QStringLiteral("Please wait..."), QStringLiteral("Cancel"), QStringLiteral("Cancelling..."),
        QStringLiteral("Reading the disc..."), QStringLiteral("Fetching the server list...") };
}

SubmitTexts submitTexts(uCDDBLang language)
{
    SubmitTexts texts;
    texts.language = textLanguage(language);
    // The window's own design texts; German and French replace them below.
    texts.title = QStringLiteral("Submit Disc / Track Information");
    texts.artistLabel = QStringLiteral("Artist Name:");
    texts.albumLabel = QStringLiteral("Album Name:");
    texts.categoryLabel = QStringLiteral("Category:");
    texts.yearLabel = QStringLiteral("Year:");
    texts.genreLabel = QStringLiteral("Genre:");
    texts.notesLabel = QStringLiteral("Extended Disk Info:");
    texts.trackListOption = QStringLiteral("Track List:");
    texts.trackNotesOption = QStringLiteral("Extended Track Info:");
    texts.cdTextButton = QStringLiteral("CD-Text");
    texts.cdTextToolTip = QStringLiteral("Read media for CD-Text info...");
    texts.submitButton = QStringLiteral("Submit");
    texts.cancelButton = QStringLiteral("Cancel");
    texts.untitledMarker = QStringLiteral("Untitled Track");
    texts.separatorError = QStringLiteral("Only one ' / ' separator permitted...");
    texts.correctError = QStringLiteral("Please correct the highlited information...");
    texts.blankTracksQuestion = QStringLiteral("Blank tracks are entered, Ok to Submit?");
    texts.blankTracksTitle = QStringLiteral("Confirm");
    texts.enterTracksError = QStringLiteral("Please enter track info, then re-submit...");
    texts.cdTextUnreadable = QStringLiteral("CD-Text not available on disc...");
    texts.cdTextMissing = QStringLiteral("CD-Text not available on disc...");
    texts.cdTextImported = QStringLiteral("CD-Text imported successfully...");

    switch (texts.language) {
    case uCDDBLang::GERMAN:
        texts.title = QStringLiteral("CD-Informationen an FreeDB übertragen");
        texts.artistLabel = QStringLiteral("Interpret:");
        texts.albumLabel = QStringLiteral("CD-Titel:");
        texts.categoryLabel = QStringLiteral("Kategorie:");
        texts.yearLabel = QStringLiteral("Jahr:");
        texts.notesLabel = QStringLiteral("Erweiterte CD-Daten:");
        texts.trackListOption = QStringLiteral("Liederliste:");
        texts.trackNotesOption = QStringLiteral("Erweiterte Lied Informationen:");
        texts.cdTextToolTip = QStringLiteral("CD-Text von CD auslesen...");
        texts.submitButton = QStringLiteral("&Übertragen");
        texts.cancelButton = QStringLiteral("&Abbrechen");
        texts.untitledMarker = QStringLiteral(": Ohne Namen");
        texts.separatorError = QStringLiteral("Es ist nur ein ' / ' als Trennzeichen erlaubt...");
        texts.correctError = QStringLiteral("Korrigieren Sie bitte die markierten Informationen...");
        texts.blankTracksQuestion
            = QStringLiteral("Es gibt Lieder ohne Namen! Klicken Sie auf OK, um trotzdem zu übertragen!");
        texts.blankTracksTitle = QStringLiteral("Bestätigen");
        texts.enterTracksError = QStringLiteral("Geben Sie die Liedtitel ein und übertragen Sie erneut...");
        texts.cdTextUnreadable = QStringLiteral("Auf der CD ist kein CD-Text vorhanden...");
        texts.cdTextMissing = QStringLiteral("Auf der CD ist kein CD-Text verfügbar...");
        texts.cdTextImported = QStringLiteral("CD-Text wurde ordnungsgemäß importiert...");
        break;
    case uCDDBLang::FRENCH:
        texts.title = QStringLiteral("Envoyer les informations à FreeDB");
        texts.artistLabel = QStringLiteral("Nom Artiste:");
        texts.albumLabel = QStringLiteral("Nom Album:");
        texts.categoryLabel = QStringLiteral("Catégorie:");
        texts.yearLabel = QStringLiteral("Année:");
        texts.notesLabel = QStringLiteral("Informations Suplèmentaires:");
        texts.trackListOption = QStringLiteral("Liste Pistes:");
        texts.trackNotesOption = QStringLiteral("Infos Piste Suplèmentaires:");
        texts.cdTextToolTip = QStringLiteral("Lecture des informations CD-Text...");
        texts.submitButton = QStringLiteral("&Envoyer");
        texts.cancelButton = QStringLiteral("&Annuler");
        texts.untitledMarker = QStringLiteral("Piste sans nom");
        texts.separatorError = QStringLiteral("Seulement un ' / ' autorisé...");
        texts.correctError = QStringLiteral("SVP Corriger l'information en surbrillance");
        texts.blankTracksQuestion = QStringLiteral("Piste(s) sans Nom saisie(s), Envoyer?");
        texts.blankTracksTitle = QStringLiteral("Confirmation");
        texts.enterTracksError
            = QStringLiteral("SVP Saisir les information de(s) Piste(s), puis renvoyer...");
        texts.cdTextUnreadable = QStringLiteral("CD-Text non valide sur ce disque...");
        texts.cdTextMissing = QStringLiteral("CD-Text non valide sur ce disque...");
        texts.cdTextImported = QStringLiteral("CD-Text importé avec succés...");
        break;
    case uCDDBLang::ENGLISH:
        break;
    }
    return texts;
}

QString SubmitTexts::tracksFrame(int trackCount) const
{
    switch (language) {
    case uCDDBLang::GERMAN:
        return QStringLiteral("Lieder  1 bis %1").arg(trackCount);
    case uCDDBLang::FRENCH:
        return QStringLiteral("Pistes  1 à %1").arg(trackCount);
    case uCDDBLang::ENGLISH:
        break;
    }
    return QStringLiteral("Tracks  1 to %1").arg(trackCount);
}

QString SubmitTexts::trackLabelAtStart() const
{
    if (language == uCDDBLang::GERMAN)
        return QStringLiteral("Name von Lied 01:");
    return trackLabel(1);
}

QString SubmitTexts::trackLabel(int track) const
{
    switch (language) {
    case uCDDBLang::GERMAN:
        return QStringLiteral("Name von Lied %1:").arg(track);
    case uCDDBLang::FRENCH:
        return QStringLiteral("Piste  %1  Nom:").arg(track);
    case uCDDBLang::ENGLISH:
        break;
    }
    return QStringLiteral("Track  %1  Name:").arg(track);
}

QString SubmitTexts::untitledLine(int track) const
{
    const QString number = QStringLiteral("%1").arg(track, 2, 10, QLatin1Char('0'));
    switch (language) {
    case uCDDBLang::GERMAN:
        return QStringLiteral("Lied %1: Ohne Namen").arg(number);
    case uCDDBLang::FRENCH:
        return QStringLiteral("Piste sans nom %1").arg(number);
    case uCDDBLang::ENGLISH:
        break;
    }
    return QStringLiteral("Untitled Track %1").arg(number);
}

} // namespace discovant::widgets
