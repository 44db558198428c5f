<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CapacityLine</name>
    <message numerus="yes">
        <source>%1 image(s)</source>
        <extracomment>%1 is the count with its thousands separators.</extracomment>
        <translation>
            <numerusform>%1 image</numerusform>
            <numerusform>%1 images</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>sans tramage</translation>
    </message>
    <message>
        <source>floyd-steinberg</source>
        <translation>floyd-steinberg</translation>
    </message>
    <message>
        <source>atkinson</source>
        <translation>atkinson</translation>
    </message>
    <message>
        <source>ordered</source>
        <translation>ordonné</translation>
    </message>
    <message>
        <source>compact</source>
        <translation>compact</translation>
    </message>
    <message>
        <source>compact-diffusion</source>
        <translation>diffusion compacte</translation>
    </message>
    <message>
        <source>images %1 to %2</source>
        <translation>images %1 à %2</translation>
    </message>
    <message numerus="yes">
        <source>image(s) %1</source>
        <extracomment>%1 lists the images&apos; labels: &quot;007, 008, 009&quot;.</extracomment>
        <translation>
            <numerusform>image %1</numerusform>
            <numerusform>images %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Measuring how much of the album&apos;s %1 bytes the %2 take.</source>
        <extracomment>%2 is &quot;12 images&quot;.</extracomment>
        <translation>Calcul de la place occupée par %2 sur les %1 octets de l&apos;album.</translation>
    </message>
    <message>
        <source>Image %1 cannot be compressed: the album cannot be saved with it.</source>
        <translation>L&apos;image %1 ne peut pas être compressée&#xa0;: l&apos;album ne peut pas être enregistré avec elle.</translation>
    </message>
    <message>
        <source>Saved now, the album takes %1 of its %2 bytes.</source>
        <translation>Si vous l&apos;enregistrez maintenant, l&apos;album occupera %1 de ses %2 octets.</translation>
    </message>
    <message>
        <source> Only the first %1 of the %2 fit; saving leaves out the rest, from image %3 on: %4.</source>
        <extracomment>Follows the sentence before with a blank; %4 is &quot;image 012&quot; or &quot;images 012, 013&quot; or &quot;images 012 to 099&quot;.</extracomment>
        <translation> Seules les %1 premières des %2 tiennent&#xa0;; l&apos;enregistrement omet les autres, à partir de l&apos;image %3&#xa0;: %4.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A count of pictures best fit renders one way: &quot;3 compact&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source> Best fit renders: %1.</source>
        <extracomment>Follows the sentences before with a blank; %1 is &quot;0 none, 1 compact, ...&quot;.</extracomment>
        <translation> Ajustement optimal&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1, measuring...</source>
        <extracomment>%1 is &quot;12 images&quot;.</extracomment>
        <translation>%1, mesure...</translation>
    </message>
    <message>
        <source>Cannot save image %1</source>
        <translation>Échec sur l&apos;image %1</translation>
    </message>
    <message>
        <source>%1 of %2 fit, %3 B</source>
        <extracomment>&quot;19 of 25 fit, 81,812 B&quot;: images that fit, of the album&apos;s, and the bytes they take.</extracomment>
        <translation>%1 sur %2, %3 o</translation>
    </message>
    <message>
        <source>%1/%2 B</source>
        <extracomment>&quot;40,123/81,920 B&quot;: the file&apos;s bytes of the limit.</extracomment>
        <translation>%1/%2 o</translation>
    </message>
    <message numerus="yes">
        <source>%1 best fit, %2</source>
        <extracomment>&quot;12 best fit, 40,123/81,920 B&quot;: 12 images, their greys chosen by best fit.</extracomment>
        <translation>
            <numerusform>%1 ajustée, %2</numerusform>
            <numerusform>%1 ajustées, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>&quot;12 images, 40,123/81,920 B&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>EditorCommandLine</name>
    <message>
        <source>Usage: valbum-editor [OPTIONS] [ALBUM.valbum]

Opens the photo album editor; with ALBUM, opens that album as Load Album does.

Options:
  -h, --help  Show this help.
  --version   Show the program&apos;s version.
Qt&apos;s own options (-style, -platform, ...) are passed on to Qt.
</source>
        <extracomment>The options&apos; names stay as they are; keep their column.</extracomment>
        <translation>Utilisation&#xa0;: valbum-editor [OPTIONS] [ALBUM.valbum]

Ouvre l&apos;éditeur d&apos;albums photo&#xa0;; avec ALBUM, ouvre cet album comme le fait
Ouvrir un album.

Options&#xa0;:
  -h, --help  Afficher cette aide.
  --version   Afficher la version du programme.
Les options propres à Qt (-style, -platform, ...) sont transmises à Qt.
</translation>
    </message>
    <message>
        <source>option %1 needs a value.</source>
        <translation>l&apos;option %1 attend une valeur.</translation>
    </message>
    <message>
        <source>unknown option %1.</source>
        <translation>option inconnue %1.</translation>
    </message>
    <message>
        <source>only one album can be opened at a time.</source>
        <translation>un seul album peut être ouvert à la fois.</translation>
    </message>
</context>
<context>
    <name>EditorMessages</name>
    <message>
        <source>Cannot save file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;enregistrer le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message numerus="yes">
        <source>The album is full: %n of %2 images did not fit into %3 bytes and were not saved, from image %4 on.</source>
        <extracomment>%n images of %2 left out, %3 the limit in bytes (&quot;81,920&quot;), %4 the first left out (&quot;012&quot;).</extracomment>
        <translation>
            <numerusform>L&apos;album est plein&#xa0;: %n image sur %2 ne tenait pas dans %3 octets et n&apos;a pas été enregistrée (l&apos;image %4).</numerusform>
            <numerusform>L&apos;album est plein&#xa0;: %n images sur %2 ne tenaient pas dans %3 octets et n&apos;ont pas été enregistrées, à partir de l&apos;image %4.</numerusform>
        </translation>
    </message>
    <message>
        <source>The album &quot;%1&quot; is %2. Saving writes only the images shown.</source>
        <extracomment>%2 is &quot;damaged: 3 images were read, and the rest of the file could not be read (...)&quot;.</extracomment>
        <translation>L&apos;album «&#xa0;%1&#xa0;» est %2. L&apos;enregistrement n&apos;écrit que les images affichées.</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor</source>
        <extracomment>The message boxes&apos; caption. The device&apos;s name stays as it is.</extracomment>
        <translation>Éditeur Vemo ZidarUzura</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura</source>
        <extracomment>The caption of the box that says a file is not an album: the device&apos;s name, as it is.</extracomment>
        <translation>Vemo ZidarUzura</translation>
    </message>
    <message>
        <source>Discard unsaved information?</source>
        <translation>Abandonner les modifications non enregistrées&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot import picture &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;importer la photo «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Vemo Albums</source>
        <extracomment>The album files&apos; filter in the file dialogs; the pattern follows it.</extracomment>
        <translation>Albums Vemo</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Can not init LZO library</source>
        <translation>Impossible d&apos;initialiser la bibliothèque LZO</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Image %1</source>
        <translation>Image %1</translation>
    </message>
    <message>
        <source>will not be saved: the album is full</source>
        <extracomment>Follows &quot;Image 007&quot; in the image&apos;s tooltip.</extracomment>
        <translation>ne sera pas enregistrée&#xa0;: l&apos;album est plein</translation>
    </message>
    <message>
        <source>will not be saved: it cannot be compressed</source>
        <translation>ne sera pas enregistrée&#xa0;: elle ne peut pas être compressée</translation>
    </message>
    <message>
        <source>best fit shows it as %1</source>
        <extracomment>Follows &quot;Image 007&quot; in the image&apos;s tooltip; %1 is a choice of the picture dialog&apos;s Greys.</extracomment>
        <translation>s&apos;affiche en «&#xa0;%1&#xa0;» avec l&apos;ajustement optimal</translation>
    </message>
    <message>
        <source>Image %1 %2.</source>
        <translation>L&apos;image %1 %2.</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor* - </source>
        <extracomment>The window&apos;s caption before the album&apos;s file name. The device&apos;s name stays as it is.</extracomment>
        <translation>Éditeur Vemo ZidarUzura* - </translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor - </source>
        <translation>Éditeur Vemo ZidarUzura - </translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor</source>
        <extracomment>The window&apos;s caption before anything is shown. The device&apos;s name stays as it is.</extracomment>
        <translation>Éditeur Vemo ZidarUzura</translation>
    </message>
    <message>
        <source>Album images</source>
        <translation>Images de l&apos;album</translation>
    </message>
    <message>
        <source>Load Album...</source>
        <translation>Ouvrir un album...</translation>
    </message>
    <message>
        <source>Save Album</source>
        <translation>Enregistrer l&apos;album</translation>
    </message>
    <message>
        <source>Save Album As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Add Image...</source>
        <translation>Ajouter une image...</translation>
    </message>
    <message>
        <source>Insert Image...</source>
        <translation>Insérer une image...</translation>
    </message>
    <message>
        <source>Append Album...</source>
        <translation>Ajouter un album...</translation>
    </message>
    <message>
        <source>Delete Image</source>
        <translation>Supprimer l&apos;image</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Album password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>ver. 1.00</source>
        <translation>version 1.00</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Image %1 moved to position %2 of %3.</source>
        <translation>Image %1 déplacée en position %2 sur %3.</translation>
    </message>
    <message>
        <source>Fill a Vemo ZidarUzura album with your pictures, in the browser.</source>
        <translation>Remplissez un album Vemo ZidarUzura avec vos photos, dans le navigateur.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Album commands</source>
        <translation>Commandes de l&apos;album</translation>
    </message>
    <message>
        <source>Drop albums or pictures anywhere on the page, or paste pictures. In the list, Alt+Up and Alt+Down move the chosen image.</source>
        <translation>Déposez des albums ou des photos n&apos;importe où sur la page, ou collez des photos. Dans la liste, Alt+Haut et Alt+Bas déplacent l&apos;image choisie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Choose pictures...</source>
        <translation>Choisir des photos...</translation>
    </message>
    <message>
        <source>Pictures chosen</source>
        <translation>Photos choisies</translation>
    </message>
    <message>
        <source>The picture, with the square that is kept</source>
        <translation>La photo, avec le carré conservé</translation>
    </message>
    <message>
        <source>Smaller square</source>
        <translation>Carré plus petit</translation>
    </message>
    <message>
        <source>Larger square</source>
        <translation>Carré plus grand</translation>
    </message>
    <message>
        <source>What the device will show</source>
        <translation>Ce que l&apos;appareil affichera</translation>
    </message>
    <message>
        <source>Gravity:</source>
        <translation>Ancrage&#xa0;:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licences</translation>
    </message>
    <message>
        <source>center</source>
        <translation>centre</translation>
    </message>
    <message>
        <source>north</source>
        <translation>haut</translation>
    </message>
    <message>
        <source>south</source>
        <translation>bas</translation>
    </message>
    <message>
        <source>east</source>
        <translation>droite</translation>
    </message>
    <message>
        <source>west</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>haut droite</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>haut gauche</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>bas droite</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>bas gauche</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura album</source>
        <translation>Album Vemo ZidarUzura</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>None</source>
        <comment>greys</comment>
        <translation>Sans tramage</translation>
    </message>
    <message>
        <source>Floyd-Steinberg</source>
        <translation>Floyd-Steinberg</translation>
    </message>
    <message>
        <source>Atkinson</source>
        <translation>Atkinson</translation>
    </message>
    <message>
        <source>Ordered</source>
        <translation>Ordonné</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Compact</translation>
    </message>
    <message>
        <source>Compact diffusion</source>
        <translation>Diffusion compacte</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Étirer</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Rogner</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Encadrer</translation>
    </message>
    <message>
        <source>The whole picture over the whole square; the aspect ratio is not kept.</source>
        <translation>Toute la photo sur tout le carré&#xa0;; les proportions ne sont pas conservées.</translation>
    </message>
    <message>
        <source>Keep the aspect ratio and fill the square; the overflow is cut off.</source>
        <translation>Conserver les proportions et remplir le carré&#xa0;; le surplus est coupé.</translation>
    </message>
    <message>
        <source>Keep the aspect ratio and show all of it, centred on white.</source>
        <translation>Conserver les proportions et tout montrer, centré sur fond blanc.</translation>
    </message>
    <message>
        <source>Best fit</source>
        <translation>Ajustement optimal</translation>
    </message>
    <message>
        <source>Plain thresholds: flat areas and drawings stay clean; gradients become bands.</source>
        <translation>Seuils simples&#xa0;: les aplats et les dessins restent nets&#xa0;; les dégradés deviennent des bandes.</translation>
    </message>
    <message>
        <source>Error diffusion: the finest shading for photos, but large records.</source>
        <translation>Diffusion d&apos;erreur&#xa0;: les nuances les plus fines pour les photos, mais des enregistrements volumineux.</translation>
    </message>
    <message>
        <source>Error diffusion with more contrast: crisp photos and line art.</source>
        <translation>Diffusion d&apos;erreur plus contrastée&#xa0;: photos nettes et dessins au trait.</translation>
    </message>
    <message>
        <source>A regular pattern: smooth shading that compresses far better than diffusion.</source>
        <translation>Un motif régulier&#xa0;: des nuances douces qui se compressent bien mieux que la diffusion.</translation>
    </message>
    <message>
        <source>A fine pattern on a light blur: shading for photos in records as small as no dither.</source>
        <translation>Un motif fin sur un léger flou&#xa0;: des nuances pour les photos dans des enregistrements aussi petits que sans tramage.</translation>
    </message>
    <message>
        <source>A finer pattern that hands on part of its error: nearer to diffusion, in records about as small.</source>
        <translation>Un motif plus fin qui transmet une partie de son erreur&#xa0;: plus proche de la diffusion, dans des enregistrements presque aussi petits.</translation>
    </message>
    <message>
        <source>Colours kept; on saving, each picture gets the rendering that lets the whole album fit with the best look.</source>
        <translation>Couleurs conservées&#xa0;; à l&apos;enregistrement, chaque photo reçoit le rendu qui permet à tout l&apos;album de tenir avec le meilleur aspect.</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Lissage</translation>
    </message>
    <message>
        <source>Average the pixels when shrinking, so thin lines and small text survive.</source>
        <translation>Faire la moyenne des pixels lors de la réduction, pour préserver les traits fins et les petits textes.</translation>
    </message>
    <message>
        <source>Fit:</source>
        <translation>Cadrage&#xa0;:</translation>
    </message>
    <message>
        <source>Greys:</source>
        <translation>Niveaux de gris&#xa0;:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosité&#xa0;:</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>Contraste&#xa0;:</translation>
    </message>
    <message>
        <source>All</source>
        <comment>picture files of every kind</comment>
        <translation>Toutes les photos</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmaps</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Icônes</translation>
    </message>
    <message>
        <source>Preview</source>
        <comment>the button that shows the picture larger</comment>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Show the picture larger</source>
        <translation>Afficher la photo en plus grand</translation>
    </message>
    <message>
        <source>Turn the picture left</source>
        <translation>Tourner la photo vers la gauche</translation>
    </message>
    <message>
        <source>Turn the picture right</source>
        <translation>Tourner la photo vers la droite</translation>
    </message>
    <message>
        <source>The size of the square kept</source>
        <translation>La taille du carré conservé</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Photo&#xa0;:</translation>
    </message>
    <message>
        <source>(None)</source>
        <extracomment>The preview when no picture is chosen.</extracomment>
        <translation>(Aucune)</translation>
    </message>
    <message>
        <source>Preview</source>
        <comment>the larger preview&apos;s caption</comment>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>On the device:</source>
        <translation>Sur l&apos;appareil&#xa0;:</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures chosen</source>
        <translation>
            <numerusform>%n photo sélectionnée</numerusform>
            <numerusform>%n photos sélectionnées</numerusform>
        </translation>
    </message>
    <message>
        <source>Size:</source>
        <extracomment>The size of the crop square.</extracomment>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Drag or use the arrow keys to choose the square; the wheel, + and - change its size.</source>
        <translation>Faites glisser ou utilisez les flèches pour choisir le carré&#xa0;; la molette, + et - changent sa taille.</translation>
    </message>
</context>
<context>
    <name>SharedMessages</name>
    <message>
        <source>This file is not a Vemo ZidarUzura</source>
        <extracomment>The device&apos;s name stays as it is.</extracomment>
        <translation>Ce fichier n&apos;est pas au format Vemo ZidarUzura</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) were read</source>
        <translation>
            <numerusform>%n image a été lue</numerusform>
            <numerusform>%n images ont été lues</numerusform>
        </translation>
    </message>
    <message>
        <source>a record runs past the end of the file</source>
        <translation>un enregistrement dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>a record is too short to hold an image</source>
        <translation>un enregistrement est trop court pour contenir une image</translation>
    </message>
    <message>
        <source>a record is larger than %1 bytes</source>
        <translation>un enregistrement dépasse %1 octets</translation>
    </message>
    <message>
        <source>a record does not decompress</source>
        <translation>un enregistrement ne se décompresse pas</translation>
    </message>
    <message>
        <source>bytes are left over after the last image</source>
        <translation>des octets restent après la dernière image</translation>
    </message>
    <message>
        <source>no more than %1 images are read from one file</source>
        <translation>pas plus de %1 images ne sont lues par fichier</translation>
    </message>
    <message>
        <source>Image %1 is not 92 x 92 pixels</source>
        <translation>L&apos;image %1 ne fait pas 92 x 92 pixels</translation>
    </message>
    <message>
        <source>Image %1 cannot be compressed</source>
        <translation>L&apos;image %1 ne peut pas être compressée</translation>
    </message>
    <message>
        <source>.</source>
        <extracomment>The full stop a message box&apos;s sentence ends with.</extracomment>
        <translation>.</translation>
    </message>
    <message>
        <source>, at offset %1</source>
        <extracomment>Follows the reason a damaged album stops, inside its brackets.</extracomment>
        <translation>, à la position %1</translation>
    </message>
    <message>
        <source>damaged: %1, and the rest of the file could not be read (%2%3)</source>
        <extracomment>%1 is &quot;3 images were read&quot;, %2 the reason, %3 &quot;, at offset N&quot; or nothing.</extracomment>
        <translation>endommagé&#xa0;: %1, et le reste du fichier n&apos;a pas pu être lu (%2%3)</translation>
    </message>
    <message>
        <source>%1 is full (%2 bytes at most)</source>
        <translation>%1 est plein (%2 octets au plus)</translation>
    </message>
    <message>
        <source>The picture&apos;s header holds a value outside its range.</source>
        <translation>L&apos;en-tête de la photo contient une valeur hors limites.</translation>
    </message>
    <message>
        <source>The picture&apos;s width or height is zero, out of range or too large for the file.</source>
        <translation>La largeur ou la hauteur de la photo est nulle, hors limites ou trop grande pour le fichier.</translation>
    </message>
    <message>
        <source>The picture has a number of bits a pixel that its format does not define.</source>
        <translation>La photo a un nombre de bits par pixel que son format ne définit pas.</translation>
    </message>
    <message>
        <source>The picture&apos;s colour table is longer than its depth allows, or cut short.</source>
        <translation>La table des couleurs de la photo est plus longue que sa profondeur ne le permet, ou tronquée.</translation>
    </message>
    <message>
        <source>The bitmap&apos;s colour masks are missing.</source>
        <translation>Les masques de couleur du bitmap sont absents.</translation>
    </message>
    <message>
        <source>The bitmap is compressed in a way that is not read at its number of bits a pixel.</source>
        <translation>Le bitmap est compressé d&apos;une manière qui n&apos;est pas lue à son nombre de bits par pixel.</translation>
    </message>
    <message>
        <source>The picture&apos;s pixels are said to start outside the file.</source>
        <translation>Les pixels de la photo sont censés commencer hors du fichier.</translation>
    </message>
    <message>
        <source>The icon file&apos;s directory holds no picture, or its entry lies outside the file.</source>
        <translation>Le répertoire du fichier d&apos;icônes ne contient aucune photo, ou son entrée se trouve hors du fichier.</translation>
    </message>
    <message>
        <source>Lossless JPEG is not supported.</source>
        <translation>Le JPEG sans perte n&apos;est pas pris en charge.</translation>
    </message>
    <message>
        <source>Hierarchical JPEG is not supported.</source>
        <translation>Le JPEG hiérarchique n&apos;est pas pris en charge.</translation>
    </message>
    <message>
        <source>Arithmetic-coded JPEG is not supported.</source>
        <translation>Le JPEG à codage arithmétique n&apos;est pas pris en charge.</translation>
    </message>
    <message>
        <source>12-bit JPEG is not supported.</source>
        <translation>Le JPEG 12 bits n&apos;est pas pris en charge.</translation>
    </message>
    <message>
        <source>JPEG with fractional colour sampling is not supported.</source>
        <translation>Le JPEG à sous-échantillonnage fractionnaire des couleurs n&apos;est pas pris en charge.</translation>
    </message>
    <message>
        <source>This kind of JPEG is not supported.</source>
        <translation>Ce type de JPEG n&apos;est pas pris en charge.</translation>
    </message>
    <message>
        <source>Unsupported image format. Pictures are read from %1 files.</source>
        <extracomment>%1 lists the formats: &quot;BMP, PNG, JPEG, ...&quot;.</extracomment>
        <translation>Format de fichier non pris en charge. Les photos sont lues depuis des fichiers %1.</translation>
    </message>
    <message>
        <source>Unsupported image format: this is %1. Pictures are read from %2 files.</source>
        <extracomment>%1 names what the file is, in English (&quot;a PDF document&quot;); %2 lists the formats.</extracomment>
        <translation>Format de fichier non pris en charge (%1). Les photos sont lues depuis des fichiers %2.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>Le fichier est endommagé ou incomplet.</translation>
    </message>
    <message>
        <source>The file is too large: more than %1 MB, more than a picture of %2 megapixels needs.</source>
        <translation>Le fichier est trop volumineux&#xa0;: plus de %1 Mo, plus qu&apos;il n&apos;en faut à une photo de %2 mégapixels.</translation>
    </message>
    <message>
        <source>The picture is too large: %1 x %2 pixels, more than %3 megapixels</source>
        <translation>La photo est trop grande&#xa0;: %1 x %2 pixels, plus de %3 mégapixels</translation>
    </message>
    <message>
        <source>The bitmap&apos;s header is cut short</source>
        <translation>L&apos;en-tête du bitmap est tronqué</translation>
    </message>
    <message>
        <source>%1 is not supported.</source>
        <extracomment>%1 names a kind of picture, in English (&quot;Animated AVIF&quot;).</extracomment>
        <translation>Non pris en charge&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>Valbum</name>
    <message>
        <source>%1 is not an album.</source>
        <translation>%1 n&apos;est pas un album.</translation>
    </message>
    <message>
        <source>%1: the album is %2.</source>
        <extracomment>%2 is &quot;damaged: 3 images were read, and the rest of the file could not be read (...)&quot;.</extracomment>
        <translation>%1&#xa0;: l&apos;album est %2.</translation>
    </message>
    <message>
        <source>image %1 does not fit in an album of its own</source>
        <translation>l&apos;image %1 ne tient pas seule dans un album</translation>
    </message>
    <message>
        <source>album %1: %2</source>
        <translation>album %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Adds the images of the source albums, in order, after the target&apos;s own and
saves the target in place, keeping its password; a failed save leaves it as it
was. Images past the %1-byte limit are left out and named (exit status 3).
If any album cannot be read whole, nothing is written (exit status 2).</source>
        <translation>Ajoute les images des albums sources, dans l&apos;ordre, après celles de la cible et
enregistre la cible à sa place, en gardant son mot de passe&#xa0;; un enregistrement
échoué la laisse telle quelle. Les images au-delà de la limite de %1 octets sont
omises et nommées (code de sortie 3). Si un album ne peut pas être lu en entier,
rien n&apos;est écrit (code de sortie 2).</translation>
    </message>
    <message>
        <source>nothing was written.</source>
        <translation>rien n&apos;a été écrit.</translation>
    </message>
    <message numerus="yes">
        <source>images recompressed</source>
        <translation>
            <numerusform>image recompressée</numerusform>
            <numerusform>images recompressées</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its own images no longer fit in %2 bytes; nothing was written.</source>
        <translation>%1&#xa0;: ses propres images ne tiennent plus dans %2 octets&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n image(s) left out:</source>
        <extracomment>%1 is &quot;ALBUM is full (81920 bytes at most)&quot;; &quot;image(s)&quot; stays as it is in English.</extracomment>
        <translation>
            <numerusform>%1&#xa0;; %n image omise&#xa0;:</numerusform>
            <numerusform>%1&#xa0;; %n images omises&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1 %2</source>
        <translation>omise&#xa0;: %1 %2</translation>
    </message>
    <message numerus="yes">
        <source>pictures read</source>
        <translation>
            <numerusform>photo lue</numerusform>
            <numerusform>photos lues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pictures rendered</source>
        <translation>
            <numerusform>photo rendue</numerusform>
            <numerusform>photos rendues</numerusform>
        </translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Usage: valbum %1 [OPTIONS] %2

%3

Options:
</source>
        <extracomment>%1 is the command, %2 its arguments (&quot;OUT.valbum PICTURE...&quot;), %3 what it does.</extracomment>
        <translation>Utilisation&#xa0;: valbum %1 [OPTIONS] %2

%3

Options&#xa0;:
</translation>
    </message>
    <message>
        <source>Try &quot;valbum %1 --help&quot;.</source>
        <translation>Essayez «&#xa0;valbum %1 --help&#xa0;».</translation>
    </message>
    <message>
        <source>wrong number of arguments; usage: valbum %1 [OPTIONS] %2</source>
        <translation>nombre d&apos;arguments incorrect&#xa0;; utilisation&#xa0;: valbum %1 [OPTIONS] %2</translation>
    </message>
    <message>
        <source>Make an album from pictures</source>
        <translation>Créer un album à partir de photos</translation>
    </message>
    <message>
        <source>Show an album&apos;s password, records and free room</source>
        <translation>Afficher le mot de passe, les enregistrements et la place libre d&apos;un album</translation>
    </message>
    <message>
        <source>Write an album&apos;s images as PNG or BMP files</source>
        <translation>Écrire les images d&apos;un album en fichiers PNG ou BMP</translation>
    </message>
    <message>
        <source>Add the images of other albums to the end of an album</source>
        <translation>Ajouter les images d&apos;autres albums à la fin d&apos;un album</translation>
    </message>
    <message>
        <source>Write pictures as the device will show them, as PNG files</source>
        <translation>Écrire les photos telles que l&apos;appareil les affichera, en fichiers PNG</translation>
    </message>
    <message>
        <source>Usage: valbum COMMAND [OPTIONS] ARGUMENTS...

Makes, lists and takes apart photo albums (*.valbum) for the grey-level
device: 92 x 92 images in seven greys, at most %1 bytes an album.

Commands:
</source>
        <extracomment>The command&apos;s and the options&apos; names stay as they are.</extracomment>
        <translation>Utilisation&#xa0;: valbum COMMANDE [OPTIONS] ARGUMENTS...

Crée, liste et décompose les albums photo (*.valbum) de l&apos;appareil en niveaux
de gris&#xa0;: images de 92 x 92 en sept niveaux de gris, %1 octets au plus par album.

Commandes&#xa0;:
</translation>
    </message>
    <message>
        <source>no command given.</source>
        <translation>aucune commande indiquée.</translation>
    </message>
    <message>
        <source>Try &quot;valbum --help&quot;.</source>
        <translation>Essayez «&#xa0;valbum --help&#xa0;».</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;. Try &quot;valbum --help&quot;.</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;». Essayez «&#xa0;valbum --help&#xa0;».</translation>
    </message>
    <message>
        <source>Password of up to eight decimal digits (default: none).</source>
        <translation>Mot de passe de huit chiffres décimaux au plus (par défaut&#xa0;: aucun).</translation>
    </message>
    <message>
        <source>Write OUT-1.valbum, OUT-2.valbum, ... so that no picture is left out.</source>
        <translation>Écrire OUT-1.valbum, OUT-2.valbum, ... pour qu&apos;aucune photo ne soit omise.</translation>
    </message>
    <message>
        <source>Replace albums that exist.</source>
        <translation>Remplacer les albums existants.</translation>
    </message>
    <message>
        <source>Choose each picture&apos;s greys so that all fit in one album looking their best; with --split, each album takes as many pictures as fit with their smallest renderings, then chooses so. Not with --dither.</source>
        <translation>Choisir les niveaux de gris de chaque photo pour que toutes tiennent dans un seul album avec le meilleur aspect&#xa0;; avec --split, chaque album prend autant de photos qu&apos;il en tient avec leurs plus petits rendus, puis choisit de même. Incompatible avec --dither.</translation>
    </message>
    <message>
        <source>Makes an album of the pictures (BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF or
AVIF) in the order given, each brought in as the editor&apos;s Add does (by default
stretched over 92 x 92), and prints one line per picture with its place in the
album. Pictures past the %1-byte limit are left out and named (exit status 3)
unless --split is given. If a picture cannot be read, nothing is written (exit
status 2), unless --skip-unreadable is given: then it is named and left out, and
the rest are written (exit status 3).</source>
        <translation>Crée un album des photos (BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF ou
AVIF) dans l&apos;ordre donné, chacune importée comme par «&#xa0;Ajouter une image&#xa0;» dans
l&apos;éditeur (par défaut étirée sur 92 x 92), et affiche une ligne par photo avec
sa place dans l&apos;album. Les photos au-delà de la limite de %1 octets sont omises
et nommées (code de sortie 3), sauf avec --split. Si une photo ne peut pas être
lue, rien n&apos;est écrit (code de sortie 2), sauf avec --skip-unreadable&#xa0;: elle est
alors nommée et omise, et les autres sont écrites (code de sortie 3).</translation>
    </message>
    <message>
        <source>, use --split to keep them</source>
        <extracomment>Follows &quot;N picture(s) left out&quot;.</extracomment>
        <translation>, utilisez --split pour n&apos;en omettre aucune</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n picture(s) left out%2:</source>
        <extracomment>%1 is &quot;ALBUM is full (81920 bytes at most)&quot;, %2 &quot;, use --split to keep them&quot; or nothing; &quot;picture(s)&quot; stays as it is in English.</extracomment>
        <translation>
            <numerusform>%1&#xa0;; %n photo omise%2&#xa0;:</numerusform>
            <numerusform>%1&#xa0;; %n photos omises%2&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>omise&#xa0;: %1</translation>
    </message>
    <message>
        <source>note: %1 is from an earlier run, not part of this set.</source>
        <translation>remarque&#xa0;: %1 provient d&apos;une exécution précédente et ne fait pas partie de cette série.</translation>
    </message>
    <message>
        <source>the password must be up to eight decimal digits, not &quot;%1&quot;.</source>
        <translation>le mot de passe doit comporter au plus huit chiffres décimaux, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--best-fit chooses the greys: it does not take --dither.</source>
        <translation>--best-fit choisit les niveaux de gris&#xa0;: il n&apos;accepte pas --dither.</translation>
    </message>
    <message>
        <source>png or bmp (default png).</source>
        <translation>png ou bmp (png par défaut).</translation>
    </message>
    <message>
        <source>Replace picture files that exist.</source>
        <translation>Remplacer les fichiers existants.</translation>
    </message>
    <message>
        <source>Writes each image of the album as OUTDIR/NNN.png (or .bmp), 92 x 92 in the album&apos;s
greys, numbered as the editor labels them: 000, 001, ... OUTDIR is created when
missing. A damaged album gives the images before the damage, which is then
reported (exit status 2).</source>
        <translation>Écrit chaque image de l&apos;album dans OUTDIR/NNN.png (ou .bmp), en 92 x 92 dans les
niveaux de gris de l&apos;album, numérotées comme dans l&apos;éditeur&#xa0;: 000, 001, ...
OUTDIR est créé s&apos;il n&apos;existe pas. Un album endommagé donne les images d&apos;avant
le dommage, qui est ensuite signalé (code de sortie 2).</translation>
    </message>
    <message>
        <source>the format must be png or bmp, not &quot;%1&quot;.</source>
        <translation>le format doit être png ou bmp, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message numerus="yes">
        <source>images written</source>
        <translation>
            <numerusform>image écrite</numerusform>
            <numerusform>images écrites</numerusform>
        </translation>
    </message>
    <message>
        <source>stretch (default): the whole picture over the square; crop: aspect kept, the overflow cut off; pad: aspect kept, white around it.</source>
        <translation>stretch (par défaut)&#xa0;: toute la photo sur le carré&#xa0;; crop&#xa0;: proportions gardées, surplus coupé&#xa0;; pad&#xa0;: proportions gardées, blanc autour.</translation>
    </message>
    <message>
        <source>Average pixels when shrinking, so thin lines and small text survive (default: keep the nearest pixel).</source>
        <translation>Faire la moyenne des pixels lors de la réduction, pour préserver les traits fins et les petits textes (par défaut&#xa0;: garder le pixel le plus proche).</translation>
    </message>
    <message>
        <source>none (default): plain thresholds; floyd-steinberg, atkinson: finest shading, large records; ordered: even pattern; compact: shading for photos in records as small as none&apos;s; compact-diffusion: finer shading for photos in records about as small.</source>
        <translation>none (par défaut)&#xa0;: seuils simples&#xa0;; floyd-steinberg, atkinson&#xa0;: nuances les plus fines, enregistrements volumineux&#xa0;; ordered&#xa0;: motif régulier&#xa0;; compact&#xa0;: nuances pour les photos dans des enregistrements aussi petits qu&apos;avec none&#xa0;; compact-diffusion&#xa0;: nuances plus fines pour les photos dans des enregistrements presque aussi petits.</translation>
    </message>
    <message>
        <source>-100 to 100 (default 0): added to each pixel&apos;s grey; lifts a dark photo.</source>
        <translation>-100 à 100 (0 par défaut)&#xa0;: ajouté au gris de chaque pixel&#xa0;; éclaircit une photo sombre.</translation>
    </message>
    <message>
        <source>-100 to 100 (default 0): spreads the greys apart (more) or together (less).</source>
        <translation>-100 à 100 (0 par défaut)&#xa0;: écarte les gris (plus) ou les rapproche (moins).</translation>
    </message>
    <message>
        <source>With crop, which part is kept; with pad, where the picture goes: center (default), north, south, east, west, northeast, northwest, southeast or southwest.</source>
        <translation>Avec crop, la partie gardée&#xa0;; avec pad, l&apos;emplacement de la photo&#xa0;: center (par défaut), north, south, east, west, northeast, northwest, southeast ou southwest.</translation>
    </message>
    <message>
        <source>90, 180 or 270: turn the picture clockwise, after its orientation tag.</source>
        <translation>90, 180 ou 270&#xa0;: tourner la photo dans le sens horaire, après sa balise d&apos;orientation.</translation>
    </message>
    <message>
        <source>Pictures brought in at once (default: one per processor); 1 for one at a time. The output is the same.</source>
        <translation>Photos importées en même temps (par défaut&#xa0;: une par processeur)&#xa0;; 1 pour une à la fois. Le résultat est le même.</translation>
    </message>
    <message>
        <source>Also show what the picture libraries warn of, as &quot;valbum: PICTURE: warning: ...&quot;.</source>
        <translation>Afficher aussi les avertissements des bibliothèques de lecture des photos, sous la forme «&#xa0;valbum: PICTURE: warning: ...&#xa0;».</translation>
    </message>
    <message>
        <source>--%1 takes %2, not &quot;%3&quot;.</source>
        <extracomment>&quot;--fit takes stretch|crop|pad, not &quot;x&quot;.&quot;</extracomment>
        <translation>--%1 accepte %2, et non «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>a whole number from -100 to 100</source>
        <translation>un nombre entier de -100 à 100</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1</source>
        <translation>un nombre entier de 1 à %1</translation>
    </message>
    <message>
        <source>Print one JSON object instead of text.</source>
        <translation>Afficher un objet JSON au lieu du texte.</translation>
    </message>
    <message>
        <source>Shows the album&apos;s password (or &quot;none&quot;), its number of images, each record&apos;s
offset and compressed size, and the bytes left under the %1-byte limit.
A damaged album is listed up to the damage, which is then reported (exit status 2).
JSON keys: password (empty when none), images, records ([{offset, size}]), bytes_free,
and for a damaged album only, damage ({offset, kind, message}): offset is the first
byte not read, message the line printed on standard error, and kind one of
  %2,
  %3.
A file that cannot be opened or is not an album gives only error ({kind, message}):
kind is cannot_open or not_an_album, message the line printed on standard error.</source>
        <extracomment>The JSON keys and kinds stay as they are: scripts read them.</extracomment>
        <translation>Affiche le mot de passe de l&apos;album (ou «&#xa0;none&#xa0;»), son nombre d&apos;images, la position
et la taille compressée de chaque enregistrement, et les octets restant sous la
limite de %1 octets. Un album endommagé est listé jusqu&apos;au dommage, qui est
ensuite signalé (code de sortie 2).
Clés JSON&#xa0;: password (vide sans mot de passe), images, records ([{offset, size}]),
bytes_free, et pour un album endommagé seulement, damage ({offset, kind, message})&#xa0;:
offset est le premier octet non lu, message la ligne affichée sur la sortie
d&apos;erreur standard, et kind l&apos;un de
  %2,
  %3.
Un fichier qui ne peut pas être ouvert ou qui n&apos;est pas un album donne seulement
error ({kind, message})&#xa0;: kind vaut cannot_open ou not_an_album, message la ligne
affichée sur la sortie d&apos;erreur standard.</translation>
    </message>
    <message>
        <source>Can not init LZO library</source>
        <translation>Impossible d&apos;initialiser la bibliothèque LZO</translation>
    </message>
    <message>
        <source>%1 exists; use --force to replace it.</source>
        <translation>%1 existe&#xa0;; utilisez --force pour le remplacer.</translation>
    </message>
    <message>
        <source>it exists and is not a directory</source>
        <translation>il existe et n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the directory cannot be created: %1</source>
        <translation>le dossier ne peut pas être créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>no free temporary name</source>
        <translation>aucun nom temporaire libre</translation>
    </message>
    <message>
        <source>Replace preview files that exist.</source>
        <translation>Remplacer les fichiers d&apos;aperçu existants.</translation>
    </message>
    <message>
        <source>Writes each picture as the device will show it, brought in as create brings it in
with the same options and reduced to the seven greys, as OUTDIR/&lt;name&gt;.png
(photo.jpg gives photo.png); the album holds exactly these pixels.
OUTDIR is created when missing. If a picture cannot be read, nothing is written
(exit status 2), unless --skip-unreadable is given: then it is named and left out,
and the rest are written (exit status 3).</source>
        <translation>Écrit chaque photo telle que l&apos;appareil l&apos;affichera, importée comme create
l&apos;importe avec les mêmes options et réduite aux sept niveaux de gris, dans
OUTDIR/&lt;nom&gt;.png (photo.jpg donne photo.png)&#xa0;; l&apos;album contient exactement ces
pixels. OUTDIR est créé s&apos;il n&apos;existe pas. Si une photo ne peut pas être lue,
rien n&apos;est écrit (code de sortie 2), sauf avec --skip-unreadable&#xa0;: elle est
alors nommée et omise, et les autres sont écrites (code de sortie 3).</translation>
    </message>
    <message>
        <source>%1 and %2 would both be written as %3.</source>
        <translation>%1 et %2 seraient tous deux écrits sous %3.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Show no progress line (one is shown only on a terminal).</source>
        <translation>Ne pas afficher de ligne de progression (elle ne s&apos;affiche que dans un terminal).</translation>
    </message>
    <message>
        <source>%1/%2 %3</source>
        <extracomment>&quot;412/2,000 pictures read&quot;: done, the total and what is done.</extracomment>
        <translation>%1/%2 %3</translation>
    </message>
    <message>
        <source>, %1/s</source>
        <extracomment>Pictures or images a second.</extracomment>
        <translation>, %1/s</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <extracomment>The time still to go: &quot;, 3 min 20 s left&quot;.</extracomment>
        <translation>, encore %1</translation>
    </message>
    <message>
        <source>Leave out the pictures that cannot be read, naming each, and write the rest (exit status 3).</source>
        <translation>Omettre les photos illisibles en les nommant, et écrire les autres (code de sortie 3).</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) could not be read and were left out.</source>
        <extracomment>&quot;picture(s)&quot; stays as it is in English.</extracomment>
        <translation>
            <numerusform>%n photo n&apos;a pas pu être lue et a été omise.</numerusform>
            <numerusform>%n photos n&apos;ont pas pu être lues et ont été omises.</numerusform>
        </translation>
    </message>
    <message>
        <source>
Run &quot;valbum COMMAND --help&quot; for a command&apos;s arguments and options.
Exit status: 0 done, 1 compression library failed, 2 unreadable or damaged
input, 3 images left out at the size limit (or unreadable pictures left out
with --skip-unreadable), 4 output exists (use --force), 5 output could not be
written, 64 wrong command line, 128 + N stopped by signal N (the run is
undone).</source>
        <translation>
Lancez «&#xa0;valbum COMMANDE --help&#xa0;» pour les arguments et options d&apos;une commande.
Codes de sortie&#xa0;: 0 terminé, 1 échec de la bibliothèque de compression, 2 entrée
illisible ou endommagée, 3 images omises à la limite de taille (ou photos
illisibles omises avec --skip-unreadable), 4 la sortie existe (utilisez
--force), 5 la sortie n&apos;a pas pu être écrite, 64 ligne de commande incorrecte,
128 + N arrêt par le signal N (l&apos;exécution est annulée).</translation>
    </message>
    <message>
        <source>no free name for the old version</source>
        <translation>aucun nom libre pour l&apos;ancienne version</translation>
    </message>
    <message>
        <source>%1; its old version is %2</source>
        <translation>%1 ; son ancienne version est %2</translation>
    </message>
</context>
</TS>
