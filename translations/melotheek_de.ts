<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ArtistChooser</name>
    <message>
        <source>Which artist?</source>
        <translation>Welcher Interpret?</translation>
    </message>
</context>
<context>
    <name>CdLookupDialog</name>
    <message>
        <source>CD lookup</source>
        <translation>CD-Suche</translation>
    </message>
    <message>
        <source>A CDDB server wants your e-mail address with every lookup. Discs can also be looked up in a local CDDB database folder first.</source>
        <translation>Ein CDDB-Server verlangt bei jeder Suche Ihre E-Mail-Adresse. CDs können auch zuerst in einem lokalen CDDB-Datenbankordner gesucht werden.</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;E-mail address:</source>
        <translation>&amp;E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>&amp;Local database folder:</source>
        <translation>&amp;Lokaler Datenbankordner:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address.</source>
        <translation>„%1“ ist keine E-Mail-Adresse.</translation>
    </message>
    <message>
        <source>6 (UTF-8)</source>
        <translation>6 (UTF-8)</translation>
    </message>
    <message>
        <source>5 (older servers)</source>
        <translation>5 (ältere Server)</translation>
    </message>
    <message>
        <source>The system&apos;s certificates</source>
        <translation>Die Zertifikate des Systems</translation>
    </message>
    <message>
        <source>Program &amp;name:</source>
        <translation>&amp;Programmname:</translation>
    </message>
    <message>
        <source>Program &amp;version:</source>
        <translation>Programm&amp;version:</translation>
    </message>
    <message>
        <source>P&amp;rotocol level:</source>
        <translation>P&amp;rotokollstufe:</translation>
    </message>
    <message>
        <source>&amp;Certificate authorities (PEM file):</source>
        <translation>&amp;Zertifizierungsstellen (PEM-Datei):</translation>
    </message>
    <message>
        <source>&amp;Mirrors...</source>
        <translation>Spie&amp;gelserver...</translation>
    </message>
    <message>
        <source>MusicBrainz</source>
        <translation>MusicBrainz</translation>
    </message>
    <message>
        <source>CDDB server</source>
        <translation>CDDB-Server</translation>
    </message>
    <message>
        <source>Local CDDB database</source>
        <translation>Lokale CDDB-Datenbank</translation>
    </message>
    <message>
        <source>MusicBrainz, then the CDDB server</source>
        <translation>MusicBrainz, danach der CDDB-Server</translation>
    </message>
    <message>
        <source>Look discs &amp;up in:</source>
        <translation>CDs s&amp;uchen in:</translation>
    </message>
    <message>
        <source>Music&amp;Brainz server:</source>
        <translation>Music&amp;Brainz-Server:</translation>
    </message>
    <message>
        <source>C&amp;over Art server:</source>
        <translation>C&amp;over-Art-Server:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;melotheek --help&apos;.</source>
        <translation>Versuchen Sie „melotheek --help“.</translation>
    </message>
    <message>
        <source>Melotheek keeps the catalogue of your music collection: artists, albums, tracks, covers and playlists.</source>
        <translation>Melotheek führt den Katalog Ihrer Musiksammlung: Künstler, Alben, Titel, Cover und Wiedergabelisten.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Keep the settings and the catalogue in &lt;folder&gt; instead of $MELOTHEEK_HOME or ~/.local/share/Melotheek.</source>
        <translation>Einstellungen und Katalog in &lt;Ordner&gt; statt in $MELOTHEEK_HOME oder ~/.local/share/Melotheek aufbewahren.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
</context>
<context>
    <name>CoverReportWindow</name>
    <message>
        <source>Find missing covers</source>
        <translation>Fehlende Cover suchen</translation>
    </message>
    <message>
        <source>The cover folder %1 does not exist.</source>
        <translation>Der Cover-Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The cover folder %1 cannot be written to.</source>
        <translation>In den Cover-Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Every album has a cover.</source>
        <translation>Jedes Album hat ein Cover.</translation>
    </message>
</context>
<context>
    <name>DiscLookup</name>
    <message>
        <source>Reading the disc…</source>
        <translation>Die CD wird gelesen…</translation>
    </message>
    <message>
        <source>Looking the disc up on the CDDB server…</source>
        <translation>Die CD wird auf dem CDDB-Server gesucht…</translation>
    </message>
    <message>
        <source>Fetching the album from the CDDB server…</source>
        <translation>Das Album wird vom CDDB-Server geholt…</translation>
    </message>
    <message>
        <source>Fetching the list of CDDB servers…</source>
        <translation>Die Liste der CDDB-Server wird geholt…</translation>
    </message>
    <message>
        <source>Sending the album to the CDDB server…</source>
        <translation>Das Album wird an den CDDB-Server gesendet…</translation>
    </message>
    <message>
        <source>Looking the disc up in the local database…</source>
        <translation>Die CD wird in der lokalen Datenbank gesucht…</translation>
    </message>
    <message>
        <source>Looking the disc up on MusicBrainz…</source>
        <translation>Die CD wird auf MusicBrainz gesucht…</translation>
    </message>
    <message>
        <source>Looking the disc up on MusicBrainz and the CDDB server…</source>
        <translation>Die CD wird auf MusicBrainz und dem CDDB-Server gesucht…</translation>
    </message>
    <message>
        <source>Fetching the cover from the Cover Art Archive…</source>
        <translation>Das Cover wird aus dem Cover Art Archive geholt…</translation>
    </message>
</context>
<context>
    <name>Discografie</name>
    <message>
        <source>Tracks from CD</source>
        <translation>Titel von CD</translation>
    </message>
    <message>
        <source>MusicBrainz...</source>
        <translation>MusicBrainz...</translation>
    </message>
    <message>
        <source>Add the artist&apos;s albums as MusicBrainz lists them</source>
        <translation>Die Alben des Interpreten hinzufügen, wie MusicBrainz sie führt</translation>
    </message>
    <message>
        <source>MusicBrainz did not answer: %1</source>
        <translation>MusicBrainz hat nicht geantwortet: %1</translation>
    </message>
    <message>
        <source>Looking for %1 on MusicBrainz…</source>
        <translation>%1 wird bei MusicBrainz gesucht…</translation>
    </message>
    <message>
        <source>MusicBrainz knows no artist named %1.</source>
        <translation>MusicBrainz kennt keinen Interpreten namens %1.</translation>
    </message>
    <message>
        <source>Fetching the albums of %1 from MusicBrainz…</source>
        <translation>Die Alben von %1 werden von MusicBrainz geholt…</translation>
    </message>
    <message>
        <source>MusicBrainz lists no albums of %1.</source>
        <translation>MusicBrainz führt keine Alben von %1.</translation>
    </message>
    <message>
        <source>Albums added: %1. Already in the discography: %2.</source>
        <translation>Hinzugefügte Alben: %1. Schon in der Diskografie: %2.</translation>
    </message>
</context>
<context>
    <name>DiscogsImport</name>
    <message>
        <source>The file is no Discogs collection list: it has no column %1.</source>
        <translation>Die Datei ist keine Discogs-Sammlungsliste: Ihr fehlt die Spalte %1.</translation>
    </message>
    <message>
        <source>the row holds bytes that are no text</source>
        <translation>die Zeile enthält Bytes, die kein Text sind</translation>
    </message>
    <message>
        <source>the row has no artist or no title</source>
        <translation>die Zeile hat keinen Interpreten oder keinen Titel</translation>
    </message>
    <message>
        <source>The CSV reader cannot start.</source>
        <translation>Der CSV-Leser kann nicht starten.</translation>
    </message>
    <message>
        <source>Line %1 is longer than any collection list has.</source>
        <translation>Zeile %1 ist länger, als eine Sammlungsliste sie je hat.</translation>
    </message>
    <message>
        <source>The row at line %1 cannot be read: %2</source>
        <translation>Die Zeile %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file is empty: it has no header row.</source>
        <translation>Die Datei ist leer: Sie hat keine Kopfzeile.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>DiscogsRapport</name>
    <message>
        <source>Added: %1</source>
        <translation>Hinzugefügt: %1</translation>
    </message>
    <message>
        <source>Skipped, already in the catalogue: %1</source>
        <translation>Übersprungen, schon im Katalog: %1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Abgelehnt: %1</translation>
    </message>
    <message>
        <source>The import stopped early: %1</source>
        <translation>Der Import wurde vorzeitig beendet: %1</translation>
    </message>
    <message>
        <source>Cancelled: the rows after these were not read.</source>
        <translation>Abgebrochen: Die folgenden Zeilen wurden nicht gelesen.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Further refused rows not listed: %1</source>
        <translation>Weitere abgelehnte Zeilen, nicht aufgeführt: %1</translation>
    </message>
    <message>
        <source>Import Discogs collection</source>
        <translation>Discogs-Sammlung importieren</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Discogs collection (*.csv)</source>
        <translation>Discogs-Sammlung (*.csv)</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>%1 wird gelesen</translation>
    </message>
</context>
<context>
    <name>FolderImportWizard</name>
    <message>
        <source>Looking for music files…</source>
        <translation>Musikdateien werden gesucht…</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>%1 wird gelesen</translation>
    </message>
    <message>
        <source>Import album from folder</source>
        <translation>Album aus Ordner importieren</translation>
    </message>
    <message>
        <source>Step 1: Choose the folder</source>
        <translation>Schritt 1: Ordner wählen</translation>
    </message>
    <message>
        <source>Choose the folder that holds the music files of an album.</source>
        <translation>Wählen Sie den Ordner mit den Musikdateien eines Albums.</translation>
    </message>
    <message>
        <source>Import album from folder...</source>
        <translation>Album aus Ordner importieren...</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Folder...</source>
        <translation>&amp;Ordner...</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Albums in the folder</source>
        <translation>Alben im Ordner</translation>
    </message>
    <message>
        <source>Tracks of the album</source>
        <translation>Titel des Albums</translation>
    </message>
    <message>
        <source>Cover of the album</source>
        <translation>Cover des Albums</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>No album found</source>
        <translation>Kein Album gefunden</translation>
    </message>
    <message>
        <source>None of the music files in %1 names its album and artist in its tags.</source>
        <translation>Keine der Musikdateien in %1 nennt Album und Künstler in ihren Tags.</translation>
    </message>
    <message>
        <source>The folder %1 holds no music files.</source>
        <translation>Der Ordner %1 enthält keine Musikdateien.</translation>
    </message>
    <message>
        <source>Step 2: Check the album</source>
        <translation>Schritt 2: Album prüfen</translation>
    </message>
    <message>
        <source>This folder holds %1 albums; choose the one to import, correct what the tags say and click &apos;Import&apos;.</source>
        <translation>Dieser Ordner enthält %1 Alben; wählen Sie das zu importierende Album, korrigieren Sie die Angaben der Tags und klicken Sie auf „Importieren“.</translation>
    </message>
    <message>
        <source>Correct what the tags say and click &apos;Import&apos;.</source>
        <translation>Korrigieren Sie die Angaben der Tags und klicken Sie auf „Importieren“.</translation>
    </message>
    <message>
        <source>Left out, no album or artist in their tags (%1): %2</source>
        <translation>Ausgelassen, ohne Album oder Künstler in den Tags (%1): %2</translation>
    </message>
    <message>
        <source>Left out, not readable as music (%1): %2</source>
        <translation>Ausgelassen, nicht als Musik lesbar (%1): %2</translation>
    </message>
    <message>
        <source>Could not be read (%1): %2</source>
        <translation>Nicht lesbar (%1): %2</translation>
    </message>
    <message>
        <source>No cover found</source>
        <translation>Kein Cover gefunden</translation>
    </message>
    <message>
        <source>The cover cannot be shown</source>
        <translation>Das Cover kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>The catalogue already holds &quot;%1&quot; by %2. Add it once more?</source>
        <translation>Der Katalog enthält „%1“ von %2 bereits. Noch einmal hinzufügen?</translation>
    </message>
    <message>
        <source>Storing %1</source>
        <translation>%1 wird gespeichert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; by %2 is stored in the catalogue.</source>
        <translation>„%1“ von %2 ist im Katalog gespeichert.</translation>
    </message>
    <message>
        <source>Choose the next album of the folder, or close the window.</source>
        <translation>Wählen Sie das nächste Album des Ordners oder schließen Sie das Fenster.</translation>
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
        <translation>Länge</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>CD</translation>
    </message>
</context>
<context>
    <name>InfoWindow</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
</context>
<context>
    <name>InstellingenWindow</name>
    <message>
        <source>An empty or relative folder or catalogue is taken inside the home folder %1.</source>
        <translation>Ein leerer oder relativer Ordner oder Katalog liegt im Stammordner %1.</translation>
    </message>
</context>
<context>
    <name>Locatie</name>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Directory: %1</source>
        <translation>Ordner: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Cover</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Playliste</translation>
    </message>
    <message>
        <source>No playlist</source>
        <translation>Keine Playliste</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>&amp;Track list</source>
        <translation>&amp;Titelliste</translation>
    </message>
    <message>
        <source>&amp;Enlarged cover</source>
        <translation>&amp;Vergrößertes Cover</translation>
    </message>
    <message>
        <source>Find missing covers</source>
        <translation>Fehlende Cover suchen</translation>
    </message>
    <message>
        <source>Import music library...</source>
        <translation>Musikbibliothek importieren...</translation>
    </message>
    <message>
        <source>Import Discogs collection...</source>
        <translation>Discogs-Sammlung importieren...</translation>
    </message>
</context>
<context>
    <name>MaintenanceCommands</name>
    <message>
        <source>Copying the catalogue to %1</source>
        <translation>Der Katalog wird nach %1 kopiert</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>%1 wird geschrieben</translation>
    </message>
    <message>
        <source>Restoring the files of %1</source>
        <translation>Die Dateien von %1 werden wiederhergestellt</translation>
    </message>
    <message>
        <source>Compacting the catalogue</source>
        <translation>Der Katalog wird komprimiert</translation>
    </message>
</context>
<context>
    <name>MissingCovers</name>
    <message>
        <source>No release of this artist, title and year on MusicBrainz.</source>
        <translation>Keine Veröffentlichung mit diesem Interpreten, Titel und Jahr bei MusicBrainz.</translation>
    </message>
    <message>
        <source>No front cover in the Cover Art Archive.</source>
        <translation>Kein Vorderseiten-Cover im Cover Art Archive.</translation>
    </message>
    <message>
        <source>The answer is not a picture this program can show.</source>
        <translation>Die Antwort ist kein Bild, das dieses Programm anzeigen kann.</translation>
    </message>
    <message>
        <source>The cover %1 cannot be written: %2</source>
        <translation>Das Cover %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Covers found: %1</source>
        <translation>Gefundene Cover: %1</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 albums: %3</source>
        <translation>Nach %1 von %2 Alben angehalten: %3</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 albums; the next run goes on with the rest.</source>
        <translation>Nach %1 von %2 Alben angehalten; beim nächsten Mal geht es mit den übrigen weiter.</translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation>Fehlgeschlagen:</translation>
    </message>
    <message>
        <source>Not found:</source>
        <translation>Nicht gefunden:</translation>
    </message>
</context>
<context>
    <name>OverWindow</name>
    <message>
        <source>No mail program could be started for %1.</source>
        <translation>Für %1 konnte kein E-Mail-Programm gestartet werden.</translation>
    </message>
</context>
<context>
    <name>PlaylistBuilder</name>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Make playlist</source>
        <translation>Playliste erstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>%1 of %2</source>
        <comment>progress count, e.g. 3 of 240</comment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen…</translation>
    </message>
</context>
<context>
    <name>ReleaseGroupChooser</name>
    <message>
        <source>EPs</source>
        <translation>EPs</translation>
    </message>
    <message>
        <source>Singles</source>
        <translation>Singles</translation>
    </message>
    <message>
        <source>Compilations</source>
        <translation>Kompilationen</translation>
    </message>
    <message>
        <source>Albums on MusicBrainz</source>
        <translation>Alben bei MusicBrainz</translation>
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
        <translation>Kompilation</translation>
    </message>
</context>
<context>
    <name>Terugzetten</name>
    <message>
        <source>Restoring the catalogue from %1</source>
        <translation>Der Katalog wird aus %1 wiederhergestellt</translation>
    </message>
    <message>
        <source>The catalogue as it was before is kept as %1; choose it here to undo the restore.</source>
        <translation>Der vorherige Katalog ist als %1 aufbewahrt; wählen Sie ihn hier, um die Wiederherstellung rückgängig zu machen.</translation>
    </message>
</context>
<context>
    <name>TitleEditor</name>
    <message>
        <source>Cover</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Playliste</translation>
    </message>
    <message>
        <source>CDDB disc id</source>
        <translation>CDDB-Disc-ID</translation>
    </message>
    <message>
        <source>no cdid</source>
        <translation>keine CD-ID</translation>
    </message>
</context>
<context>
    <name>TrackListWindow</name>
    <message>
        <source>Tracks</source>
        <translation>Titel</translation>
    </message>
</context>
<context>
    <name>Vergroting</name>
    <message>
        <source>Cover</source>
        <translation>Cover</translation>
    </message>
</context>
<context>
    <name>WizardBibliotheek</name>
    <message>
        <source>Import music library</source>
        <translation>Musikbibliothek importieren</translation>
    </message>
    <message>
        <source>Step 1: Choose the library</source>
        <translation>Schritt 1: Bibliothek wählen</translation>
    </message>
    <message>
        <source>Choose the top folder of your music library with &apos;...&apos;. Files that share album artist and album form one album, whatever the folders.</source>
        <translation>Wählen Sie mit „...“ den obersten Ordner Ihrer Musikbibliothek. Dateien mit gleichem Albuminterpreten und Album bilden ein Album, gleich in welchen Ordnern sie liegen.</translation>
    </message>
    <message>
        <source>Library folder</source>
        <translation>Bibliotheksordner</translation>
    </message>
    <message>
        <source>Choose the library folder</source>
        <translation>Bibliotheksordner wählen</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gefunden</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Choose the top folder of your music library</source>
        <translation>Wählen Sie den obersten Ordner Ihrer Musikbibliothek</translation>
    </message>
    <message>
        <source>Looking for music files in %1</source>
        <translation>Musikdateien werden in %1 gesucht</translation>
    </message>
    <message>
        <source>Reading the tags in %1</source>
        <translation>Tags in %1 werden gelesen</translation>
    </message>
    <message>
        <source>The search was cancelled; nothing was stored.</source>
        <translation>Die Suche wurde abgebrochen; nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>New, tracks: %1</source>
        <translation>Neu, Titel: %1</translation>
    </message>
    <message>
        <source>Already in the catalogue</source>
        <translation>Schon im Katalog</translation>
    </message>
    <message>
        <source>No album or artist in its tags</source>
        <translation>Kein Album oder Interpret in den Tags</translation>
    </message>
    <message>
        <source>No music file, or damaged</source>
        <translation>Keine Musikdatei oder beschädigt</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>Nicht lesbar</translation>
    </message>
    <message>
        <source>Step 2: Choose the albums</source>
        <translation>Schritt 2: Alben wählen</translation>
    </message>
    <message>
        <source>New albums found: %1. Tick the ones to import and click &apos;Import&apos;.</source>
        <translation>Neue Alben gefunden: %1. Haken Sie die zu importierenden an und klicken Sie auf „Importieren“.</translation>
    </message>
    <message>
        <source>Files left unread because they are unchanged since the last import: %1.</source>
        <translation>Nicht gelesene Dateien, da seit dem letzten Import unverändert: %1.</translation>
    </message>
    <message>
        <source>Storing the album in %1</source>
        <translation>Das Album in %1 wird gespeichert</translation>
    </message>
    <message>
        <source>Albums stored: %1.</source>
        <translation>Gespeicherte Alben: %1.</translation>
    </message>
    <message>
        <source>Cancelled: the albums after these were not stored.</source>
        <translation>Abgebrochen: Die folgenden Alben wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Not stored:</source>
        <translation>Nicht gespeichert:</translation>
    </message>
    <message>
        <source>Stored without a cover:</source>
        <translation>Ohne Cover gespeichert:</translation>
    </message>
    <message>
        <source>Import cancelled</source>
        <translation>Import abgebrochen</translation>
    </message>
    <message>
        <source>Import finished</source>
        <translation>Import abgeschlossen</translation>
    </message>
    <message>
        <source>Run the wizard again on the same folder to import the albums left out; what is stored now will not be stored twice.</source>
        <translation>Starten Sie den Assistenten erneut mit demselben Ordner, um die ausgelassenen Alben zu importieren; was jetzt gespeichert ist, wird nicht doppelt gespeichert.</translation>
    </message>
</context>
<context>
    <name>WizardCD</name>
    <message>
        <source>Disc image</source>
        <translation>Disc-Abbild</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>CD &amp;lookup...</source>
        <translation>&amp;CD-Suche...</translation>
    </message>
    <message>
        <source>Disc images (*.cue *.toc *.nrg);;All files (*)</source>
        <translation>Disc-Abbilder (*.cue *.toc *.nrg);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>&amp;Use this cover</source>
        <translation>Dieses Cover &amp;verwenden</translation>
    </message>
    <message>
        <source>Found on MusicBrainz</source>
        <translation>Auf MusicBrainz gefunden</translation>
    </message>
    <message>
        <source>Found in the local CDDB database</source>
        <translation>In der lokalen CDDB-Datenbank gefunden</translation>
    </message>
    <message>
        <source>Found in the CDDB database</source>
        <translation>In der CDDB-Datenbank gefunden</translation>
    </message>
    <message>
        <source>No cover found</source>
        <translation>Kein Cover gefunden</translation>
    </message>
    <message>
        <source>The cover could not be fetched: %1</source>
        <translation>Das Cover konnte nicht geholt werden: %1</translation>
    </message>
    <message>
        <source>The cover that arrived is not a picture this program can use.</source>
        <translation>Das empfangene Cover ist kein Bild, das dieses Programm verwenden kann.</translation>
    </message>
    <message>
        <source>The cover from MusicBrainz</source>
        <translation>Das Cover von MusicBrainz</translation>
    </message>
</context>
</TS>
