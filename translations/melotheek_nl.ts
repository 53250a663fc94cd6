<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
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
    <name>Discografie</name>
    <message>
        <source>Tracks from CD</source>
        <translation>Tracks van cd</translation>
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
</context>
</TS>
