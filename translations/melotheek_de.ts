<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <source>"%1" is not an e-mail address.</source>
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
        <source>The system's certificates</source>
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
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try 'melotheek --help'.</source>
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
        <source>Unexpected argument '%1'.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
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
</context>
<context>
    <name>Discografie</name>
    <message>
        <source>Tracks from CD</source>
        <translation>Titel von CD</translation>
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
</context>
</TS>