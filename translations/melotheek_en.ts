<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
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
    <name>Discografie</name>
    <message>
        <source>Tracks from CD</source>
        <translation>Tracks from CD</translation>
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
</context>
</TS>
