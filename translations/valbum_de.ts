<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CapacityLine</name>
    <message numerus="yes">
        <source>%1 image(s)</source>
        <extracomment>%1 is the count with its thousands separators.</extracomment>
        <translation>
            <numerusform>%1 Bild</numerusform>
            <numerusform>%1 Bilder</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>floyd-steinberg</source>
        <translation>Floyd-Steinberg</translation>
    </message>
    <message>
        <source>atkinson</source>
        <translation>Atkinson</translation>
    </message>
    <message>
        <source>ordered</source>
        <translation>geordnet</translation>
    </message>
    <message>
        <source>compact</source>
        <translation>kompakt</translation>
    </message>
    <message>
        <source>compact-diffusion</source>
        <translation>kompakte Diffusion</translation>
    </message>
    <message>
        <source>images %1 to %2</source>
        <translation>Bilder %1 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>image(s) %1</source>
        <extracomment>%1 lists the images&apos; labels: &quot;007, 008, 009&quot;.</extracomment>
        <translation>
            <numerusform>Bild %1</numerusform>
            <numerusform>Bilder %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Measuring how much of the album&apos;s %1 bytes the %2 take.</source>
        <extracomment>%2 is &quot;12 images&quot;.</extracomment>
        <translation>Es wird gemessen, wie viele der %1 Bytes des Albums die %2 belegen.</translation>
    </message>
    <message>
        <source>Image %1 cannot be compressed: the album cannot be saved with it.</source>
        <translation>Bild %1 lässt sich nicht komprimieren: Mit ihm lässt sich das Album nicht speichern.</translation>
    </message>
    <message>
        <source>Saved now, the album takes %1 of its %2 bytes.</source>
        <translation>Jetzt gespeichert, belegt das Album %1 seiner %2 Bytes.</translation>
    </message>
    <message>
        <source> Only the first %1 of the %2 fit; saving leaves out the rest, from image %3 on: %4.</source>
        <extracomment>Follows the sentence before with a blank; %4 is &quot;image 012&quot; or &quot;images 012, 013&quot; or &quot;images 012 to 099&quot;.</extracomment>
        <translation> Nur die ersten %1 der %2 passen hinein; beim Speichern fehlt der Rest ab Bild %3: %4.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A count of pictures best fit renders one way: &quot;3 compact&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source> Best fit renders: %1.</source>
        <extracomment>Follows the sentences before with a blank; %1 is &quot;0 none, 1 compact, ...&quot;.</extracomment>
        <translation> „Optimal“ wählt: %1.</translation>
    </message>
    <message>
        <source>%1, measuring...</source>
        <extracomment>%1 is &quot;12 images&quot;.</extracomment>
        <translation>%1, Messung...</translation>
    </message>
    <message>
        <source>Cannot save image %1</source>
        <translation>Bild %1 nicht speicherbar</translation>
    </message>
    <message>
        <source>%1 of %2 fit, %3 B</source>
        <extracomment>&quot;19 of 25 fit, 81,812 B&quot;: images that fit, of the album&apos;s, and the bytes they take.</extracomment>
        <translation>%1 von %2, %3 B</translation>
    </message>
    <message>
        <source>%1/%2 B</source>
        <extracomment>&quot;40,123/81,920 B&quot;: the file&apos;s bytes of the limit.</extracomment>
        <translation>%1/%2 B</translation>
    </message>
    <message numerus="yes">
        <source>%1 best fit, %2</source>
        <extracomment>&quot;12 best fit, 40,123/81,920 B&quot;: 12 images, their greys chosen by best fit.</extracomment>
        <translation>
            <numerusform>%1 optimal, %2</numerusform>
            <numerusform>%1 optimal, %2</numerusform>
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
        <translation>Aufruf: valbum-editor [OPTIONEN] [ALBUM.valbum]

Öffnet den Editor für Fotoalben; mit ALBUM öffnet er dieses Album wie „Album laden“.

Optionen:
  -h, --help  Diese Hilfe zeigen.
  --version   Die Version des Programms zeigen.
Qts eigene Optionen (-style, -platform, ...) gehen an Qt weiter.
</translation>
    </message>
    <message>
        <source>option %1 needs a value.</source>
        <translation>Die Option %1 braucht einen Wert.</translation>
    </message>
    <message>
        <source>unknown option %1.</source>
        <translation>Unbekannte Option %1.</translation>
    </message>
    <message>
        <source>only one album can be opened at a time.</source>
        <translation>Es lässt sich nur ein Album auf einmal öffnen.</translation>
    </message>
</context>
<context>
    <name>EditorMessages</name>
    <message>
        <source>Cannot save file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ lässt sich nicht speichern. %2</translation>
    </message>
    <message numerus="yes">
        <source>The album is full: %n of %2 images did not fit into %3 bytes and were not saved, from image %4 on.</source>
        <extracomment>%n images of %2 left out, %3 the limit in bytes (&quot;81,920&quot;), %4 the first left out (&quot;012&quot;).</extracomment>
        <translation>
            <numerusform>Das Album ist voll: %n von %2 Bildern passte nicht in %3 Bytes und wurde nicht gespeichert: Bild %4.</numerusform>
            <numerusform>Das Album ist voll: %n von %2 Bildern passten nicht in %3 Bytes und wurden nicht gespeichert, ab Bild %4.</numerusform>
        </translation>
    </message>
    <message>
        <source>The album &quot;%1&quot; is %2. Saving writes only the images shown.</source>
        <extracomment>%2 is &quot;damaged: 3 images were read, and the rest of the file could not be read (...)&quot;.</extracomment>
        <translation>Das Album „%1“ ist %2. Beim Speichern werden nur die gezeigten Bilder geschrieben.</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor</source>
        <extracomment>The message boxes&apos; caption. The device&apos;s name stays as it is.</extracomment>
        <translation>Vemo ZidarUzura Editor</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura</source>
        <extracomment>The caption of the box that says a file is not an album: the device&apos;s name, as it is.</extracomment>
        <translation>Vemo ZidarUzura</translation>
    </message>
    <message>
        <source>Discard unsaved information?</source>
        <translation>Ungespeicherte Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Cannot import picture &quot;%1&quot;. %2</source>
        <translation>Die Vorlage „%1“ lässt sich nicht übernehmen. %2</translation>
    </message>
    <message>
        <source>Vemo Albums</source>
        <extracomment>The album files&apos; filter in the file dialogs; the pattern follows it.</extracomment>
        <translation>Vemo-Alben</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Can not init LZO library</source>
        <translation>Die LZO-Bibliothek lässt sich nicht starten</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Image %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>will not be saved: the album is full</source>
        <extracomment>Follows &quot;Image 007&quot; in the image&apos;s tooltip.</extracomment>
        <translation>wird nicht gespeichert: Das Album ist voll</translation>
    </message>
    <message>
        <source>will not be saved: it cannot be compressed</source>
        <translation>wird nicht gespeichert: Es lässt sich nicht komprimieren</translation>
    </message>
    <message>
        <source>best fit shows it as %1</source>
        <extracomment>Follows &quot;Image 007&quot; in the image&apos;s tooltip; %1 is a choice of the picture dialog&apos;s Greys.</extracomment>
        <translation>wird bei „Optimal“ als „%1“ gezeigt</translation>
    </message>
    <message>
        <source>Image %1 %2.</source>
        <translation>Bild %1 %2.</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor* - </source>
        <extracomment>The window&apos;s caption before the album&apos;s file name. The device&apos;s name stays as it is.</extracomment>
        <translation>Vemo ZidarUzura Editor* - </translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor - </source>
        <translation>Vemo ZidarUzura Editor - </translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor</source>
        <extracomment>The window&apos;s caption before anything is shown. The device&apos;s name stays as it is.</extracomment>
        <translation>Vemo ZidarUzura Editor</translation>
    </message>
    <message>
        <source>Album images</source>
        <translation>Bilder des Albums</translation>
    </message>
    <message>
        <source>Load Album...</source>
        <translation>Album laden...</translation>
    </message>
    <message>
        <source>Save Album</source>
        <translation>Album speichern</translation>
    </message>
    <message>
        <source>Save Album As...</source>
        <translation>Album speichern unter...</translation>
    </message>
    <message>
        <source>Add Image...</source>
        <translation>Bild hinzufügen...</translation>
    </message>
    <message>
        <source>Insert Image...</source>
        <translation>Bild einfügen...</translation>
    </message>
    <message>
        <source>Append Album...</source>
        <translation>Album anhängen...</translation>
    </message>
    <message>
        <source>Delete Image</source>
        <translation>Bild löschen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Album password:</source>
        <translation>Album-Passwort:</translation>
    </message>
    <message>
        <source>ver. 1.00</source>
        <translation>Vers. 1.00</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Image %1 moved to position %2 of %3.</source>
        <translation>Bild %1 an Position %2 von %3 verschoben.</translation>
    </message>
    <message>
        <source>Fill a Vemo ZidarUzura album with your pictures, in the browser.</source>
        <translation>Ein Vemo-ZidarUzura-Album mit Ihren Vorlagen füllen, im Browser.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Album commands</source>
        <translation>Album-Befehle</translation>
    </message>
    <message>
        <source>Drop albums or pictures anywhere on the page, or paste pictures. In the list, Alt+Up and Alt+Down move the chosen image.</source>
        <translation>Alben oder Vorlagen irgendwo auf der Seite ablegen oder Vorlagen einfügen. In der Liste verschieben Alt+Auf und Alt+Ab das gewählte Bild.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Choose pictures...</source>
        <translation>Vorlagen wählen...</translation>
    </message>
    <message>
        <source>Pictures chosen</source>
        <translation>Gewählte Vorlagen</translation>
    </message>
    <message>
        <source>The picture, with the square that is kept</source>
        <translation>Die Vorlage mit dem Quadrat, das behalten wird</translation>
    </message>
    <message>
        <source>Smaller square</source>
        <translation>Kleineres Quadrat</translation>
    </message>
    <message>
        <source>Larger square</source>
        <translation>Größeres Quadrat</translation>
    </message>
    <message>
        <source>What the device will show</source>
        <translation>Was das Gerät zeigen wird</translation>
    </message>
    <message>
        <source>Gravity:</source>
        <translation>Ausrichtung:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Lizenzen</translation>
    </message>
    <message>
        <source>center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>north</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>south</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>east</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>west</source>
        <translation>links</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>oben rechts</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>oben links</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>unten rechts</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>unten links</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura album</source>
        <translation>Vemo-ZidarUzura-Album</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>None</source>
        <comment>greys</comment>
        <translation>Keine</translation>
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
        <translation>Geordnet</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Kompakt</translation>
    </message>
    <message>
        <source>Compact diffusion</source>
        <translation>Kompakte Diffusion</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>The whole picture over the whole square; the aspect ratio is not kept.</source>
        <translation>Die ganze Vorlage über das ganze Quadrat; das Seitenverhältnis bleibt nicht erhalten.</translation>
    </message>
    <message>
        <source>Keep the aspect ratio and fill the square; the overflow is cut off.</source>
        <translation>Seitenverhältnis behalten und das Quadrat füllen; was übersteht, wird abgeschnitten.</translation>
    </message>
    <message>
        <source>Keep the aspect ratio and show all of it, centred on white.</source>
        <translation>Seitenverhältnis behalten und alles zeigen, mittig auf Weiß.</translation>
    </message>
    <message>
        <source>Best fit</source>
        <translation>Optimal</translation>
    </message>
    <message>
        <source>Plain thresholds: flat areas and drawings stay clean; gradients become bands.</source>
        <translation>Einfache Schwellen: Flächen und Zeichnungen bleiben sauber; Verläufe werden zu Streifen.</translation>
    </message>
    <message>
        <source>Error diffusion: the finest shading for photos, but large records.</source>
        <translation>Fehlerdiffusion: die feinsten Abstufungen für Fotos, aber große Datensätze.</translation>
    </message>
    <message>
        <source>Error diffusion with more contrast: crisp photos and line art.</source>
        <translation>Fehlerdiffusion mit mehr Kontrast: scharfe Fotos und Strichzeichnungen.</translation>
    </message>
    <message>
        <source>A regular pattern: smooth shading that compresses far better than diffusion.</source>
        <translation>Ein regelmäßiges Muster: weiche Abstufungen, die sich weit besser komprimieren lassen als Diffusion.</translation>
    </message>
    <message>
        <source>A fine pattern on a light blur: shading for photos in records as small as no dither.</source>
        <translation>Ein feines Muster auf leichter Unschärfe: Abstufungen für Fotos in Datensätzen, so klein wie ohne Raster.</translation>
    </message>
    <message>
        <source>A finer pattern that hands on part of its error: nearer to diffusion, in records about as small.</source>
        <translation>Ein feineres Muster, das einen Teil seines Fehlers weitergibt: näher an der Diffusion, in etwa so kleinen Datensätzen.</translation>
    </message>
    <message>
        <source>Colours kept; on saving, each picture gets the rendering that lets the whole album fit with the best look.</source>
        <translation>Die Farben bleiben; beim Speichern bekommt jedes Bild die Darstellung, mit der das ganze Album hineinpasst und am besten aussieht.</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Glätten</translation>
    </message>
    <message>
        <source>Average the pixels when shrinking, so thin lines and small text survive.</source>
        <translation>Beim Verkleinern die Pixel mitteln, damit dünne Linien und kleine Schrift erhalten bleiben.</translation>
    </message>
    <message>
        <source>Fit:</source>
        <translation>Anpassen:</translation>
    </message>
    <message>
        <source>Greys:</source>
        <translation>Graustufen:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>Kontrast:</translation>
    </message>
    <message>
        <source>All</source>
        <comment>picture files of every kind</comment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmaps</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Preview</source>
        <comment>the button that shows the picture larger</comment>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Show the picture larger</source>
        <translation>Die Vorlage größer zeigen</translation>
    </message>
    <message>
        <source>Turn the picture left</source>
        <translation>Die Vorlage nach links drehen</translation>
    </message>
    <message>
        <source>Turn the picture right</source>
        <translation>Die Vorlage nach rechts drehen</translation>
    </message>
    <message>
        <source>The size of the square kept</source>
        <translation>Die Größe des behaltenen Quadrats</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Vorlage:</translation>
    </message>
    <message>
        <source>(None)</source>
        <extracomment>The preview when no picture is chosen.</extracomment>
        <translation>(Keine)</translation>
    </message>
    <message>
        <source>Preview</source>
        <comment>the larger preview&apos;s caption</comment>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>On the device:</source>
        <translation>Auf dem Gerät:</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures chosen</source>
        <translation>
            <numerusform>%n Vorlage gewählt</numerusform>
            <numerusform>%n Vorlagen gewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>Size:</source>
        <extracomment>The size of the crop square.</extracomment>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Drag or use the arrow keys to choose the square; the wheel, + and - change its size.</source>
        <translation>Ziehen oder mit den Pfeiltasten das Quadrat wählen; Mausrad, + und - ändern seine Größe.</translation>
    </message>
</context>
<context>
    <name>SharedMessages</name>
    <message>
        <source>This file is not a Vemo ZidarUzura</source>
        <extracomment>The device&apos;s name stays as it is.</extracomment>
        <translation>Diese Datei ist kein Album für Vemo ZidarUzura</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ lässt sich nicht öffnen. %2</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) were read</source>
        <translation>
            <numerusform>%n Bild wurde gelesen</numerusform>
            <numerusform>%n Bilder wurden gelesen</numerusform>
        </translation>
    </message>
    <message>
        <source>a record runs past the end of the file</source>
        <translation>ein Datensatz reicht über das Ende der Datei hinaus</translation>
    </message>
    <message>
        <source>a record is too short to hold an image</source>
        <translation>ein Datensatz ist zu kurz für ein Bild</translation>
    </message>
    <message>
        <source>a record is larger than %1 bytes</source>
        <translation>ein Datensatz ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>a record does not decompress</source>
        <translation>ein Datensatz lässt sich nicht dekomprimieren</translation>
    </message>
    <message>
        <source>bytes are left over after the last image</source>
        <translation>nach dem letzten Bild bleiben Bytes übrig</translation>
    </message>
    <message>
        <source>no more than %1 images are read from one file</source>
        <translation>aus einer Datei werden höchstens %1 Bilder gelesen</translation>
    </message>
    <message>
        <source>Image %1 is not 92 x 92 pixels</source>
        <translation>Bild %1 ist nicht 92 x 92 Pixel groß</translation>
    </message>
    <message>
        <source>Image %1 cannot be compressed</source>
        <translation>Bild %1 lässt sich nicht komprimieren</translation>
    </message>
    <message>
        <source>.</source>
        <extracomment>The full stop a message box&apos;s sentence ends with.</extracomment>
        <translation>.</translation>
    </message>
    <message>
        <source>, at offset %1</source>
        <extracomment>Follows the reason a damaged album stops, inside its brackets.</extracomment>
        <translation>, bei Offset %1</translation>
    </message>
    <message>
        <source>damaged: %1, and the rest of the file could not be read (%2%3)</source>
        <extracomment>%1 is &quot;3 images were read&quot;, %2 the reason, %3 &quot;, at offset N&quot; or nothing.</extracomment>
        <translation>beschädigt: %1, und der Rest der Datei ließ sich nicht lesen (%2%3)</translation>
    </message>
    <message>
        <source>%1 is full (%2 bytes at most)</source>
        <translation>%1 ist voll (höchstens %2 Bytes)</translation>
    </message>
    <message>
        <source>The picture&apos;s header holds a value outside its range.</source>
        <translation>Der Kopf der Vorlage enthält einen Wert außerhalb seines Bereichs.</translation>
    </message>
    <message>
        <source>The picture&apos;s width or height is zero, out of range or too large for the file.</source>
        <translation>Breite oder Höhe der Vorlage ist null, außerhalb des Bereichs oder zu groß für die Datei.</translation>
    </message>
    <message>
        <source>The picture has a number of bits a pixel that its format does not define.</source>
        <translation>Die Vorlage hat eine Zahl von Bits je Pixel, die ihr Format nicht kennt.</translation>
    </message>
    <message>
        <source>The picture&apos;s colour table is longer than its depth allows, or cut short.</source>
        <translation>Die Farbtabelle der Vorlage ist länger, als ihre Farbtiefe erlaubt, oder abgeschnitten.</translation>
    </message>
    <message>
        <source>The bitmap&apos;s colour masks are missing.</source>
        <translation>Die Farbmasken der Bitmap fehlen.</translation>
    </message>
    <message>
        <source>The bitmap is compressed in a way that is not read at its number of bits a pixel.</source>
        <translation>Die Bitmap ist auf eine Art komprimiert, die bei ihrer Zahl von Bits je Pixel nicht gelesen wird.</translation>
    </message>
    <message>
        <source>The picture&apos;s pixels are said to start outside the file.</source>
        <translation>Die Pixel der Vorlage sollen außerhalb der Datei beginnen.</translation>
    </message>
    <message>
        <source>The icon file&apos;s directory holds no picture, or its entry lies outside the file.</source>
        <translation>Das Verzeichnis der Symboldatei enthält keine Vorlage, oder ihr Eintrag liegt außerhalb der Datei.</translation>
    </message>
    <message>
        <source>Lossless JPEG is not supported.</source>
        <translation>Verlustfreies JPEG wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>Hierarchical JPEG is not supported.</source>
        <translation>Hierarchisches JPEG wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>Arithmetic-coded JPEG is not supported.</source>
        <translation>Arithmetisch kodiertes JPEG wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>12-bit JPEG is not supported.</source>
        <translation>12-Bit-JPEG wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>JPEG with fractional colour sampling is not supported.</source>
        <translation>JPEG mit gebrochener Farbunterabtastung wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>This kind of JPEG is not supported.</source>
        <translation>Diese Art von JPEG wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>Unsupported image format. Pictures are read from %1 files.</source>
        <extracomment>%1 lists the formats: &quot;BMP, PNG, JPEG, ...&quot;.</extracomment>
        <translation>Nicht unterstütztes Bildformat. Vorlagen werden aus Dateien dieser Formate gelesen: %1.</translation>
    </message>
    <message>
        <source>Unsupported image format: this is %1. Pictures are read from %2 files.</source>
        <extracomment>%1 names what the file is, in English (&quot;a PDF document&quot;); %2 lists the formats.</extracomment>
        <translation>Nicht unterstütztes Bildformat: Dies ist %1. Vorlagen werden aus Dateien dieser Formate gelesen: %2.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>Die Datei ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>The file is too large: more than %1 MB, more than a picture of %2 megapixels needs.</source>
        <translation>Die Datei ist zu groß: mehr als %1 MB, mehr als eine Vorlage mit %2 Megapixeln braucht.</translation>
    </message>
    <message>
        <source>The picture is too large: %1 x %2 pixels, more than %3 megapixels</source>
        <translation>Die Vorlage ist zu groß: %1 x %2 Pixel, mehr als %3 Megapixel</translation>
    </message>
    <message>
        <source>The bitmap&apos;s header is cut short</source>
        <translation>Der Kopf der Bitmap ist abgeschnitten</translation>
    </message>
    <message>
        <source>%1 is not supported.</source>
        <extracomment>%1 names a kind of picture, in English (&quot;Animated AVIF&quot;).</extracomment>
        <translation>%1 wird nicht unterstützt.</translation>
    </message>
</context>
<context>
    <name>Valbum</name>
    <message>
        <source>%1 is not an album.</source>
        <translation>%1 ist kein Album.</translation>
    </message>
    <message>
        <source>%1: the album is %2.</source>
        <extracomment>%2 is &quot;damaged: 3 images were read, and the rest of the file could not be read (...)&quot;.</extracomment>
        <translation>%1: Das Album ist %2.</translation>
    </message>
    <message>
        <source>image %1 does not fit in an album of its own</source>
        <translation>Bild %1 passt nicht einmal allein in ein Album</translation>
    </message>
    <message>
        <source>album %1: %2</source>
        <translation>Album %1: %2</translation>
    </message>
    <message>
        <source>Adds the images of the source albums, in order, after the target&apos;s own and
saves the target in place, keeping its password; a failed save leaves it as it
was. Images past the %1-byte limit are left out and named (exit status 3).
If any album cannot be read whole, nothing is written (exit status 2).</source>
        <translation>Hängt die Bilder der Quellalben der Reihe nach an die eigenen des Ziels an und
speichert das Ziel an seinem Platz, mit seinem Passwort; scheitert das Speichern,
bleibt es, wie es war. Bilder jenseits der Grenze von %1 Bytes werden ausgelassen
und genannt (Exit-Status 3). Lässt sich ein Album nicht ganz lesen, wird nichts
geschrieben (Exit-Status 2).</translation>
    </message>
    <message>
        <source>nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>images recompressed</source>
        <translation>
            <numerusform>Bild neu komprimiert</numerusform>
            <numerusform>Bilder neu komprimiert</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its own images no longer fit in %2 bytes; nothing was written.</source>
        <translation>%1: Seine eigenen Bilder passen nicht mehr in %2 Bytes; es wurde nichts geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n image(s) left out:</source>
        <extracomment>%1 is &quot;ALBUM is full (81920 bytes at most)&quot;; &quot;image(s)&quot; stays as it is in English.</extracomment>
        <translation>
            <numerusform>%1; %n Bild ausgelassen:</numerusform>
            <numerusform>%1; %n Bilder ausgelassen:</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1 %2</source>
        <translation>ausgelassen: %1 %2</translation>
    </message>
    <message numerus="yes">
        <source>pictures read</source>
        <translation>
            <numerusform>Vorlage gelesen</numerusform>
            <numerusform>Vorlagen gelesen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pictures rendered</source>
        <translation>
            <numerusform>Vorlage umgesetzt</numerusform>
            <numerusform>Vorlagen umgesetzt</numerusform>
        </translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe zeigen.</translation>
    </message>
    <message>
        <source>Usage: valbum %1 [OPTIONS] %2

%3

Options:
</source>
        <extracomment>%1 is the command, %2 its arguments (&quot;OUT.valbum PICTURE...&quot;), %3 what it does.</extracomment>
        <translation>Aufruf: valbum %1 [OPTIONEN] %2

%3

Optionen:
</translation>
    </message>
    <message>
        <source>Try &quot;valbum %1 --help&quot;.</source>
        <translation>Hilfe: „valbum %1 --help“.</translation>
    </message>
    <message>
        <source>wrong number of arguments; usage: valbum %1 [OPTIONS] %2</source>
        <translation>Falsche Zahl von Argumenten; Aufruf: valbum %1 [OPTIONEN] %2</translation>
    </message>
    <message>
        <source>Make an album from pictures</source>
        <translation>Ein Album aus Vorlagen machen</translation>
    </message>
    <message>
        <source>Show an album&apos;s password, records and free room</source>
        <translation>Passwort, Datensätze und freien Platz eines Albums zeigen</translation>
    </message>
    <message>
        <source>Write an album&apos;s images as PNG or BMP files</source>
        <translation>Die Bilder eines Albums als PNG- oder BMP-Dateien schreiben</translation>
    </message>
    <message>
        <source>Add the images of other albums to the end of an album</source>
        <translation>Die Bilder anderer Alben an ein Album anhängen</translation>
    </message>
    <message>
        <source>Write pictures as the device will show them, as PNG files</source>
        <translation>Vorlagen, wie das Gerät sie zeigen wird, als PNG-Dateien schreiben</translation>
    </message>
    <message>
        <source>Usage: valbum COMMAND [OPTIONS] ARGUMENTS...

Makes, lists and takes apart photo albums (*.valbum) for the grey-level
device: 92 x 92 images in seven greys, at most %1 bytes an album.

Commands:
</source>
        <extracomment>The command&apos;s and the options&apos; names stay as they are.</extracomment>
        <translation>Aufruf: valbum BEFEHL [OPTIONEN] ARGUMENTE...

Macht, listet und zerlegt Fotoalben (*.valbum) für das Graustufengerät:
92 x 92 Bilder in sieben Graustufen, höchstens %1 Bytes je Album.

Befehle:
</translation>
    </message>
    <message>
        <source>no command given.</source>
        <translation>Kein Befehl angegeben.</translation>
    </message>
    <message>
        <source>Try &quot;valbum --help&quot;.</source>
        <translation>Hilfe: „valbum --help“.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;. Try &quot;valbum --help&quot;.</source>
        <translation>Unbekannter Befehl „%1“. Hilfe: „valbum --help“.</translation>
    </message>
    <message>
        <source>Password of up to eight decimal digits (default: none).</source>
        <translation>Passwort aus bis zu acht Ziffern (Vorgabe: keins).</translation>
    </message>
    <message>
        <source>Write OUT-1.valbum, OUT-2.valbum, ... so that no picture is left out.</source>
        <translation>OUT-1.valbum, OUT-2.valbum, ... schreiben, damit keine Vorlage ausgelassen wird.</translation>
    </message>
    <message>
        <source>Replace albums that exist.</source>
        <translation>Vorhandene Alben ersetzen.</translation>
    </message>
    <message>
        <source>Choose each picture&apos;s greys so that all fit in one album looking their best; with --split, each album takes as many pictures as fit with their smallest renderings, then chooses so. Not with --dither.</source>
        <translation>Die Graustufen jeder Vorlage so wählen, dass alle, so gut sie aussehen können, in ein Album passen; mit --split nimmt jedes Album so viele Vorlagen, wie mit ihren kleinsten Darstellungen passen, und wählt dann ebenso. Nicht mit --dither.</translation>
    </message>
    <message>
        <source>Makes an album of the pictures (BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF or
AVIF) in the order given, each brought in as the editor&apos;s Add does (by default
stretched over 92 x 92), and prints one line per picture with its place in the
album. Pictures past the %1-byte limit are left out and named (exit status 3)
unless --split is given. If a picture cannot be read, nothing is written (exit
status 2), unless --skip-unreadable is given: then it is named and left out, and
the rest are written (exit status 3).</source>
        <translation>Macht ein Album aus den Vorlagen (BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF
oder AVIF) in der angegebenen Reihenfolge, jede übernommen wie mit „Bild
hinzufügen“ im Editor (in der Vorgabe über 92 x 92 gestreckt), und gibt je Vorlage
eine Zeile mit ihrem Platz im Album aus. Vorlagen jenseits der Grenze von %1 Bytes
werden ausgelassen und genannt (Exit-Status 3), außer mit --split. Lässt sich eine
Vorlage nicht lesen, wird nichts geschrieben (Exit-Status 2), außer mit
--skip-unreadable: Dann wird sie genannt und ausgelassen, und der Rest wird
geschrieben (Exit-Status 3).</translation>
    </message>
    <message>
        <source>, use --split to keep them</source>
        <extracomment>Follows &quot;N picture(s) left out&quot;.</extracomment>
        <translation>, --split behält sie</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n picture(s) left out%2:</source>
        <extracomment>%1 is &quot;ALBUM is full (81920 bytes at most)&quot;, %2 &quot;, use --split to keep them&quot; or nothing; &quot;picture(s)&quot; stays as it is in English.</extracomment>
        <translation>
            <numerusform>%1; %n Vorlage ausgelassen%2:</numerusform>
            <numerusform>%1; %n Vorlagen ausgelassen%2:</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>ausgelassen: %1</translation>
    </message>
    <message>
        <source>note: %1 is from an earlier run, not part of this set.</source>
        <translation>Hinweis: %1 stammt aus einem früheren Lauf und gehört nicht zu diesem Satz.</translation>
    </message>
    <message>
        <source>the password must be up to eight decimal digits, not &quot;%1&quot;.</source>
        <translation>Das Passwort hat bis zu acht Ziffern, nicht „%1“.</translation>
    </message>
    <message>
        <source>--best-fit chooses the greys: it does not take --dither.</source>
        <translation>--best-fit wählt die Graustufen selbst: Es nimmt kein --dither.</translation>
    </message>
    <message>
        <source>png or bmp (default png).</source>
        <translation>png oder bmp (Vorgabe png).</translation>
    </message>
    <message>
        <source>Replace picture files that exist.</source>
        <translation>Vorhandene Bilddateien ersetzen.</translation>
    </message>
    <message>
        <source>Writes each image of the album as OUTDIR/NNN.png (or .bmp), 92 x 92 in the album&apos;s
greys, numbered as the editor labels them: 000, 001, ... OUTDIR is created when
missing. A damaged album gives the images before the damage, which is then
reported (exit status 2).</source>
        <translation>Schreibt jedes Bild des Albums als OUTDIR/NNN.png (oder .bmp), 92 x 92 in den
Graustufen des Albums, nummeriert wie im Editor: 000, 001, ... OUTDIR wird
angelegt, wenn es fehlt. Ein beschädigtes Album liefert die Bilder vor dem
Schaden, der dann gemeldet wird (Exit-Status 2).</translation>
    </message>
    <message>
        <source>the format must be png or bmp, not &quot;%1&quot;.</source>
        <translation>Das Format muss png oder bmp sein, nicht „%1“.</translation>
    </message>
    <message numerus="yes">
        <source>images written</source>
        <translation>
            <numerusform>Bild geschrieben</numerusform>
            <numerusform>Bilder geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>stretch (default): the whole picture over the square; crop: aspect kept, the overflow cut off; pad: aspect kept, white around it.</source>
        <translation>stretch (Vorgabe): die ganze Vorlage über das Quadrat; crop: Seitenverhältnis behalten, Überstand abgeschnitten; pad: Seitenverhältnis behalten, Weiß darum.</translation>
    </message>
    <message>
        <source>Average pixels when shrinking, so thin lines and small text survive (default: keep the nearest pixel).</source>
        <translation>Beim Verkleinern Pixel mitteln, damit dünne Linien und kleine Schrift erhalten bleiben (Vorgabe: das nächste Pixel nehmen).</translation>
    </message>
    <message>
        <source>none (default): plain thresholds; floyd-steinberg, atkinson: finest shading, large records; ordered: even pattern; compact: shading for photos in records as small as none&apos;s; compact-diffusion: finer shading for photos in records about as small.</source>
        <translation>none (Vorgabe): einfache Schwellen; floyd-steinberg, atkinson: feinste Abstufungen, große Datensätze; ordered: gleichmäßiges Muster; compact: Abstufungen für Fotos in Datensätzen so klein wie bei none; compact-diffusion: feinere Abstufungen für Fotos in etwa so kleinen Datensätzen.</translation>
    </message>
    <message>
        <source>-100 to 100 (default 0): added to each pixel&apos;s grey; lifts a dark photo.</source>
        <translation>-100 bis 100 (Vorgabe 0): zum Grau jedes Pixels addiert; hellt ein dunkles Foto auf.</translation>
    </message>
    <message>
        <source>-100 to 100 (default 0): spreads the greys apart (more) or together (less).</source>
        <translation>-100 bis 100 (Vorgabe 0): zieht die Graustufen auseinander (mehr) oder zusammen (weniger).</translation>
    </message>
    <message>
        <source>With crop, which part is kept; with pad, where the picture goes: center (default), north, south, east, west, northeast, northwest, southeast or southwest.</source>
        <translation>Bei crop, welcher Teil bleibt; bei pad, wohin die Vorlage kommt: center (Vorgabe), north, south, east, west, northeast, northwest, southeast oder southwest.</translation>
    </message>
    <message>
        <source>90, 180 or 270: turn the picture clockwise, after its orientation tag.</source>
        <translation>90, 180 oder 270: die Vorlage im Uhrzeigersinn drehen, nach ihrer Ausrichtungsangabe.</translation>
    </message>
    <message>
        <source>Pictures brought in at once (default: one per processor); 1 for one at a time. The output is the same.</source>
        <translation>Vorlagen, die gleichzeitig übernommen werden (Vorgabe: eine je Prozessor); 1 für eine nach der anderen. Die Ausgabe ist dieselbe.</translation>
    </message>
    <message>
        <source>Also show what the picture libraries warn of, as &quot;valbum: PICTURE: warning: ...&quot;.</source>
        <translation>Auch zeigen, wovor die Bildbibliotheken warnen, als „valbum: PICTURE: warning: ...“.</translation>
    </message>
    <message>
        <source>--%1 takes %2, not &quot;%3&quot;.</source>
        <extracomment>&quot;--fit takes stretch|crop|pad, not &quot;x&quot;.&quot;</extracomment>
        <translation>--%1 nimmt %2, nicht „%3“.</translation>
    </message>
    <message>
        <source>a whole number from -100 to 100</source>
        <translation>eine ganze Zahl von -100 bis 100</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1</source>
        <translation>eine ganze Zahl von 1 bis %1</translation>
    </message>
    <message>
        <source>Print one JSON object instead of text.</source>
        <translation>Ein JSON-Objekt statt Text ausgeben.</translation>
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
        <translation>Zeigt das Passwort des Albums (oder „none“), seine Zahl von Bildern, Offset und
komprimierte Größe jedes Datensatzes und die Bytes, die unter der Grenze von
%1 Bytes frei sind. Ein beschädigtes Album wird bis zum Schaden gelistet, der dann
gemeldet wird (Exit-Status 2).
JSON-Schlüssel: password (leer ohne Passwort), images, records ([{offset, size}]),
bytes_free, und nur bei einem beschädigten Album damage ({offset, kind, message}):
offset ist das erste nicht gelesene Byte, message die Zeile auf der
Standardfehlerausgabe und kind eines von
  %2,
  %3.
Eine Datei, die sich nicht öffnen lässt oder kein Album ist, gibt nur error
({kind, message}): kind ist cannot_open oder not_an_album, message die Zeile auf
der Standardfehlerausgabe.</translation>
    </message>
    <message>
        <source>Can not init LZO library</source>
        <translation>Die LZO-Bibliothek lässt sich nicht starten</translation>
    </message>
    <message>
        <source>%1 exists; use --force to replace it.</source>
        <translation>%1 existiert; --force ersetzt es.</translation>
    </message>
    <message>
        <source>it exists and is not a directory</source>
        <translation>es existiert und ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>the directory cannot be created: %1</source>
        <translation>das Verzeichnis lässt sich nicht anlegen: %1</translation>
    </message>
    <message>
        <source>no free temporary name</source>
        <translation>kein freier temporärer Name</translation>
    </message>
    <message>
        <source>Replace preview files that exist.</source>
        <translation>Vorhandene Vorschaudateien ersetzen.</translation>
    </message>
    <message>
        <source>Writes each picture as the device will show it, brought in as create brings it in
with the same options and reduced to the seven greys, as OUTDIR/&lt;name&gt;.png
(photo.jpg gives photo.png); the album holds exactly these pixels.
OUTDIR is created when missing. If a picture cannot be read, nothing is written
(exit status 2), unless --skip-unreadable is given: then it is named and left out,
and the rest are written (exit status 3).</source>
        <translation>Schreibt jede Vorlage, wie das Gerät sie zeigen wird, übernommen wie bei create mit
denselben Optionen und auf die sieben Graustufen gebracht, als OUTDIR/&lt;name&gt;.png
(photo.jpg ergibt photo.png); das Album enthält genau diese Pixel.
OUTDIR wird angelegt, wenn es fehlt. Lässt sich eine Vorlage nicht lesen, wird
nichts geschrieben (Exit-Status 2), außer mit --skip-unreadable: Dann wird sie
genannt und ausgelassen, und der Rest wird geschrieben (Exit-Status 3).</translation>
    </message>
    <message>
        <source>%1 and %2 would both be written as %3.</source>
        <translation>%1 und %2 würden beide als %3 geschrieben.</translation>
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
        <translation>Keine Fortschrittszeile zeigen (sie erscheint nur im Terminal).</translation>
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
        <translation>, noch %1</translation>
    </message>
    <message>
        <source>Leave out the pictures that cannot be read, naming each, and write the rest (exit status 3).</source>
        <translation>Die Vorlagen, die sich nicht lesen lassen, auslassen, jede nennen und den Rest schreiben (Exit-Status 3).</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) could not be read and were left out.</source>
        <extracomment>&quot;picture(s)&quot; stays as it is in English.</extracomment>
        <translation>
            <numerusform>%n Vorlage ließ sich nicht lesen und wurde ausgelassen.</numerusform>
            <numerusform>%n Vorlagen ließen sich nicht lesen und wurden ausgelassen.</numerusform>
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
„valbum BEFEHL --help“ zeigt die Argumente und Optionen eines Befehls.
Exit-Status: 0 fertig, 1 Kompressionsbibliothek gescheitert, 2 unlesbare oder
beschädigte Eingabe, 3 Bilder an der Größengrenze ausgelassen (oder unlesbare
Vorlagen mit --skip-unreadable ausgelassen), 4 Ausgabe existiert (--force
benutzen), 5 Ausgabe ließ sich nicht schreiben, 64 falsche Befehlszeile,
128 + N durch Signal N beendet (der Lauf wird rückgängig gemacht).</translation>
    </message>
    <message>
        <source>no free name for the old version</source>
        <translation>kein freier Name für die alte Fassung</translation>
    </message>
    <message>
        <source>%1; its old version is %2</source>
        <translation>%1; ihre alte Fassung ist %2</translation>
    </message>
</context>
</TS>
