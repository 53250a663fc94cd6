<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CdLookupDialog</name>
    <message>
        <source>CD lookup</source>
        <translation>Recherche de CD</translation>
    </message>
    <message>
        <source>A CDDB server wants your e-mail address with every lookup. Discs can also be looked up in a local CDDB database folder first.</source>
        <translation>Un serveur CDDB demande votre adresse e-mail à chaque recherche. Les CD peuvent aussi être cherchés d&apos;abord dans un dossier local de base CDDB.</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Choisir le dossier</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Serveur :</translation>
    </message>
    <message>
        <source>&amp;E-mail address:</source>
        <translation>Adresse &amp;e-mail :</translation>
    </message>
    <message>
        <source>&amp;Local database folder:</source>
        <translation>Dossier de base &amp;locale :</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address.</source>
        <translation>« %1 » n&apos;est pas une adresse e-mail.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;melotheek --help&apos;.</source>
        <translation>Essayez « melotheek --help ».</translation>
    </message>
    <message>
        <source>Melotheek keeps the catalogue of your music collection: artists, albums, tracks, covers and playlists.</source>
        <translation>Melotheek tient le catalogue de votre collection musicale : artistes, albums, pistes, pochettes et listes de lecture.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Keep the settings and the catalogue in &lt;folder&gt; instead of $MELOTHEEK_HOME or ~/.local/share/Melotheek.</source>
        <translation>Garder les réglages et le catalogue dans &lt;dossier&gt; au lieu de $MELOTHEEK_HOME ou ~/.local/share/Melotheek.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
</context>
<context>
    <name>Discografie</name>
    <message>
        <source>Tracks from CD</source>
        <translation>Pistes du CD</translation>
    </message>
</context>
<context>
    <name>InfoWindow</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
</context>
<context>
    <name>Locatie</name>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Directory: %1</source>
        <translation>Dossier : %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Cover</source>
        <translation>Pochette</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Liste de lecture</translation>
    </message>
    <message>
        <source>No playlist</source>
        <translation>Pas de liste de lecture</translation>
    </message>
</context>
<context>
    <name>PlaylistBuilder</name>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Enlever</translation>
    </message>
    <message>
        <source>Make playlist</source>
        <translation>Créer la liste de lecture</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TitleEditor</name>
    <message>
        <source>Cover</source>
        <translation>Pochette</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Liste de lecture</translation>
    </message>
    <message>
        <source>CDDB disc id</source>
        <translation>Identifiant CDDB du disque</translation>
    </message>
    <message>
        <source>no cdid</source>
        <translation>pas d&apos;id de CD</translation>
    </message>
</context>
<context>
    <name>TrackListWindow</name>
    <message>
        <source>Tracks</source>
        <translation>Pistes</translation>
    </message>
</context>
<context>
    <name>Vergroting</name>
    <message>
        <source>Cover</source>
        <translation>Pochette</translation>
    </message>
</context>
<context>
    <name>WizardCD</name>
    <message>
        <source>Disc image</source>
        <translation>Image disque</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>CD &amp;lookup...</source>
        <translation>&amp;Recherche de CD...</translation>
    </message>
    <message>
        <source>Disc images (*.cue *.toc *.nrg);;All files (*)</source>
        <translation>Images disque (*.cue *.toc *.nrg);;Tous les fichiers (*)</translation>
    </message>
</context>
</TS>
