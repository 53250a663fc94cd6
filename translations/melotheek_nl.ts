<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>ArtistChooser</name>
    <message>
        <source>Which artist?</source>
        <translation>Welke artiest?</translation>
    </message>
</context>
<context>
    <name>CdLookupDialog</name>
    <message>
        <source>CD lookup</source>
        <translation>Cd opzoeken</translation>
    </message>
    <message>
        <source>A CDDB server wants your e-mail address with every lookup. Discs can also be looked up in a local CDDB database folder first.</source>
        <translation>Een CDDB-server vraagt bij elke zoekopdracht uw e-mailadres. Cd&apos;s kunnen ook eerst in een lokale map met een CDDB-database worden opgezocht.</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Map kiezen</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;E-mail address:</source>
        <translation>&amp;E-mailadres:</translation>
    </message>
    <message>
        <source>&amp;Local database folder:</source>
        <translation>&amp;Lokale databasemap:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address.</source>
        <translation>&quot;%1&quot; is geen e-mailadres.</translation>
    </message>
    <message>
        <source>6 (UTF-8)</source>
        <translation>6 (UTF-8)</translation>
    </message>
    <message>
        <source>5 (older servers)</source>
        <translation>5 (oudere servers)</translation>
    </message>
    <message>
        <source>The system&apos;s certificates</source>
        <translation>De certificaten van het systeem</translation>
    </message>
    <message>
        <source>Program &amp;name:</source>
        <translation>&amp;Programmanaam:</translation>
    </message>
    <message>
        <source>Program &amp;version:</source>
        <translation>Programma&amp;versie:</translation>
    </message>
    <message>
        <source>P&amp;rotocol level:</source>
        <translation>P&amp;rotocolniveau:</translation>
    </message>
    <message>
        <source>&amp;Certificate authorities (PEM file):</source>
        <translation>&amp;Certificaatautoriteiten (PEM-bestand):</translation>
    </message>
    <message>
        <source>&amp;Mirrors...</source>
        <translation>Spie&amp;gels...</translation>
    </message>
    <message>
        <source>MusicBrainz</source>
        <translation>MusicBrainz</translation>
    </message>
    <message>
        <source>CDDB server</source>
        <translation>CDDB-server</translation>
    </message>
    <message>
        <source>Local CDDB database</source>
        <translation>Lokale CDDB-database</translation>
    </message>
    <message>
        <source>MusicBrainz, then the CDDB server</source>
        <translation>MusicBrainz, daarna de CDDB-server</translation>
    </message>
    <message>
        <source>Look discs &amp;up in:</source>
        <translation>Cd&apos;s op&amp;zoeken in:</translation>
    </message>
    <message>
        <source>Music&amp;Brainz server:</source>
        <translation>Music&amp;Brainz-server:</translation>
    </message>
    <message>
        <source>C&amp;over Art server:</source>
        <translation>C&amp;over Art-server:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;melotheek --help&apos;.</source>
        <translation>Probeer &apos;melotheek --help&apos;.</translation>
    </message>
    <message>
        <source>Melotheek keeps the catalogue of your music collection: artists, albums, tracks, covers and playlists.</source>
        <translation>Melotheek houdt de catalogus van uw muziekcollectie bij: artiesten, albums, tracks, hoesjes en playlists.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Deze hulp tonen en stoppen.</translation>
    </message>
    <message>
        <source>Keep the settings and the catalogue in &lt;folder&gt; instead of $MELOTHEEK_HOME or ~/.local/share/Melotheek.</source>
        <translation>De instellingen en de catalogus in &lt;map&gt; bewaren in plaats van $MELOTHEEK_HOME of ~/.local/share/Melotheek.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>map</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>CoverReportWindow</name>
    <message>
        <source>Find missing covers</source>
        <translation>Ontbrekende hoezen zoeken</translation>
    </message>
    <message>
        <source>The cover folder %1 does not exist.</source>
        <translation>De map voor hoezen %1 bestaat niet.</translation>
    </message>
    <message>
        <source>The cover folder %1 cannot be written to.</source>
        <translation>In de map voor hoezen %1 kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>Every album has a cover.</source>
        <translation>Elk album heeft een hoes.</translation>
    </message>
</context>
<context>
    <name>DiscLookup</name>
    <message>
        <source>Reading the disc…</source>
        <translation>De schijf wordt gelezen…</translation>
    </message>
    <message>
        <source>Looking the disc up on the CDDB server…</source>
        <translation>De schijf wordt opgezocht op de CDDB-server…</translation>
    </message>
    <message>
        <source>Fetching the album from the CDDB server…</source>
        <translation>Het album wordt opgehaald van de CDDB-server…</translation>
    </message>
    <message>
        <source>Fetching the list of CDDB servers…</source>
        <translation>De lijst van CDDB-servers wordt opgehaald…</translation>
    </message>
    <message>
        <source>Sending the album to the CDDB server…</source>
        <translation>Het album wordt naar de CDDB-server gestuurd…</translation>
    </message>
    <message>
        <source>Looking the disc up in the local database…</source>
        <translation>De schijf wordt opgezocht in de lokale database…</translation>
    </message>
    <message>
        <source>Looking the disc up on MusicBrainz…</source>
        <translation>De cd wordt op MusicBrainz opgezocht…</translation>
    </message>
    <message>
        <source>Looking the disc up on MusicBrainz and the CDDB server…</source>
        <translation>De cd wordt op MusicBrainz en de CDDB-server opgezocht…</translation>
    </message>
    <message>
        <source>Fetching the cover from the Cover Art Archive…</source>
        <translation>De hoes wordt uit het Cover Art Archive opgehaald…</translation>
    </message>
</context>
<context>
    <name>Discografie</name>
    <message>
        <source>Tracks from CD</source>
        <translation>Tracks van cd</translation>
    </message>
    <message>
        <source>MusicBrainz...</source>
        <translation>MusicBrainz...</translation>
    </message>
    <message>
        <source>Add the artist&apos;s albums as MusicBrainz lists them</source>
        <translation>De albums van de artiest toevoegen zoals MusicBrainz ze vermeldt</translation>
    </message>
    <message>
        <source>MusicBrainz did not answer: %1</source>
        <translation>MusicBrainz gaf geen antwoord: %1</translation>
    </message>
    <message>
        <source>Looking for %1 on MusicBrainz…</source>
        <translation>%1 zoeken op MusicBrainz…</translation>
    </message>
    <message>
        <source>MusicBrainz knows no artist named %1.</source>
        <translation>MusicBrainz kent geen artiest met de naam %1.</translation>
    </message>
    <message>
        <source>Fetching the albums of %1 from MusicBrainz…</source>
        <translation>De albums van %1 ophalen bij MusicBrainz…</translation>
    </message>
    <message>
        <source>MusicBrainz lists no albums of %1.</source>
        <translation>MusicBrainz vermeldt geen albums van %1.</translation>
    </message>
    <message>
        <source>Albums added: %1. Already in the discography: %2.</source>
        <translation>Albums toegevoegd: %1. Al in de discografie: %2.</translation>
    </message>
</context>
<context>
    <name>DiscogsImport</name>
    <message>
        <source>The file is no Discogs collection list: it has no column %1.</source>
        <translation>Het bestand is geen Discogs-collectielijst: het heeft geen kolom %1.</translation>
    </message>
    <message>
        <source>the row holds bytes that are no text</source>
        <translation>de rij bevat bytes die geen tekst zijn</translation>
    </message>
    <message>
        <source>the row has no artist or no title</source>
        <translation>de rij heeft geen artiest of geen titel</translation>
    </message>
    <message>
        <source>The CSV reader cannot start.</source>
        <translation>De CSV-lezer kan niet starten.</translation>
    </message>
    <message>
        <source>Line %1 is longer than any collection list has.</source>
        <translation>Regel %1 is langer dan een collectielijst ooit heeft.</translation>
    </message>
    <message>
        <source>The row at line %1 cannot be read: %2</source>
        <translation>De rij op regel %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The file is empty: it has no header row.</source>
        <translation>Het bestand is leeg: het heeft geen kopregel.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Het bestand %1 kan niet worden gelezen: %2</translation>
    </message>
</context>
<context>
    <name>DiscogsRapport</name>
    <message>
        <source>Added: %1</source>
        <translation>Toegevoegd: %1</translation>
    </message>
    <message>
        <source>Skipped, already in the catalogue: %1</source>
        <translation>Overgeslagen, al in de catalogus: %1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Geweigerd: %1</translation>
    </message>
    <message>
        <source>The import stopped early: %1</source>
        <translation>De import is voortijdig gestopt: %1</translation>
    </message>
    <message>
        <source>Cancelled: the rows after these were not read.</source>
        <translation>Geannuleerd: de regels hierna zijn niet gelezen.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Regel %1: %2</translation>
    </message>
    <message>
        <source>Further refused rows not listed: %1</source>
        <translation>Niet getoonde geweigerde regels: %1</translation>
    </message>
    <message>
        <source>Import Discogs collection</source>
        <translation>Discogs-collectie importeren</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Verslag</translation>
    </message>
    <message>
        <source>Discogs collection (*.csv)</source>
        <translation>Discogs-collectie (*.csv)</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>%1 wordt gelezen</translation>
    </message>
</context>
<context>
    <name>FolderImportWizard</name>
    <message>
        <source>Looking for music files…</source>
        <translation>Muziekbestanden zoeken…</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>%1 lezen</translation>
    </message>
    <message>
        <source>Import album from folder</source>
        <translation>Album uit map importeren</translation>
    </message>
    <message>
        <source>Step 1: Choose the folder</source>
        <translation>Stap 1: Kies de map</translation>
    </message>
    <message>
        <source>Choose the folder that holds the music files of an album.</source>
        <translation>Kies de map met de muziekbestanden van een album.</translation>
    </message>
    <message>
        <source>Import album from folder...</source>
        <translation>Album uit map importeren...</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>&amp;Folder...</source>
        <translation>&amp;Map...</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Albums in the folder</source>
        <translation>Albums in de map</translation>
    </message>
    <message>
        <source>Tracks of the album</source>
        <translation>Tracks van het album</translation>
    </message>
    <message>
        <source>Cover of the album</source>
        <translation>Hoes van het album</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>No album found</source>
        <translation>Geen album gevonden</translation>
    </message>
    <message>
        <source>None of the music files in %1 names its album and artist in its tags.</source>
        <translation>Geen van de muziekbestanden in %1 noemt album en artiest in zijn tags.</translation>
    </message>
    <message>
        <source>The folder %1 holds no music files.</source>
        <translation>De map %1 bevat geen muziekbestanden.</translation>
    </message>
    <message>
        <source>Step 2: Check the album</source>
        <translation>Stap 2: Controleer het album</translation>
    </message>
    <message>
        <source>This folder holds %1 albums; choose the one to import, correct what the tags say and click &apos;Import&apos;.</source>
        <translation>Deze map bevat %1 albums; kies het album dat u wilt importeren, verbeter wat de tags zeggen en klik op &apos;Importeren&apos;.</translation>
    </message>
    <message>
        <source>Correct what the tags say and click &apos;Import&apos;.</source>
        <translation>Verbeter wat de tags zeggen en klik op &apos;Importeren&apos;.</translation>
    </message>
    <message>
        <source>Left out, no album or artist in their tags (%1): %2</source>
        <translation>Overgeslagen, geen album of artiest in de tags (%1): %2</translation>
    </message>
    <message>
        <source>Left out, not readable as music (%1): %2</source>
        <translation>Overgeslagen, niet leesbaar als muziek (%1): %2</translation>
    </message>
    <message>
        <source>Could not be read (%1): %2</source>
        <translation>Kon niet worden gelezen (%1): %2</translation>
    </message>
    <message>
        <source>No cover found</source>
        <translation>Geen hoes gevonden</translation>
    </message>
    <message>
        <source>The cover cannot be shown</source>
        <translation>De hoes kan niet worden getoond</translation>
    </message>
    <message>
        <source>The catalogue already holds &quot;%1&quot; by %2. Add it once more?</source>
        <translation>De catalogus bevat &quot;%1&quot; van %2 al. Nogmaals toevoegen?</translation>
    </message>
    <message>
        <source>Storing %1</source>
        <translation>%1 opslaan</translation>
    </message>
    <message>
        <source>&quot;%1&quot; by %2 is stored in the catalogue.</source>
        <translation>&quot;%1&quot; van %2 is in de catalogus opgeslagen.</translation>
    </message>
    <message>
        <source>Choose the next album of the folder, or close the window.</source>
        <translation>Kies het volgende album van de map, of sluit het venster.</translation>
    </message>
</context>
<context>
    <name>FolderTrackModel</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lengte</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Schijf</translation>
    </message>
</context>
<context>
    <name>InfoWindow</name>
    <message>
        <source>Font</source>
        <translation>Lettertype</translation>
    </message>
</context>
<context>
    <name>InstellingenWindow</name>
    <message>
        <source>An empty or relative folder or catalogue is taken inside the home folder %1.</source>
        <translation>Een lege of relatieve map of catalogus wordt binnen de thuismap %1 genomen.</translation>
    </message>
</context>
<context>
    <name>Locatie</name>
    <message>
        <source>Folders</source>
        <translation>Mappen</translation>
    </message>
    <message>
        <source>Directory: %1</source>
        <translation>Map: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Cover</source>
        <translation>Hoesje</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>No playlist</source>
        <translation>Geen playlist</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Afspelen</translation>
    </message>
    <message>
        <source>&amp;Track list</source>
        <translation>&amp;Nummerlijst</translation>
    </message>
    <message>
        <source>&amp;Enlarged cover</source>
        <translation>&amp;Vergrote hoes</translation>
    </message>
    <message>
        <source>Find missing covers</source>
        <translation>Ontbrekende hoezen zoeken</translation>
    </message>
    <message>
        <source>Import music library...</source>
        <translation>Muziekbibliotheek importeren...</translation>
    </message>
    <message>
        <source>Import Discogs collection...</source>
        <translation>Discogs-collectie importeren...</translation>
    </message>
</context>
<context>
    <name>MaintenanceCommands</name>
    <message>
        <source>Copying the catalogue to %1</source>
        <translation>De catalogus wordt gekopieerd naar %1</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>%1 wordt geschreven</translation>
    </message>
    <message>
        <source>Restoring the files of %1</source>
        <translation>De bestanden van %1 worden teruggezet</translation>
    </message>
    <message>
        <source>Compacting the catalogue</source>
        <translation>De catalogus wordt gecomprimeerd</translation>
    </message>
</context>
<context>
    <name>MissingCovers</name>
    <message>
        <source>No release of this artist, title and year on MusicBrainz.</source>
        <translation>Geen uitgave met deze artiest, titel en dit jaar op MusicBrainz.</translation>
    </message>
    <message>
        <source>No front cover in the Cover Art Archive.</source>
        <translation>Geen voorkant in het Cover Art Archive.</translation>
    </message>
    <message>
        <source>The answer is not a picture this program can show.</source>
        <translation>Het antwoord is geen afbeelding die dit programma kan tonen.</translation>
    </message>
    <message>
        <source>The cover %1 cannot be written: %2</source>
        <translation>De hoes %1 kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>Covers found: %1</source>
        <translation>Hoezen gevonden: %1</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Niet gevonden: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Mislukt: %1</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 albums: %3</source>
        <translation>Gestopt na %1 van %2 albums: %3</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 albums; the next run goes on with the rest.</source>
        <translation>Gestopt na %1 van %2 albums; de volgende keer gaat het verder met de rest.</translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation>Mislukt:</translation>
    </message>
    <message>
        <source>Not found:</source>
        <translation>Niet gevonden:</translation>
    </message>
</context>
<context>
    <name>OverWindow</name>
    <message>
        <source>No mail program could be started for %1.</source>
        <translation>Er kon geen mailprogramma worden gestart voor %1.</translation>
    </message>
</context>
<context>
    <name>PlaylistBuilder</name>
    <message>
        <source>Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Make playlist</source>
        <translation>Playlist maken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>%1 of %2</source>
        <comment>progress count, e.g. 3 of 240</comment>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Bezig met annuleren…</translation>
    </message>
</context>
<context>
    <name>ReleaseGroupChooser</name>
    <message>
        <source>EPs</source>
        <translation>EP&apos;s</translation>
    </message>
    <message>
        <source>Singles</source>
        <translation>Singles</translation>
    </message>
    <message>
        <source>Compilations</source>
        <translation>Verzamelalbums</translation>
    </message>
    <message>
        <source>Albums on MusicBrainz</source>
        <translation>Albums op MusicBrainz</translation>
    </message>
    <message>
        <source>EP</source>
        <translation>EP</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Compilation</source>
        <translation>Verzamelalbum</translation>
    </message>
</context>
<context>
    <name>Terugzetten</name>
    <message>
        <source>Restoring the catalogue from %1</source>
        <translation>De catalogus wordt teruggezet uit %1</translation>
    </message>
    <message>
        <source>The catalogue as it was before is kept as %1; choose it here to undo the restore.</source>
        <translation>De catalogus zoals hij was, is bewaard als %1; kies die hier om het terugzetten ongedaan te maken.</translation>
    </message>
</context>
<context>
    <name>TitleEditor</name>
    <message>
        <source>Cover</source>
        <translation>Hoesje</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lijst</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>CDDB disc id</source>
        <translation>CDDB-schijf-id</translation>
    </message>
    <message>
        <source>no cdid</source>
        <translation>geen cd-id</translation>
    </message>
</context>
<context>
    <name>TrackListWindow</name>
    <message>
        <source>Tracks</source>
        <translation>Tracks</translation>
    </message>
</context>
<context>
    <name>Vergroting</name>
    <message>
        <source>Cover</source>
        <translation>Hoesje</translation>
    </message>
</context>
<context>
    <name>WizardBibliotheek</name>
    <message>
        <source>Import music library</source>
        <translation>Muziekbibliotheek importeren</translation>
    </message>
    <message>
        <source>Step 1: Choose the library</source>
        <translation>Stap 1: Kies de bibliotheek</translation>
    </message>
    <message>
        <source>Choose the top folder of your music library with &apos;...&apos;. Files that share album artist and album form one album, whatever the folders.</source>
        <translation>Kies met '...' de bovenste map van uw muziekbibliotheek. Bestanden met dezelfde albumartiest en hetzelfde album vormen één album, in welke mappen ze ook staan.</translation>
    </message>
    <message>
        <source>Library folder</source>
        <translation>Bibliotheekmap</translation>
    </message>
    <message>
        <source>Choose the library folder</source>
        <translation>Kies de bibliotheekmap</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gevonden</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Choose the top folder of your music library</source>
        <translation>Kies de bovenste map van uw muziekbibliotheek</translation>
    </message>
    <message>
        <source>Looking for music files in %1</source>
        <translation>Muziekbestanden zoeken in %1</translation>
    </message>
    <message>
        <source>Reading the tags in %1</source>
        <translation>Tags lezen in %1</translation>
    </message>
    <message>
        <source>The search was cancelled; nothing was stored.</source>
        <translation>Het zoeken is geannuleerd; er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>New, tracks: %1</source>
        <translation>Nieuw, nummers: %1</translation>
    </message>
    <message>
        <source>Already in the catalogue</source>
        <translation>Staat al in de catalogus</translation>
    </message>
    <message>
        <source>No album or artist in its tags</source>
        <translation>Geen album of artiest in de tags</translation>
    </message>
    <message>
        <source>No music file, or damaged</source>
        <translation>Geen muziekbestand, of beschadigd</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>Kan niet worden gelezen</translation>
    </message>
    <message>
        <source>Step 2: Choose the albums</source>
        <translation>Stap 2: Kies de albums</translation>
    </message>
    <message>
        <source>New albums found: %1. Tick the ones to import and click &apos;Import&apos;.</source>
        <translation>Nieuwe albums gevonden: %1. Vink aan wat u wilt importeren en klik op 'Importeren'.</translation>
    </message>
    <message>
        <source>Files left unread because they are unchanged since the last import: %1.</source>
        <translation>Bestanden niet gelezen omdat ze sinds de vorige import ongewijzigd zijn: %1.</translation>
    </message>
    <message>
        <source>Storing the album in %1</source>
        <translation>Het album in %1 wordt opgeslagen</translation>
    </message>
    <message>
        <source>Albums stored: %1.</source>
        <translation>Opgeslagen albums: %1.</translation>
    </message>
    <message>
        <source>Cancelled: the albums after these were not stored.</source>
        <translation>Geannuleerd: de albums hierna zijn niet opgeslagen.</translation>
    </message>
    <message>
        <source>Not stored:</source>
        <translation>Niet opgeslagen:</translation>
    </message>
    <message>
        <source>Stored without a cover:</source>
        <translation>Opgeslagen zonder hoes:</translation>
    </message>
    <message>
        <source>Import cancelled</source>
        <translation>Import geannuleerd</translation>
    </message>
    <message>
        <source>Import finished</source>
        <translation>Import voltooid</translation>
    </message>
    <message>
        <source>Run the wizard again on the same folder to import the albums left out; what is stored now will not be stored twice.</source>
        <translation>Start de wizard opnieuw op dezelfde map om de overgeslagen albums te importeren; wat nu is opgeslagen wordt niet twee keer opgeslagen.</translation>
    </message>
</context>
<context>
    <name>WizardCD</name>
    <message>
        <source>Disc image</source>
        <translation>Schijfkopie</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>CD &amp;lookup...</source>
        <translation>Cd &amp;opzoeken...</translation>
    </message>
    <message>
        <source>Disc images (*.cue *.toc *.nrg);;All files (*)</source>
        <translation>Schijfkopieën (*.cue *.toc *.nrg);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Hoes</translation>
    </message>
    <message>
        <source>&amp;Use this cover</source>
        <translation>Deze hoes &amp;gebruiken</translation>
    </message>
    <message>
        <source>Found on MusicBrainz</source>
        <translation>Gevonden op MusicBrainz</translation>
    </message>
    <message>
        <source>Found in the local CDDB database</source>
        <translation>Gevonden in de lokale CDDB-database</translation>
    </message>
    <message>
        <source>Found in the CDDB database</source>
        <translation>Gevonden in de CDDB-database</translation>
    </message>
    <message>
        <source>No cover found</source>
        <translation>Geen hoes gevonden</translation>
    </message>
    <message>
        <source>The cover could not be fetched: %1</source>
        <translation>De hoes kon niet worden opgehaald: %1</translation>
    </message>
    <message>
        <source>The cover that arrived is not a picture this program can use.</source>
        <translation>De ontvangen hoes is geen afbeelding die dit programma kan gebruiken.</translation>
    </message>
    <message>
        <source>The cover from MusicBrainz</source>
        <translation>De hoes van MusicBrainz</translation>
    </message>
</context>
</TS>
