<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ArtistChooser</name>
    <message>
        <source>Which artist?</source>
        <translation>Which artist?</translation>
    </message>
</context>
<context>
    <name>CdLookupDialog</name>
    <message>
        <source>CD lookup</source>
        <translation>CD lookup</translation>
    </message>
    <message>
        <source>A CDDB server wants your e-mail address with every lookup. Discs can also be looked up in a local CDDB database folder first.</source>
        <translation>A CDDB server wants your e-mail address with every lookup. Discs can also be looked up in a local CDDB database folder first.</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Choose folder</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;E-mail address:</source>
        <translation>&amp;E-mail address:</translation>
    </message>
    <message>
        <source>&amp;Local database folder:</source>
        <translation>&amp;Local database folder:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address.</source>
        <translation>&quot;%1&quot; is not an e-mail address.</translation>
    </message>
    <message>
        <source>6 (UTF-8)</source>
        <translation>6 (UTF-8)</translation>
    </message>
    <message>
        <source>5 (older servers)</source>
        <translation>5 (older servers)</translation>
    </message>
    <message>
        <source>The system&apos;s certificates</source>
        <translation>The system&apos;s certificates</translation>
    </message>
    <message>
        <source>Program &amp;name:</source>
        <translation>Program &amp;name:</translation>
    </message>
    <message>
        <source>Program &amp;version:</source>
        <translation>Program &amp;version:</translation>
    </message>
    <message>
        <source>P&amp;rotocol level:</source>
        <translation>P&amp;rotocol level:</translation>
    </message>
    <message>
        <source>&amp;Certificate authorities (PEM file):</source>
        <translation>&amp;Certificate authorities (PEM file):</translation>
    </message>
    <message>
        <source>&amp;Mirrors...</source>
        <translation>&amp;Mirrors...</translation>
    </message>
    <message>
        <source>MusicBrainz</source>
        <translation>MusicBrainz</translation>
    </message>
    <message>
        <source>CDDB server</source>
        <translation>CDDB server</translation>
    </message>
    <message>
        <source>Local CDDB database</source>
        <translation>Local CDDB database</translation>
    </message>
    <message>
        <source>MusicBrainz, then the CDDB server</source>
        <translation>MusicBrainz, then the CDDB server</translation>
    </message>
    <message>
        <source>Look discs &amp;up in:</source>
        <translation>Look discs &amp;up in:</translation>
    </message>
    <message>
        <source>Music&amp;Brainz server:</source>
        <translation>Music&amp;Brainz server:</translation>
    </message>
    <message>
        <source>C&amp;over Art server:</source>
        <translation>C&amp;over Art server:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;melotheek --help&apos;.</source>
        <translation>Try &apos;melotheek --help&apos;.</translation>
    </message>
    <message>
        <source>Melotheek keeps the catalogue of your music collection: artists, albums, tracks, covers and playlists.</source>
        <translation>Melotheek keeps the catalogue of your music collection: artists, albums, tracks, covers and playlists.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Show this help and quit.</translation>
    </message>
    <message>
        <source>Keep the settings and the catalogue in &lt;folder&gt; instead of $MELOTHEEK_HOME or ~/.local/share/Melotheek.</source>
        <translation>Keep the settings and the catalogue in &lt;folder&gt; instead of $MELOTHEEK_HOME or ~/.local/share/Melotheek.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unexpected argument &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>CoverReportWindow</name>
    <message>
        <source>Find missing covers</source>
        <translation>Find missing covers</translation>
    </message>
    <message>
        <source>The cover folder %1 does not exist.</source>
        <translation>The cover folder %1 does not exist.</translation>
    </message>
    <message>
        <source>The cover folder %1 cannot be written to.</source>
        <translation>The cover folder %1 cannot be written to.</translation>
    </message>
    <message>
        <source>Every album has a cover.</source>
        <translation>Every album has a cover.</translation>
    </message>
</context>
<context>
    <name>DiscLookup</name>
    <message>
        <source>Reading the disc…</source>
        <translation>Reading the disc…</translation>
    </message>
    <message>
        <source>Looking the disc up on the CDDB server…</source>
        <translation>Looking the disc up on the CDDB server…</translation>
    </message>
    <message>
        <source>Fetching the album from the CDDB server…</source>
        <translation>Fetching the album from the CDDB server…</translation>
    </message>
    <message>
        <source>Fetching the list of CDDB servers…</source>
        <translation>Fetching the list of CDDB servers…</translation>
    </message>
    <message>
        <source>Sending the album to the CDDB server…</source>
        <translation>Sending the album to the CDDB server…</translation>
    </message>
    <message>
        <source>Looking the disc up in the local database…</source>
        <translation>Looking the disc up in the local database…</translation>
    </message>
    <message>
        <source>Looking the disc up on MusicBrainz…</source>
        <translation>Looking the disc up on MusicBrainz…</translation>
    </message>
    <message>
        <source>Looking the disc up on MusicBrainz and the CDDB server…</source>
        <translation>Looking the disc up on MusicBrainz and the CDDB server…</translation>
    </message>
    <message>
        <source>Fetching the cover from the Cover Art Archive…</source>
        <translation>Fetching the cover from the Cover Art Archive…</translation>
    </message>
</context>
<context>
    <name>Discografie</name>
    <message>
        <source>Tracks from CD</source>
        <translation>Tracks from CD</translation>
    </message>
    <message>
        <source>MusicBrainz...</source>
        <translation>MusicBrainz...</translation>
    </message>
    <message>
        <source>Add the artist&apos;s albums as MusicBrainz lists them</source>
        <translation>Add the artist&apos;s albums as MusicBrainz lists them</translation>
    </message>
    <message>
        <source>MusicBrainz did not answer: %1</source>
        <translation>MusicBrainz did not answer: %1</translation>
    </message>
    <message>
        <source>Looking for %1 on MusicBrainz…</source>
        <translation>Looking for %1 on MusicBrainz…</translation>
    </message>
    <message>
        <source>MusicBrainz knows no artist named %1.</source>
        <translation>MusicBrainz knows no artist named %1.</translation>
    </message>
    <message>
        <source>Fetching the albums of %1 from MusicBrainz…</source>
        <translation>Fetching the albums of %1 from MusicBrainz…</translation>
    </message>
    <message>
        <source>MusicBrainz lists no albums of %1.</source>
        <translation>MusicBrainz lists no albums of %1.</translation>
    </message>
    <message>
        <source>Albums added: %1. Already in the discography: %2.</source>
        <translation>Albums added: %1. Already in the discography: %2.</translation>
    </message>
</context>
<context>
    <name>DiscogsImport</name>
    <message>
        <source>The file is no Discogs collection list: it has no column %1.</source>
        <translation>The file is no Discogs collection list: it has no column %1.</translation>
    </message>
    <message>
        <source>the row holds bytes that are no text</source>
        <translation>the row holds bytes that are no text</translation>
    </message>
    <message>
        <source>the row has no artist or no title</source>
        <translation>the row has no artist or no title</translation>
    </message>
    <message>
        <source>The CSV reader cannot start.</source>
        <translation>The CSV reader cannot start.</translation>
    </message>
    <message>
        <source>Line %1 is longer than any collection list has.</source>
        <translation>Line %1 is longer than any collection list has.</translation>
    </message>
    <message>
        <source>The row at line %1 cannot be read: %2</source>
        <translation>The row at line %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>The file is empty: it has no header row.</source>
        <translation>The file is empty: it has no header row.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
</context>
<context>
    <name>DiscogsRapport</name>
    <message>
        <source>Added: %1</source>
        <translation>Added: %1</translation>
    </message>
    <message>
        <source>Skipped, already in the catalogue: %1</source>
        <translation>Skipped, already in the catalogue: %1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Refused: %1</translation>
    </message>
    <message>
        <source>The import stopped early: %1</source>
        <translation>The import stopped early: %1</translation>
    </message>
    <message>
        <source>Cancelled: the rows after these were not read.</source>
        <translation>Cancelled: the rows after these were not read.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>Further refused rows not listed: %1</source>
        <translation>Further refused rows not listed: %1</translation>
    </message>
    <message>
        <source>Import Discogs collection</source>
        <translation>Import Discogs collection</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Discogs collection (*.csv)</source>
        <translation>Discogs collection (*.csv)</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Reading %1</translation>
    </message>
</context>
<context>
    <name>FolderImportWizard</name>
    <message>
        <source>Looking for music files…</source>
        <translation>Looking for music files…</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Reading %1</translation>
    </message>
    <message>
        <source>Import album from folder</source>
        <translation>Import album from folder</translation>
    </message>
    <message>
        <source>Step 1: Choose the folder</source>
        <translation>Step 1: Choose the folder</translation>
    </message>
    <message>
        <source>Choose the folder that holds the music files of an album.</source>
        <translation>Choose the folder that holds the music files of an album.</translation>
    </message>
    <message>
        <source>Import album from folder...</source>
        <translation>Import album from folder...</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>&amp;Folder...</source>
        <translation>&amp;Folder...</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Albums in the folder</source>
        <translation>Albums in the folder</translation>
    </message>
    <message>
        <source>Tracks of the album</source>
        <translation>Tracks of the album</translation>
    </message>
    <message>
        <source>Cover of the album</source>
        <translation>Cover of the album</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>No album found</source>
        <translation>No album found</translation>
    </message>
    <message>
        <source>None of the music files in %1 names its album and artist in its tags.</source>
        <translation>None of the music files in %1 names its album and artist in its tags.</translation>
    </message>
    <message>
        <source>The folder %1 holds no music files.</source>
        <translation>The folder %1 holds no music files.</translation>
    </message>
    <message>
        <source>Step 2: Check the album</source>
        <translation>Step 2: Check the album</translation>
    </message>
    <message>
        <source>This folder holds %1 albums; choose the one to import, correct what the tags say and click &apos;Import&apos;.</source>
        <translation>This folder holds %1 albums; choose the one to import, correct what the tags say and click &apos;Import&apos;.</translation>
    </message>
    <message>
        <source>Correct what the tags say and click &apos;Import&apos;.</source>
        <translation>Correct what the tags say and click &apos;Import&apos;.</translation>
    </message>
    <message>
        <source>Left out, no album or artist in their tags (%1): %2</source>
        <translation>Left out, no album or artist in their tags (%1): %2</translation>
    </message>
    <message>
        <source>Left out, not readable as music (%1): %2</source>
        <translation>Left out, not readable as music (%1): %2</translation>
    </message>
    <message>
        <source>Could not be read (%1): %2</source>
        <translation>Could not be read (%1): %2</translation>
    </message>
    <message>
        <source>No cover found</source>
        <translation>No cover found</translation>
    </message>
    <message>
        <source>The cover cannot be shown</source>
        <translation>The cover cannot be shown</translation>
    </message>
    <message>
        <source>The catalogue already holds &quot;%1&quot; by %2. Add it once more?</source>
        <translation>The catalogue already holds &quot;%1&quot; by %2. Add it once more?</translation>
    </message>
    <message>
        <source>Storing %1</source>
        <translation>Storing %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; by %2 is stored in the catalogue.</source>
        <translation>&quot;%1&quot; by %2 is stored in the catalogue.</translation>
    </message>
    <message>
        <source>Choose the next album of the folder, or close the window.</source>
        <translation>Choose the next album of the folder, or close the window.</translation>
    </message>
</context>
<context>
    <name>FolderTrackModel</name>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Disc</translation>
    </message>
</context>
<context>
    <name>InfoWindow</name>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
</context>
<context>
    <name>InstellingenWindow</name>
    <message>
        <source>An empty or relative folder or catalogue is taken inside the home folder %1.</source>
        <translation>An empty or relative folder or catalogue is taken inside the home folder %1.</translation>
    </message>
</context>
<context>
    <name>Locatie</name>
    <message>
        <source>Folders</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Directory: %1</source>
        <translation>Directory: %1</translation>
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
        <translation>Playlist</translation>
    </message>
    <message>
        <source>No playlist</source>
        <translation>No playlist</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>&amp;Track list</source>
        <translation>&amp;Track list</translation>
    </message>
    <message>
        <source>&amp;Enlarged cover</source>
        <translation>&amp;Enlarged cover</translation>
    </message>
    <message>
        <source>Find missing covers</source>
        <translation>Find missing covers</translation>
    </message>
    <message>
        <source>Import music library...</source>
        <translation>Import music library...</translation>
    </message>
    <message>
        <source>Import Discogs collection...</source>
        <translation>Import Discogs collection...</translation>
    </message>
</context>
<context>
    <name>MaintenanceCommands</name>
    <message>
        <source>Copying the catalogue to %1</source>
        <translation>Copying the catalogue to %1</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Writing %1</translation>
    </message>
    <message>
        <source>Restoring the files of %1</source>
        <translation>Restoring the files of %1</translation>
    </message>
    <message>
        <source>Compacting the catalogue</source>
        <translation>Compacting the catalogue</translation>
    </message>
</context>
<context>
    <name>MissingCovers</name>
    <message>
        <source>No release of this artist, title and year on MusicBrainz.</source>
        <translation>No release of this artist, title and year on MusicBrainz.</translation>
    </message>
    <message>
        <source>No front cover in the Cover Art Archive.</source>
        <translation>No front cover in the Cover Art Archive.</translation>
    </message>
    <message>
        <source>The answer is not a picture this program can show.</source>
        <translation>The answer is not a picture this program can show.</translation>
    </message>
    <message>
        <source>The cover %1 cannot be written: %2</source>
        <translation>The cover %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Covers found: %1</source>
        <translation>Covers found: %1</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Not found: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Failed: %1</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 albums: %3</source>
        <translation>Stopped after %1 of %2 albums: %3</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 albums; the next run goes on with the rest.</source>
        <translation>Stopped after %1 of %2 albums; the next run goes on with the rest.</translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation>Failed:</translation>
    </message>
    <message>
        <source>Not found:</source>
        <translation>Not found:</translation>
    </message>
</context>
<context>
    <name>OverWindow</name>
    <message>
        <source>No mail program could be started for %1.</source>
        <translation>No mail program could be started for %1.</translation>
    </message>
</context>
<context>
    <name>PlaylistBuilder</name>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Make playlist</source>
        <translation>Make playlist</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>%1 of %2</source>
        <comment>progress count, e.g. 3 of 240</comment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Cancelling…</translation>
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
        <translation>Compilations</translation>
    </message>
    <message>
        <source>Albums on MusicBrainz</source>
        <translation>Albums on MusicBrainz</translation>
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
        <translation>Compilation</translation>
    </message>
</context>
<context>
    <name>Terugzetten</name>
    <message>
        <source>Restoring the catalogue from %1</source>
        <translation>Restoring the catalogue from %1</translation>
    </message>
    <message>
        <source>The catalogue as it was before is kept as %1; choose it here to undo the restore.</source>
        <translation>The catalogue as it was before is kept as %1; choose it here to undo the restore.</translation>
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
        <translation>&amp;List</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>CDDB disc id</source>
        <translation>CDDB disc id</translation>
    </message>
    <message>
        <source>no cdid</source>
        <translation>no cdid</translation>
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
        <translation>Cover</translation>
    </message>
</context>
<context>
    <name>WizardBibliotheek</name>
    <message>
        <source>Import music library</source>
        <translation>Import music library</translation>
    </message>
    <message>
        <source>Step 1: Choose the library</source>
        <translation>Step 1: Choose the library</translation>
    </message>
    <message>
        <source>Choose the top folder of your music library with &apos;...&apos;. Files that share album artist and album form one album, whatever the folders.</source>
        <translation>Choose the top folder of your music library with '...'. Files that share album artist and album form one album, whatever the folders.</translation>
    </message>
    <message>
        <source>Library folder</source>
        <translation>Library folder</translation>
    </message>
    <message>
        <source>Choose the library folder</source>
        <translation>Choose the library folder</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Found</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Choose the top folder of your music library</source>
        <translation>Choose the top folder of your music library</translation>
    </message>
    <message>
        <source>Looking for music files in %1</source>
        <translation>Looking for music files in %1</translation>
    </message>
    <message>
        <source>Reading the tags in %1</source>
        <translation>Reading the tags in %1</translation>
    </message>
    <message>
        <source>The search was cancelled; nothing was stored.</source>
        <translation>The search was cancelled; nothing was stored.</translation>
    </message>
    <message>
        <source>New, tracks: %1</source>
        <translation>New, tracks: %1</translation>
    </message>
    <message>
        <source>Already in the catalogue</source>
        <translation>Already in the catalogue</translation>
    </message>
    <message>
        <source>No album or artist in its tags</source>
        <translation>No album or artist in its tags</translation>
    </message>
    <message>
        <source>No music file, or damaged</source>
        <translation>No music file, or damaged</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>Cannot be read</translation>
    </message>
    <message>
        <source>Step 2: Choose the albums</source>
        <translation>Step 2: Choose the albums</translation>
    </message>
    <message>
        <source>New albums found: %1. Tick the ones to import and click &apos;Import&apos;.</source>
        <translation>New albums found: %1. Tick the ones to import and click 'Import'.</translation>
    </message>
    <message>
        <source>Files left unread because they are unchanged since the last import: %1.</source>
        <translation>Files left unread because they are unchanged since the last import: %1.</translation>
    </message>
    <message>
        <source>Storing the album in %1</source>
        <translation>Storing the album in %1</translation>
    </message>
    <message>
        <source>Albums stored: %1.</source>
        <translation>Albums stored: %1.</translation>
    </message>
    <message>
        <source>Cancelled: the albums after these were not stored.</source>
        <translation>Cancelled: the albums after these were not stored.</translation>
    </message>
    <message>
        <source>Not stored:</source>
        <translation>Not stored:</translation>
    </message>
    <message>
        <source>Stored without a cover:</source>
        <translation>Stored without a cover:</translation>
    </message>
    <message>
        <source>Import cancelled</source>
        <translation>Import cancelled</translation>
    </message>
    <message>
        <source>Import finished</source>
        <translation>Import finished</translation>
    </message>
    <message>
        <source>Run the wizard again on the same folder to import the albums left out; what is stored now will not be stored twice.</source>
        <translation>Run the wizard again on the same folder to import the albums left out; what is stored now will not be stored twice.</translation>
    </message>
</context>
<context>
    <name>WizardCD</name>
    <message>
        <source>Disc image</source>
        <translation>Disc image</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>CD &amp;lookup...</source>
        <translation>CD &amp;lookup...</translation>
    </message>
    <message>
        <source>Disc images (*.cue *.toc *.nrg);;All files (*)</source>
        <translation>Disc images (*.cue *.toc *.nrg);;All files (*)</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>&amp;Use this cover</source>
        <translation>&amp;Use this cover</translation>
    </message>
    <message>
        <source>Found on MusicBrainz</source>
        <translation>Found on MusicBrainz</translation>
    </message>
    <message>
        <source>Found in the local CDDB database</source>
        <translation>Found in the local CDDB database</translation>
    </message>
    <message>
        <source>Found in the CDDB database</source>
        <translation>Found in the CDDB database</translation>
    </message>
    <message>
        <source>No cover found</source>
        <translation>No cover found</translation>
    </message>
    <message>
        <source>The cover could not be fetched: %1</source>
        <translation>The cover could not be fetched: %1</translation>
    </message>
    <message>
        <source>The cover that arrived is not a picture this program can use.</source>
        <translation>The cover that arrived is not a picture this program can use.</translation>
    </message>
    <message>
        <source>The cover from MusicBrainz</source>
        <translation>The cover from MusicBrainz</translation>
    </message>
</context>
</TS>
