<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ArtistChooser</name>
    <message>
        <source>Which artist?</source>
        <translation>Quel artiste ?</translation>
    </message>
</context>
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
    <message>
        <source>6 (UTF-8)</source>
        <translation>6 (UTF-8)</translation>
    </message>
    <message>
        <source>5 (older servers)</source>
        <translation>5 (serveurs anciens)</translation>
    </message>
    <message>
        <source>The system&apos;s certificates</source>
        <translation>Les certificats du système</translation>
    </message>
    <message>
        <source>Program &amp;name:</source>
        <translation>&amp;Nom du programme :</translation>
    </message>
    <message>
        <source>Program &amp;version:</source>
        <translation>&amp;Version du programme :</translation>
    </message>
    <message>
        <source>P&amp;rotocol level:</source>
        <translation>Niveau de p&amp;rotocole :</translation>
    </message>
    <message>
        <source>&amp;Certificate authorities (PEM file):</source>
        <translation>Autorités de &amp;certification (fichier PEM) :</translation>
    </message>
    <message>
        <source>&amp;Mirrors...</source>
        <translation>&amp;Miroirs...</translation>
    </message>
    <message>
        <source>MusicBrainz</source>
        <translation>MusicBrainz</translation>
    </message>
    <message>
        <source>CDDB server</source>
        <translation>Serveur CDDB</translation>
    </message>
    <message>
        <source>Local CDDB database</source>
        <translation>Base CDDB locale</translation>
    </message>
    <message>
        <source>MusicBrainz, then the CDDB server</source>
        <translation>MusicBrainz, puis le serveur CDDB</translation>
    </message>
    <message>
        <source>Look discs &amp;up in:</source>
        <translation>Rechercher les disq&amp;ues dans :</translation>
    </message>
    <message>
        <source>Music&amp;Brainz server:</source>
        <translation>Serveur Music&amp;Brainz :</translation>
    </message>
    <message>
        <source>C&amp;over Art server:</source>
        <translation>Serveur C&amp;over Art :</translation>
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
    <name>CoverReportWindow</name>
    <message>
        <source>Find missing covers</source>
        <translation>Rechercher les pochettes manquantes</translation>
    </message>
    <message>
        <source>The cover folder %1 does not exist.</source>
        <translation>Le dossier des pochettes %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The cover folder %1 cannot be written to.</source>
        <translation>Le dossier des pochettes %1 n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>Every album has a cover.</source>
        <translation>Chaque album a une pochette.</translation>
    </message>
</context>
<context>
    <name>DiscLookup</name>
    <message>
        <source>Reading the disc…</source>
        <translation>Lecture du disque…</translation>
    </message>
    <message>
        <source>Looking the disc up on the CDDB server…</source>
        <translation>Recherche du disque sur le serveur CDDB…</translation>
    </message>
    <message>
        <source>Fetching the album from the CDDB server…</source>
        <translation>Récupération de l’album sur le serveur CDDB…</translation>
    </message>
    <message>
        <source>Fetching the list of CDDB servers…</source>
        <translation>Récupération de la liste des serveurs CDDB…</translation>
    </message>
    <message>
        <source>Sending the album to the CDDB server…</source>
        <translation>Envoi de l’album au serveur CDDB…</translation>
    </message>
    <message>
        <source>Looking the disc up in the local database…</source>
        <translation>Recherche du disque dans la base locale…</translation>
    </message>
    <message>
        <source>Looking the disc up on MusicBrainz…</source>
        <translation>Recherche du disque sur MusicBrainz…</translation>
    </message>
    <message>
        <source>Looking the disc up on MusicBrainz and the CDDB server…</source>
        <translation>Recherche du disque sur MusicBrainz et le serveur CDDB…</translation>
    </message>
    <message>
        <source>Fetching the cover from the Cover Art Archive…</source>
        <translation>Téléchargement de la pochette depuis le Cover Art Archive…</translation>
    </message>
</context>
<context>
    <name>Discografie</name>
    <message>
        <source>Tracks from CD</source>
        <translation>Pistes du CD</translation>
    </message>
    <message>
        <source>MusicBrainz...</source>
        <translation>MusicBrainz...</translation>
    </message>
    <message>
        <source>Add the artist&apos;s albums as MusicBrainz lists them</source>
        <translation>Ajouter les albums de l&apos;artiste tels que MusicBrainz les recense</translation>
    </message>
    <message>
        <source>MusicBrainz did not answer: %1</source>
        <translation>MusicBrainz n&apos;a pas répondu : %1</translation>
    </message>
    <message>
        <source>Looking for %1 on MusicBrainz…</source>
        <translation>Recherche de %1 sur MusicBrainz…</translation>
    </message>
    <message>
        <source>MusicBrainz knows no artist named %1.</source>
        <translation>MusicBrainz ne connaît aucun artiste nommé %1.</translation>
    </message>
    <message>
        <source>Fetching the albums of %1 from MusicBrainz…</source>
        <translation>Récupération des albums de %1 sur MusicBrainz…</translation>
    </message>
    <message>
        <source>MusicBrainz lists no albums of %1.</source>
        <translation>MusicBrainz ne recense aucun album de %1.</translation>
    </message>
    <message>
        <source>Albums added: %1. Already in the discography: %2.</source>
        <translation>Albums ajoutés : %1. Déjà dans la discographie : %2.</translation>
    </message>
</context>
<context>
    <name>DiscogsImport</name>
    <message>
        <source>The file is no Discogs collection list: it has no column %1.</source>
        <translation>Le fichier n’est pas une liste de collection Discogs : il n’a pas de colonne %1.</translation>
    </message>
    <message>
        <source>the row holds bytes that are no text</source>
        <translation>la ligne contient des octets qui ne sont pas du texte</translation>
    </message>
    <message>
        <source>the row has no artist or no title</source>
        <translation>la ligne n’a pas d’artiste ou pas de titre</translation>
    </message>
    <message>
        <source>The CSV reader cannot start.</source>
        <translation>Le lecteur CSV ne peut pas démarrer.</translation>
    </message>
    <message>
        <source>Line %1 is longer than any collection list has.</source>
        <translation>La ligne %1 est plus longue que dans toute liste de collection.</translation>
    </message>
    <message>
        <source>The row at line %1 cannot be read: %2</source>
        <translation>La ligne %1 ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>The file is empty: it has no header row.</source>
        <translation>Le fichier est vide : il n’a pas de ligne d’en-tête.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Le fichier %1 ne peut pas être lu : %2</translation>
    </message>
</context>
<context>
    <name>DiscogsRapport</name>
    <message>
        <source>Added: %1</source>
        <translation>Ajoutées : %1</translation>
    </message>
    <message>
        <source>Skipped, already in the catalogue: %1</source>
        <translation>Ignorées, déjà au catalogue : %1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Refusées : %1</translation>
    </message>
    <message>
        <source>The import stopped early: %1</source>
        <translation>L'importation s'est arrêtée avant la fin : %1</translation>
    </message>
    <message>
        <source>Cancelled: the rows after these were not read.</source>
        <translation>Annulé : les lignes suivantes n'ont pas été lues.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>Further refused rows not listed: %1</source>
        <translation>Autres lignes refusées, non listées : %1</translation>
    </message>
    <message>
        <source>Import Discogs collection</source>
        <translation>Importer une collection Discogs</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Discogs collection (*.csv)</source>
        <translation>Collection Discogs (*.csv)</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Lecture de %1</translation>
    </message>
</context>
<context>
    <name>FolderImportWizard</name>
    <message>
        <source>Looking for music files…</source>
        <translation>Recherche des fichiers musicaux…</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Lecture de %1</translation>
    </message>
    <message>
        <source>Import album from folder</source>
        <translation>Importer un album depuis un dossier</translation>
    </message>
    <message>
        <source>Step 1: Choose the folder</source>
        <translation>Étape 1 : choisissez le dossier</translation>
    </message>
    <message>
        <source>Choose the folder that holds the music files of an album.</source>
        <translation>Choisissez le dossier qui contient les fichiers musicaux d&apos;un album.</translation>
    </message>
    <message>
        <source>Import album from folder...</source>
        <translation>Importer un album depuis un dossier...</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>&amp;Folder...</source>
        <translation>&amp;Dossier...</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Albums in the folder</source>
        <translation>Albums du dossier</translation>
    </message>
    <message>
        <source>Tracks of the album</source>
        <translation>Pistes de l&apos;album</translation>
    </message>
    <message>
        <source>Cover of the album</source>
        <translation>Pochette de l&apos;album</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>No album found</source>
        <translation>Aucun album trouvé</translation>
    </message>
    <message>
        <source>None of the music files in %1 names its album and artist in its tags.</source>
        <translation>Aucun des fichiers musicaux de %1 n&apos;indique son album et son artiste dans ses tags.</translation>
    </message>
    <message>
        <source>The folder %1 holds no music files.</source>
        <translation>Le dossier %1 ne contient aucun fichier musical.</translation>
    </message>
    <message>
        <source>Step 2: Check the album</source>
        <translation>Étape 2 : vérifiez l&apos;album</translation>
    </message>
    <message>
        <source>This folder holds %1 albums; choose the one to import, correct what the tags say and click &apos;Import&apos;.</source>
        <translation>Ce dossier contient %1 albums ; choisissez celui à importer, corrigez ce que disent les tags et cliquez sur « Importer ».</translation>
    </message>
    <message>
        <source>Correct what the tags say and click &apos;Import&apos;.</source>
        <translation>Corrigez ce que disent les tags et cliquez sur « Importer ».</translation>
    </message>
    <message>
        <source>Left out, no album or artist in their tags (%1): %2</source>
        <translation>Ignorés, sans album ni artiste dans leurs tags (%1) : %2</translation>
    </message>
    <message>
        <source>Left out, not readable as music (%1): %2</source>
        <translation>Ignorés, illisibles comme musique (%1) : %2</translation>
    </message>
    <message>
        <source>Could not be read (%1): %2</source>
        <translation>Illisibles (%1) : %2</translation>
    </message>
    <message>
        <source>No cover found</source>
        <translation>Aucune pochette trouvée</translation>
    </message>
    <message>
        <source>The cover cannot be shown</source>
        <translation>La pochette ne peut pas être affichée</translation>
    </message>
    <message>
        <source>The catalogue already holds &quot;%1&quot; by %2. Add it once more?</source>
        <translation>Le catalogue contient déjà « %1 » de %2. L&apos;ajouter une nouvelle fois ?</translation>
    </message>
    <message>
        <source>Storing %1</source>
        <translation>Enregistrement de %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; by %2 is stored in the catalogue.</source>
        <translation>« %1 » de %2 est enregistré dans le catalogue.</translation>
    </message>
    <message>
        <source>Choose the next album of the folder, or close the window.</source>
        <translation>Choisissez l&apos;album suivant du dossier, ou fermez la fenêtre.</translation>
    </message>
</context>
<context>
    <name>FolderTrackModel</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Disque</translation>
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
    <name>InstellingenWindow</name>
    <message>
        <source>An empty or relative folder or catalogue is taken inside the home folder %1.</source>
        <translation>Un dossier ou un catalogue vide ou relatif est pris dans le dossier personnel %1.</translation>
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
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>&amp;Track list</source>
        <translation>Liste des &amp;pistes</translation>
    </message>
    <message>
        <source>&amp;Enlarged cover</source>
        <translation>Pochette a&amp;grandie</translation>
    </message>
    <message>
        <source>Find missing covers</source>
        <translation>Rechercher les pochettes manquantes</translation>
    </message>
    <message>
        <source>Import music library...</source>
        <translation>Importer une bibliothèque musicale...</translation>
    </message>
    <message>
        <source>Import Discogs collection...</source>
        <translation>Importer une collection Discogs...</translation>
    </message>
</context>
<context>
    <name>MaintenanceCommands</name>
    <message>
        <source>Copying the catalogue to %1</source>
        <translation>Copie du catalogue vers %1</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Écriture de %1</translation>
    </message>
    <message>
        <source>Restoring the files of %1</source>
        <translation>Restauration des fichiers de %1</translation>
    </message>
    <message>
        <source>Compacting the catalogue</source>
        <translation>Compactage du catalogue</translation>
    </message>
</context>
<context>
    <name>MissingCovers</name>
    <message>
        <source>No release of this artist, title and year on MusicBrainz.</source>
        <translation>Aucune parution de cet artiste, de ce titre et de cette année sur MusicBrainz.</translation>
    </message>
    <message>
        <source>No front cover in the Cover Art Archive.</source>
        <translation>Pas de recto dans le Cover Art Archive.</translation>
    </message>
    <message>
        <source>The answer is not a picture this program can show.</source>
        <translation>La réponse n&apos;est pas une image que ce programme sait afficher.</translation>
    </message>
    <message>
        <source>The cover %1 cannot be written: %2</source>
        <translation>La pochette %1 ne peut pas être écrite : %2</translation>
    </message>
    <message>
        <source>Covers found: %1</source>
        <translation>Pochettes trouvées : %1</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Non trouvées : %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échecs : %1</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 albums: %3</source>
        <translation>Arrêté après %1 albums sur %2 : %3</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 albums; the next run goes on with the rest.</source>
        <translation>Arrêté après %1 albums sur %2 ; la prochaine fois, la recherche reprend avec les autres.</translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation>Échecs :</translation>
    </message>
    <message>
        <source>Not found:</source>
        <translation>Non trouvées :</translation>
    </message>
</context>
<context>
    <name>OverWindow</name>
    <message>
        <source>No mail program could be started for %1.</source>
        <translation>Aucun programme de courrier n’a pu être lancé pour %1.</translation>
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
    <name>ProgressWindow</name>
    <message>
        <source>%1 of %2</source>
        <comment>progress count, e.g. 3 of 240</comment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Annulation…</translation>
    </message>
</context>
<context>
    <name>ReleaseGroupChooser</name>
    <message>
        <source>EPs</source>
        <translation>EP</translation>
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
        <translation>Albums sur MusicBrainz</translation>
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
        <translation>Restauration du catalogue depuis %1</translation>
    </message>
    <message>
        <source>The catalogue as it was before is kept as %1; choose it here to undo the restore.</source>
        <translation>Le catalogue tel qu’il était est conservé sous %1 ; choisissez-le ici pour annuler la restauration.</translation>
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
    <name>WizardBibliotheek</name>
    <message>
        <source>Import music library</source>
        <translation>Importer une bibliothèque musicale</translation>
    </message>
    <message>
        <source>Step 1: Choose the library</source>
        <translation>Étape 1 : choisissez la bibliothèque</translation>
    </message>
    <message>
        <source>Choose the top folder of your music library with &apos;...&apos;. Files that share album artist and album form one album, whatever the folders.</source>
        <translation>Choisissez avec « ... » le dossier principal de votre bibliothèque musicale. Les fichiers qui ont le même artiste d'album et le même album forment un seul album, quels que soient les dossiers.</translation>
    </message>
    <message>
        <source>Library folder</source>
        <translation>Dossier de la bibliothèque</translation>
    </message>
    <message>
        <source>Choose the library folder</source>
        <translation>Choisir le dossier de la bibliothèque</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Trouvé</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Choose the top folder of your music library</source>
        <translation>Choisissez le dossier principal de votre bibliothèque musicale</translation>
    </message>
    <message>
        <source>Looking for music files in %1</source>
        <translation>Recherche des fichiers musicaux dans %1</translation>
    </message>
    <message>
        <source>Reading the tags in %1</source>
        <translation>Lecture des étiquettes dans %1</translation>
    </message>
    <message>
        <source>The search was cancelled; nothing was stored.</source>
        <translation>La recherche a été annulée ; rien n'a été enregistré.</translation>
    </message>
    <message>
        <source>New, tracks: %1</source>
        <translation>Nouveau, pistes : %1</translation>
    </message>
    <message>
        <source>Already in the catalogue</source>
        <translation>Déjà au catalogue</translation>
    </message>
    <message>
        <source>No album or artist in its tags</source>
        <translation>Ni album ni artiste dans les étiquettes</translation>
    </message>
    <message>
        <source>No music file, or damaged</source>
        <translation>Pas un fichier musical, ou endommagé</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>Illisible</translation>
    </message>
    <message>
        <source>Step 2: Choose the albums</source>
        <translation>Étape 2 : choisissez les albums</translation>
    </message>
    <message>
        <source>New albums found: %1. Tick the ones to import and click &apos;Import&apos;.</source>
        <translation>Nouveaux albums trouvés : %1. Cochez ceux à importer et cliquez sur « Importer ».</translation>
    </message>
    <message>
        <source>Files left unread because they are unchanged since the last import: %1.</source>
        <translation>Fichiers non relus car inchangés depuis la dernière importation : %1.</translation>
    </message>
    <message>
        <source>Storing the album in %1</source>
        <translation>Enregistrement de l'album de %1</translation>
    </message>
    <message>
        <source>Albums stored: %1.</source>
        <translation>Albums enregistrés : %1.</translation>
    </message>
    <message>
        <source>Cancelled: the albums after these were not stored.</source>
        <translation>Annulé : les albums suivants n'ont pas été enregistrés.</translation>
    </message>
    <message>
        <source>Not stored:</source>
        <translation>Non enregistrés :</translation>
    </message>
    <message>
        <source>Stored without a cover:</source>
        <translation>Enregistrés sans pochette :</translation>
    </message>
    <message>
        <source>Import cancelled</source>
        <translation>Importation annulée</translation>
    </message>
    <message>
        <source>Import finished</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>Run the wizard again on the same folder to import the albums left out; what is stored now will not be stored twice.</source>
        <translation>Relancez l'assistant sur le même dossier pour importer les albums laissés de côté ; ce qui est enregistré maintenant ne le sera pas deux fois.</translation>
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
    <message>
        <source>Cover</source>
        <translation>Pochette</translation>
    </message>
    <message>
        <source>&amp;Use this cover</source>
        <translation>&amp;Utiliser cette pochette</translation>
    </message>
    <message>
        <source>Found on MusicBrainz</source>
        <translation>Trouvé sur MusicBrainz</translation>
    </message>
    <message>
        <source>Found in the local CDDB database</source>
        <translation>Trouvé dans la base CDDB locale</translation>
    </message>
    <message>
        <source>Found in the CDDB database</source>
        <translation>Trouvé dans la base CDDB</translation>
    </message>
    <message>
        <source>No cover found</source>
        <translation>Aucune pochette trouvée</translation>
    </message>
    <message>
        <source>The cover could not be fetched: %1</source>
        <translation>Impossible de télécharger la pochette : %1</translation>
    </message>
    <message>
        <source>The cover that arrived is not a picture this program can use.</source>
        <translation>La pochette reçue n&apos;est pas une image utilisable par ce programme.</translation>
    </message>
    <message>
        <source>The cover from MusicBrainz</source>
        <translation>La pochette de MusicBrainz</translation>
    </message>
</context>
</TS>
