<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CapacityLine</name>
    <message numerus="yes">
        <source>%1 image(s)</source>
        <extracomment>%1 is the count with its thousands separators.</extracomment>
        <translation>
            <numerusform>%1 obraz</numerusform>
            <numerusform>%1 obrazy</numerusform>
            <numerusform>%1 obrazów</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
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
        <translation>uporządkowany</translation>
    </message>
    <message>
        <source>compact</source>
        <translation>kompaktowy</translation>
    </message>
    <message>
        <source>compact-diffusion</source>
        <translation>kompaktowa dyfuzja</translation>
    </message>
    <message>
        <source>images %1 to %2</source>
        <translation>obrazy od %1 do %2</translation>
    </message>
    <message numerus="yes">
        <source>image(s) %1</source>
        <extracomment>%1 lists the images&apos; labels: &quot;007, 008, 009&quot;.</extracomment>
        <translation>
            <numerusform>obraz %1</numerusform>
            <numerusform>obrazy %1</numerusform>
            <numerusform>obrazy %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Measuring how much of the album&apos;s %1 bytes the %2 take.</source>
        <extracomment>%2 is &quot;12 images&quot;.</extracomment>
        <translation>Obliczanie, ile z %1 bajtów albumu zajmuje %2.</translation>
    </message>
    <message>
        <source>Image %1 cannot be compressed: the album cannot be saved with it.</source>
        <translation>Obrazu %1 nie można skompresować: z nim albumu nie da się zapisać.</translation>
    </message>
    <message>
        <source>Saved now, the album takes %1 of its %2 bytes.</source>
        <translation>Zapisany teraz album zająłby %1 z %2 bajtów.</translation>
    </message>
    <message>
        <source> Only the first %1 of the %2 fit; saving leaves out the rest, from image %3 on: %4.</source>
        <extracomment>Follows the sentence before with a blank; %4 is &quot;image 012&quot; or &quot;images 012, 013&quot; or &quot;images 012 to 099&quot;.</extracomment>
        <translation> Mieści się tylko pierwsze %1 z %2; zapis pominie resztę, od obrazu %3: %4.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A count of pictures best fit renders one way: &quot;3 compact&quot;.</extracomment>
        <translation>%2: %1</translation>
    </message>
    <message>
        <source> Best fit renders: %1.</source>
        <extracomment>Follows the sentences before with a blank; %1 is &quot;0 none, 1 compact, ...&quot;.</extracomment>
        <translation> Optymalny dobór daje: %1.</translation>
    </message>
    <message>
        <source>%1, measuring...</source>
        <extracomment>%1 is &quot;12 images&quot;.</extracomment>
        <translation>%1, obliczanie...</translation>
    </message>
    <message>
        <source>Cannot save image %1</source>
        <translation>Błąd zapisu obrazu %1</translation>
    </message>
    <message>
        <source>%1 of %2 fit, %3 B</source>
        <extracomment>&quot;19 of 25 fit, 81,812 B&quot;: images that fit, of the album&apos;s, and the bytes they take.</extracomment>
        <translation>%1/%2 OK, %3 B</translation>
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
            <numerusform>%1 opt., %2</numerusform>
            <numerusform>%1 opt., %2</numerusform>
            <numerusform>%1 opt., %2</numerusform>
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
        <translation>Użycie: valbum-editor [OPCJE] [ALBUM.valbum]

Otwiera edytor albumów ze zdjęciami; z ALBUM otwiera ten album tak jak „Wczytaj album”.

Opcje:
  -h, --help  Wyświetl tę pomoc.
  --version   Wyświetl wersję programu.
Własne opcje Qt (-style, -platform, ...) są przekazywane do Qt.
</translation>
    </message>
    <message>
        <source>option %1 needs a value.</source>
        <translation>opcja %1 wymaga wartości.</translation>
    </message>
    <message>
        <source>unknown option %1.</source>
        <translation>nieznana opcja %1.</translation>
    </message>
    <message>
        <source>only one album can be opened at a time.</source>
        <translation>naraz można otworzyć tylko jeden album.</translation>
    </message>
</context>
<context>
    <name>EditorMessages</name>
    <message>
        <source>Cannot save file &quot;%1&quot;. %2</source>
        <translation>Nie można zapisać pliku „%1”. %2</translation>
    </message>
    <message numerus="yes">
        <source>The album is full: %n of %2 images did not fit into %3 bytes and were not saved, from image %4 on.</source>
        <extracomment>%n images of %2 left out, %3 the limit in bytes (&quot;81,920&quot;), %4 the first left out (&quot;012&quot;).</extracomment>
        <translation>
            <numerusform>Album jest pełny: %n z %2 obrazów (od obrazu %4) nie zmieścił się w %3 bajtach i nie został zapisany.</numerusform>
            <numerusform>Album jest pełny: %n z %2 obrazów (od obrazu %4) nie zmieściły się w %3 bajtach i nie zostały zapisane.</numerusform>
            <numerusform>Album jest pełny: %n z %2 obrazów (od obrazu %4) nie zmieściło się w %3 bajtach; nie zapisano ich.</numerusform>
        </translation>
    </message>
    <message>
        <source>The album &quot;%1&quot; is %2. Saving writes only the images shown.</source>
        <extracomment>%2 is &quot;damaged: 3 images were read, and the rest of the file could not be read (...)&quot;.</extracomment>
        <translation>Album „%1” jest %2. Zapis obejmie tylko widoczne obrazy.</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor</source>
        <extracomment>The message boxes&apos; caption. The device&apos;s name stays as it is.</extracomment>
        <translation>Edytor Vemo ZidarUzura</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura</source>
        <extracomment>The caption of the box that says a file is not an album: the device&apos;s name, as it is.</extracomment>
        <translation>Vemo ZidarUzura</translation>
    </message>
    <message>
        <source>Discard unsaved information?</source>
        <translation>Odrzucić niezapisane zmiany?</translation>
    </message>
    <message>
        <source>Cannot import picture &quot;%1&quot;. %2</source>
        <translation>Nie można zaimportować zdjęcia „%1”. %2</translation>
    </message>
    <message>
        <source>Vemo Albums</source>
        <extracomment>The album files&apos; filter in the file dialogs; the pattern follows it.</extracomment>
        <translation>Albumy Vemo</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>Can not init LZO library</source>
        <translation>Nie można zainicjować biblioteki LZO</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Image %1</source>
        <translation>Obraz %1</translation>
    </message>
    <message>
        <source>will not be saved: the album is full</source>
        <extracomment>Follows &quot;Image 007&quot; in the image&apos;s tooltip.</extracomment>
        <translation>nie zostanie zapisany: album jest pełny</translation>
    </message>
    <message>
        <source>will not be saved: it cannot be compressed</source>
        <translation>nie zostanie zapisany: nie da się go skompresować</translation>
    </message>
    <message>
        <source>best fit shows it as %1</source>
        <extracomment>Follows &quot;Image 007&quot; in the image&apos;s tooltip; %1 is a choice of the picture dialog&apos;s Greys.</extracomment>
        <translation>optymalny dobór pokazuje go jako „%1”</translation>
    </message>
    <message>
        <source>Image %1 %2.</source>
        <translation>Obraz %1 %2.</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor* - </source>
        <extracomment>The window&apos;s caption before the album&apos;s file name. The device&apos;s name stays as it is.</extracomment>
        <translation>Edytor Vemo ZidarUzura* - </translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor - </source>
        <translation>Edytor Vemo ZidarUzura - </translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor</source>
        <extracomment>The window&apos;s caption before anything is shown. The device&apos;s name stays as it is.</extracomment>
        <translation>Edytor Vemo ZidarUzura</translation>
    </message>
    <message>
        <source>Album images</source>
        <translation>Obrazy albumu</translation>
    </message>
    <message>
        <source>Load Album...</source>
        <translation>Wczytaj album...</translation>
    </message>
    <message>
        <source>Save Album</source>
        <translation>Zapisz album</translation>
    </message>
    <message>
        <source>Save Album As...</source>
        <translation>Zapisz album jako...</translation>
    </message>
    <message>
        <source>Add Image...</source>
        <translation>Dodaj obraz...</translation>
    </message>
    <message>
        <source>Insert Image...</source>
        <translation>Wstaw obraz...</translation>
    </message>
    <message>
        <source>Append Album...</source>
        <translation>Dołącz album...</translation>
    </message>
    <message>
        <source>Delete Image</source>
        <translation>Usuń obraz</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Przesuń w górę</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Przesuń w dół</translation>
    </message>
    <message>
        <source>Album password:</source>
        <translation>Hasło albumu:</translation>
    </message>
    <message>
        <source>ver. 1.00</source>
        <translation>wer. 1.00</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Image %1 moved to position %2 of %3.</source>
        <translation>Obraz %1 przeniesiony na pozycję %2 z %3.</translation>
    </message>
    <message>
        <source>Fill a Vemo ZidarUzura album with your pictures, in the browser.</source>
        <translation>Wypełnij album Vemo ZidarUzura swoimi zdjęciami w przeglądarce.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Język:</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Album commands</source>
        <translation>Polecenia albumu</translation>
    </message>
    <message>
        <source>Drop albums or pictures anywhere on the page, or paste pictures. In the list, Alt+Up and Alt+Down move the chosen image.</source>
        <translation>Upuść albumy lub zdjęcia w dowolnym miejscu strony albo wklej zdjęcia. Na liście Alt+Góra i Alt+Dół przesuwają wybrany obraz.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Otwórz obraz</translation>
    </message>
    <message>
        <source>Choose pictures...</source>
        <translation>Wybierz zdjęcia...</translation>
    </message>
    <message>
        <source>Pictures chosen</source>
        <translation>Wybrane zdjęcia</translation>
    </message>
    <message>
        <source>The picture, with the square that is kept</source>
        <translation>Zdjęcie z zachowywanym kwadratem</translation>
    </message>
    <message>
        <source>Smaller square</source>
        <translation>Mniejszy kwadrat</translation>
    </message>
    <message>
        <source>Larger square</source>
        <translation>Większy kwadrat</translation>
    </message>
    <message>
        <source>What the device will show</source>
        <translation>Co pokaże urządzenie</translation>
    </message>
    <message>
        <source>Gravity:</source>
        <translation>Zakotwiczenie:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licencje</translation>
    </message>
    <message>
        <source>center</source>
        <translation>środek</translation>
    </message>
    <message>
        <source>north</source>
        <translation>góra</translation>
    </message>
    <message>
        <source>south</source>
        <translation>dół</translation>
    </message>
    <message>
        <source>east</source>
        <translation>prawo</translation>
    </message>
    <message>
        <source>west</source>
        <translation>lewo</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>góra prawo</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>góra lewo</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>dół prawo</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>dół lewo</translation>
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
        <translation>Brak</translation>
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
        <translation>Uporządkowany</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Kompaktowy</translation>
    </message>
    <message>
        <source>Compact diffusion</source>
        <translation>Kompaktowa dyfuzja</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Rozciągnij</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Przytnij</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Wpasuj</translation>
    </message>
    <message>
        <source>The whole picture over the whole square; the aspect ratio is not kept.</source>
        <translation>Całe zdjęcie na całym kwadracie; proporcje nie są zachowane.</translation>
    </message>
    <message>
        <source>Keep the aspect ratio and fill the square; the overflow is cut off.</source>
        <translation>Zachowuje proporcje i wypełnia kwadrat; nadmiar jest obcinany.</translation>
    </message>
    <message>
        <source>Keep the aspect ratio and show all of it, centred on white.</source>
        <translation>Zachowuje proporcje i pokazuje całość, wyśrodkowaną na białym tle.</translation>
    </message>
    <message>
        <source>Best fit</source>
        <translation>Optymalny dobór</translation>
    </message>
    <message>
        <source>Plain thresholds: flat areas and drawings stay clean; gradients become bands.</source>
        <translation>Proste progi: płaskie obszary i rysunki pozostają czyste; gradienty zamieniają się w pasy.</translation>
    </message>
    <message>
        <source>Error diffusion: the finest shading for photos, but large records.</source>
        <translation>Dyfuzja błędu: najdelikatniejsze cieniowanie zdjęć, ale duże rekordy.</translation>
    </message>
    <message>
        <source>Error diffusion with more contrast: crisp photos and line art.</source>
        <translation>Dyfuzja błędu z większym kontrastem: wyraziste zdjęcia i grafika kreskowa.</translation>
    </message>
    <message>
        <source>A regular pattern: smooth shading that compresses far better than diffusion.</source>
        <translation>Regularny wzór: gładkie cieniowanie, które kompresuje się znacznie lepiej niż dyfuzja.</translation>
    </message>
    <message>
        <source>A fine pattern on a light blur: shading for photos in records as small as no dither.</source>
        <translation>Drobny wzór na lekkim rozmyciu: cieniowanie zdjęć w rekordach tak małych jak bez ditheringu.</translation>
    </message>
    <message>
        <source>A finer pattern that hands on part of its error: nearer to diffusion, in records about as small.</source>
        <translation>Drobniejszy wzór, który przekazuje dalej część błędu: bliżej dyfuzji, w rekordach prawie tak samo małych.</translation>
    </message>
    <message>
        <source>Colours kept; on saving, each picture gets the rendering that lets the whole album fit with the best look.</source>
        <translation>Kolory zostają zachowane; przy zapisie każde zdjęcie dostaje odwzorowanie, dzięki któremu cały album się mieści i wygląda najlepiej.</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Wygładzanie</translation>
    </message>
    <message>
        <source>Average the pixels when shrinking, so thin lines and small text survive.</source>
        <translation>Uśrednia piksele przy zmniejszaniu, dzięki czemu cienkie linie i drobny tekst pozostają czytelne.</translation>
    </message>
    <message>
        <source>Fit:</source>
        <translation>Dopasowanie:</translation>
    </message>
    <message>
        <source>Greys:</source>
        <translation>Odcienie szarości:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Jasność:</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>Kontrast:</translation>
    </message>
    <message>
        <source>All</source>
        <comment>picture files of every kind</comment>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Mapy bitowe</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Ikony</translation>
    </message>
    <message>
        <source>Preview</source>
        <comment>the button that shows the picture larger</comment>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Show the picture larger</source>
        <translation>Pokaż zdjęcie w powiększeniu</translation>
    </message>
    <message>
        <source>Turn the picture left</source>
        <translation>Obróć zdjęcie w lewo</translation>
    </message>
    <message>
        <source>Turn the picture right</source>
        <translation>Obróć zdjęcie w prawo</translation>
    </message>
    <message>
        <source>The size of the square kept</source>
        <translation>Rozmiar zachowywanego kwadratu</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Zdjęcie:</translation>
    </message>
    <message>
        <source>(None)</source>
        <extracomment>The preview when no picture is chosen.</extracomment>
        <translation>(Brak)</translation>
    </message>
    <message>
        <source>Preview</source>
        <comment>the larger preview&apos;s caption</comment>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>On the device:</source>
        <translation>Na urządzeniu:</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wczytywanie…</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures chosen</source>
        <translation>
            <numerusform>Wybrano %n zdjęcie</numerusform>
            <numerusform>Wybrano %n zdjęcia</numerusform>
            <numerusform>Wybrano %n zdjęć</numerusform>
        </translation>
    </message>
    <message>
        <source>Size:</source>
        <extracomment>The size of the crop square.</extracomment>
        <translation>Rozmiar:</translation>
    </message>
    <message>
        <source>Drag or use the arrow keys to choose the square; the wheel, + and - change its size.</source>
        <translation>Przeciągnij lub użyj klawiszy strzałek, aby wybrać kwadrat; kółko myszy oraz + i - zmieniają jego rozmiar.</translation>
    </message>
</context>
<context>
    <name>SharedMessages</name>
    <message>
        <source>This file is not a Vemo ZidarUzura</source>
        <extracomment>The device&apos;s name stays as it is.</extracomment>
        <translation>Ten plik nie jest albumem Vemo ZidarUzura</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Nie można otworzyć pliku „%1”. %2</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) were read</source>
        <translation>
            <numerusform>wczytano %n obraz</numerusform>
            <numerusform>wczytano %n obrazy</numerusform>
            <numerusform>wczytano %n obrazów</numerusform>
        </translation>
    </message>
    <message>
        <source>a record runs past the end of the file</source>
        <translation>rekord wykracza poza koniec pliku</translation>
    </message>
    <message>
        <source>a record is too short to hold an image</source>
        <translation>rekord jest za krótki, by pomieścić obraz</translation>
    </message>
    <message>
        <source>a record is larger than %1 bytes</source>
        <translation>rekord jest większy niż %1 bajtów</translation>
    </message>
    <message>
        <source>a record does not decompress</source>
        <translation>rekordu nie da się zdekompresować</translation>
    </message>
    <message>
        <source>bytes are left over after the last image</source>
        <translation>po ostatnim obrazie zostały nadmiarowe bajty</translation>
    </message>
    <message>
        <source>no more than %1 images are read from one file</source>
        <translation>z jednego pliku wczytuje się najwyżej %1 obrazów</translation>
    </message>
    <message>
        <source>Image %1 is not 92 x 92 pixels</source>
        <translation>Obraz %1 nie ma 92 x 92 pikseli</translation>
    </message>
    <message>
        <source>Image %1 cannot be compressed</source>
        <translation>Obrazu %1 nie można skompresować</translation>
    </message>
    <message>
        <source>.</source>
        <extracomment>The full stop a message box&apos;s sentence ends with.</extracomment>
        <translation>.</translation>
    </message>
    <message>
        <source>, at offset %1</source>
        <extracomment>Follows the reason a damaged album stops, inside its brackets.</extracomment>
        <translation>, przy przesunięciu %1</translation>
    </message>
    <message>
        <source>damaged: %1, and the rest of the file could not be read (%2%3)</source>
        <extracomment>%1 is &quot;3 images were read&quot;, %2 the reason, %3 &quot;, at offset N&quot; or nothing.</extracomment>
        <translation>uszkodzony: %1, a reszty pliku nie można odczytać (%2%3)</translation>
    </message>
    <message>
        <source>%1 is full (%2 bytes at most)</source>
        <translation>%1 jest pełny (najwyżej %2 bajtów)</translation>
    </message>
    <message>
        <source>The picture&apos;s header holds a value outside its range.</source>
        <translation>Nagłówek zdjęcia zawiera wartość spoza zakresu.</translation>
    </message>
    <message>
        <source>The picture&apos;s width or height is zero, out of range or too large for the file.</source>
        <translation>Szerokość lub wysokość zdjęcia jest zerowa, spoza zakresu albo za duża dla pliku.</translation>
    </message>
    <message>
        <source>The picture has a number of bits a pixel that its format does not define.</source>
        <translation>Zdjęcie ma liczbę bitów na piksel, której jego format nie definiuje.</translation>
    </message>
    <message>
        <source>The picture&apos;s colour table is longer than its depth allows, or cut short.</source>
        <translation>Tabela kolorów zdjęcia jest dłuższa, niż pozwala jego głębia, albo jest ucięta.</translation>
    </message>
    <message>
        <source>The bitmap&apos;s colour masks are missing.</source>
        <translation>Brak masek kolorów mapy bitowej.</translation>
    </message>
    <message>
        <source>The bitmap is compressed in a way that is not read at its number of bits a pixel.</source>
        <translation>Mapa bitowa jest skompresowana w sposób, który nie jest odczytywany przy jej liczbie bitów na piksel.</translation>
    </message>
    <message>
        <source>The picture&apos;s pixels are said to start outside the file.</source>
        <translation>Piksele zdjęcia mają się zaczynać poza plikiem.</translation>
    </message>
    <message>
        <source>The icon file&apos;s directory holds no picture, or its entry lies outside the file.</source>
        <translation>Katalog pliku ikon nie zawiera żadnego zdjęcia albo jego wpis leży poza plikiem.</translation>
    </message>
    <message>
        <source>Lossless JPEG is not supported.</source>
        <translation>Bezstratny JPEG nie jest obsługiwany.</translation>
    </message>
    <message>
        <source>Hierarchical JPEG is not supported.</source>
        <translation>Hierarchiczny JPEG nie jest obsługiwany.</translation>
    </message>
    <message>
        <source>Arithmetic-coded JPEG is not supported.</source>
        <translation>JPEG z kodowaniem arytmetycznym nie jest obsługiwany.</translation>
    </message>
    <message>
        <source>12-bit JPEG is not supported.</source>
        <translation>12-bitowy JPEG nie jest obsługiwany.</translation>
    </message>
    <message>
        <source>JPEG with fractional colour sampling is not supported.</source>
        <translation>JPEG z ułamkowym próbkowaniem kolorów nie jest obsługiwany.</translation>
    </message>
    <message>
        <source>This kind of JPEG is not supported.</source>
        <translation>Ten rodzaj JPEG nie jest obsługiwany.</translation>
    </message>
    <message>
        <source>Unsupported image format. Pictures are read from %1 files.</source>
        <extracomment>%1 lists the formats: &quot;BMP, PNG, JPEG, ...&quot;.</extracomment>
        <translation>Nieobsługiwany format pliku. Zdjęcia są wczytywane z plików %1.</translation>
    </message>
    <message>
        <source>Unsupported image format: this is %1. Pictures are read from %2 files.</source>
        <extracomment>%1 names what the file is, in English (&quot;a PDF document&quot;); %2 lists the formats.</extracomment>
        <translation>Nieobsługiwany format pliku: to jest %1. Zdjęcia są wczytywane z plików %2.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Plik jest pusty.</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>Plik jest uszkodzony lub niekompletny.</translation>
    </message>
    <message>
        <source>The file is too large: more than %1 MB, more than a picture of %2 megapixels needs.</source>
        <translation>Plik jest za duży: ma ponad %1 MB, więcej, niż potrzebuje zdjęcie o %2 megapikselach.</translation>
    </message>
    <message>
        <source>The picture is too large: %1 x %2 pixels, more than %3 megapixels</source>
        <translation>Zdjęcie jest za duże: %1 x %2 pikseli, ponad %3 megapikseli</translation>
    </message>
    <message>
        <source>The bitmap&apos;s header is cut short</source>
        <translation>Nagłówek mapy bitowej jest ucięty</translation>
    </message>
    <message>
        <source>%1 is not supported.</source>
        <extracomment>%1 names a kind of picture, in English (&quot;Animated AVIF&quot;).</extracomment>
        <translation>Nieobsługiwane: %1.</translation>
    </message>
</context>
<context>
    <name>Valbum</name>
    <message>
        <source>%1 is not an album.</source>
        <translation>%1 nie jest albumem.</translation>
    </message>
    <message>
        <source>%1: the album is %2.</source>
        <extracomment>%2 is &quot;damaged: 3 images were read, and the rest of the file could not be read (...)&quot;.</extracomment>
        <translation>%1: album jest %2.</translation>
    </message>
    <message>
        <source>image %1 does not fit in an album of its own</source>
        <translation>obraz %1 nie mieści się nawet sam w albumie</translation>
    </message>
    <message>
        <source>album %1: %2</source>
        <translation>album %1: %2</translation>
    </message>
    <message>
        <source>Adds the images of the source albums, in order, after the target&apos;s own and
saves the target in place, keeping its password; a failed save leaves it as it
was. Images past the %1-byte limit are left out and named (exit status 3).
If any album cannot be read whole, nothing is written (exit status 2).</source>
        <translation>Dodaje obrazy albumów źródłowych, po kolei, za własnymi obrazami albumu
docelowego i zapisuje album docelowy w miejscu, zachowując jego hasło;
nieudany zapis pozostawia go bez zmian. Obrazy ponad limit %1 bajtów są
pomijane i wymieniane (kod wyjścia 3). Jeśli któregoś albumu nie da się
wczytać w całości, nic nie jest zapisywane (kod wyjścia 2).</translation>
    </message>
    <message>
        <source>nothing was written.</source>
        <translation>nic nie zostało zapisane.</translation>
    </message>
    <message numerus="yes">
        <source>images recompressed</source>
        <translation>
            <numerusform>obraz skompresowany ponownie</numerusform>
            <numerusform>obrazy skompresowane ponownie</numerusform>
            <numerusform>obrazów skompresowanych ponownie</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its own images no longer fit in %2 bytes; nothing was written.</source>
        <translation>%1: jego własne obrazy nie mieszczą się już w %2 bajtach; nic nie zostało zapisane.</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n image(s) left out:</source>
        <extracomment>%1 is &quot;ALBUM is full (81920 bytes at most)&quot;; &quot;image(s)&quot; stays as it is in English.</extracomment>
        <translation>
            <numerusform>%1; pominięto %n obraz:</numerusform>
            <numerusform>%1; pominięto %n obrazy:</numerusform>
            <numerusform>%1; pominięto %n obrazów:</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1 %2</source>
        <translation>pominięto: %1 %2</translation>
    </message>
    <message numerus="yes">
        <source>pictures read</source>
        <translation>
            <numerusform>zdjęcie wczytane</numerusform>
            <numerusform>zdjęcia wczytane</numerusform>
            <numerusform>zdjęć wczytanych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pictures rendered</source>
        <translation>
            <numerusform>zdjęcie przetworzone</numerusform>
            <numerusform>zdjęcia przetworzone</numerusform>
            <numerusform>zdjęć przetworzonych</numerusform>
        </translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Wyświetl tę pomoc.</translation>
    </message>
    <message>
        <source>Usage: valbum %1 [OPTIONS] %2

%3

Options:
</source>
        <extracomment>%1 is the command, %2 its arguments (&quot;OUT.valbum PICTURE...&quot;), %3 what it does.</extracomment>
        <translation>Użycie: valbum %1 [OPCJE] %2

%3

Opcje:
</translation>
    </message>
    <message>
        <source>Try &quot;valbum %1 --help&quot;.</source>
        <translation>Spróbuj „valbum %1 --help”.</translation>
    </message>
    <message>
        <source>wrong number of arguments; usage: valbum %1 [OPTIONS] %2</source>
        <translation>zła liczba argumentów; użycie: valbum %1 [OPCJE] %2</translation>
    </message>
    <message>
        <source>Make an album from pictures</source>
        <translation>Utwórz album ze zdjęć</translation>
    </message>
    <message>
        <source>Show an album&apos;s password, records and free room</source>
        <translation>Pokaż hasło, rekordy i wolne miejsce albumu</translation>
    </message>
    <message>
        <source>Write an album&apos;s images as PNG or BMP files</source>
        <translation>Zapisz obrazy albumu jako pliki PNG lub BMP</translation>
    </message>
    <message>
        <source>Add the images of other albums to the end of an album</source>
        <translation>Dodaj obrazy innych albumów na koniec albumu</translation>
    </message>
    <message>
        <source>Write pictures as the device will show them, as PNG files</source>
        <translation>Zapisz zdjęcia tak, jak pokaże je urządzenie, jako pliki PNG</translation>
    </message>
    <message>
        <source>Usage: valbum COMMAND [OPTIONS] ARGUMENTS...

Makes, lists and takes apart photo albums (*.valbum) for the grey-level
device: 92 x 92 images in seven greys, at most %1 bytes an album.

Commands:
</source>
        <extracomment>The command&apos;s and the options&apos; names stay as they are.</extracomment>
        <translation>Użycie: valbum POLECENIE [OPCJE] ARGUMENTY...

Tworzy, wyświetla i rozkłada albumy ze zdjęciami (*.valbum) dla urządzenia
w odcieniach szarości: obrazy 92 x 92 w siedmiu odcieniach szarości, najwyżej
%1 bajtów na album.

Polecenia:
</translation>
    </message>
    <message>
        <source>no command given.</source>
        <translation>nie podano polecenia.</translation>
    </message>
    <message>
        <source>Try &quot;valbum --help&quot;.</source>
        <translation>Spróbuj „valbum --help”.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;. Try &quot;valbum --help&quot;.</source>
        <translation>nieznane polecenie „%1”. Spróbuj „valbum --help”.</translation>
    </message>
    <message>
        <source>Password of up to eight decimal digits (default: none).</source>
        <translation>Hasło złożone z najwyżej ośmiu cyfr dziesiętnych (domyślnie: brak).</translation>
    </message>
    <message>
        <source>Write OUT-1.valbum, OUT-2.valbum, ... so that no picture is left out.</source>
        <translation>Zapisz OUT-1.valbum, OUT-2.valbum, ..., tak aby żadne zdjęcie nie zostało pominięte.</translation>
    </message>
    <message>
        <source>Replace albums that exist.</source>
        <translation>Zastąp istniejące albumy.</translation>
    </message>
    <message>
        <source>Choose each picture&apos;s greys so that all fit in one album looking their best; with --split, each album takes as many pictures as fit with their smallest renderings, then chooses so. Not with --dither.</source>
        <translation>Dobierz odcienie szarości każdego zdjęcia tak, by wszystkie zmieściły się w jednym albumie i wyglądały jak najlepiej; z --split każdy album przyjmuje tyle zdjęć, ile zmieści się w ich najmniejszych odwzorowaniach, a potem dobiera tak samo. Nie razem z --dither.</translation>
    </message>
    <message>
        <source>Makes an album of the pictures (BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF or
AVIF) in the order given, each brought in as the editor&apos;s Add does (by default
stretched over 92 x 92), and prints one line per picture with its place in the
album. Pictures past the %1-byte limit are left out and named (exit status 3)
unless --split is given. If a picture cannot be read, nothing is written (exit
status 2), unless --skip-unreadable is given: then it is named and left out, and
the rest are written (exit status 3).</source>
        <translation>Tworzy album ze zdjęć (BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF lub
AVIF) w podanej kolejności, każde wprowadzone tak jak przez „Dodaj” w
edytorze (domyślnie rozciągnięte na 92 x 92), i wypisuje po jednym wierszu
na zdjęcie z jego miejscem w albumie. Zdjęcia ponad limit %1 bajtów są
pomijane i wymieniane (kod wyjścia 3), chyba że podano --split. Jeśli
zdjęcia nie da się odczytać, nic nie jest zapisywane (kod wyjścia 2), chyba
że podano --skip-unreadable: wtedy jest ono wymieniane i pomijane, a reszta
zostaje zapisana (kod wyjścia 3).</translation>
    </message>
    <message>
        <source>, use --split to keep them</source>
        <extracomment>Follows &quot;N picture(s) left out&quot;.</extracomment>
        <translation>, użyj --split, aby je zachować</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n picture(s) left out%2:</source>
        <extracomment>%1 is &quot;ALBUM is full (81920 bytes at most)&quot;, %2 &quot;, use --split to keep them&quot; or nothing; &quot;picture(s)&quot; stays as it is in English.</extracomment>
        <translation>
            <numerusform>%1; pominięto %n zdjęcie%2:</numerusform>
            <numerusform>%1; pominięto %n zdjęcia%2:</numerusform>
            <numerusform>%1; pominięto %n zdjęć%2:</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>pominięto: %1</translation>
    </message>
    <message>
        <source>note: %1 is from an earlier run, not part of this set.</source>
        <translation>uwaga: %1 pochodzi z wcześniejszego uruchomienia i nie należy do tego zestawu.</translation>
    </message>
    <message>
        <source>the password must be up to eight decimal digits, not &quot;%1&quot;.</source>
        <translation>hasło może mieć najwyżej osiem cyfr dziesiętnych, a nie „%1”.</translation>
    </message>
    <message>
        <source>--best-fit chooses the greys: it does not take --dither.</source>
        <translation>--best-fit sam dobiera odcienie szarości: nie przyjmuje --dither.</translation>
    </message>
    <message>
        <source>png or bmp (default png).</source>
        <translation>png lub bmp (domyślnie png).</translation>
    </message>
    <message>
        <source>Replace picture files that exist.</source>
        <translation>Zastąp istniejące pliki graficzne.</translation>
    </message>
    <message>
        <source>Writes each image of the album as OUTDIR/NNN.png (or .bmp), 92 x 92 in the album&apos;s
greys, numbered as the editor labels them: 000, 001, ... OUTDIR is created when
missing. A damaged album gives the images before the damage, which is then
reported (exit status 2).</source>
        <translation>Zapisuje każdy obraz albumu jako OUTDIR/NNN.png (lub .bmp), 92 x 92 w
odcieniach szarości albumu, numerowany tak jak w edytorze: 000, 001, ...
OUTDIR jest tworzony, gdy go brakuje. Uszkodzony album daje obrazy sprzed
uszkodzenia, które jest potem zgłaszane (kod wyjścia 2).</translation>
    </message>
    <message>
        <source>the format must be png or bmp, not &quot;%1&quot;.</source>
        <translation>format musi być png lub bmp, a nie „%1”.</translation>
    </message>
    <message numerus="yes">
        <source>images written</source>
        <translation>
            <numerusform>obraz zapisany</numerusform>
            <numerusform>obrazy zapisane</numerusform>
            <numerusform>obrazów zapisanych</numerusform>
        </translation>
    </message>
    <message>
        <source>stretch (default): the whole picture over the square; crop: aspect kept, the overflow cut off; pad: aspect kept, white around it.</source>
        <translation>stretch (domyślnie): całe zdjęcie na kwadracie; crop: proporcje zachowane, nadmiar obcięty; pad: proporcje zachowane, białe tło dookoła.</translation>
    </message>
    <message>
        <source>Average pixels when shrinking, so thin lines and small text survive (default: keep the nearest pixel).</source>
        <translation>Uśredniaj piksele przy zmniejszaniu, aby cienkie linie i drobny tekst pozostały czytelne (domyślnie: brany jest najbliższy piksel).</translation>
    </message>
    <message>
        <source>none (default): plain thresholds; floyd-steinberg, atkinson: finest shading, large records; ordered: even pattern; compact: shading for photos in records as small as none&apos;s; compact-diffusion: finer shading for photos in records about as small.</source>
        <translation>none (domyślnie): proste progi; floyd-steinberg, atkinson: najdelikatniejsze cieniowanie, duże rekordy; ordered: równomierny wzór; compact: cieniowanie zdjęć w rekordach tak małych jak przy none; compact-diffusion: delikatniejsze cieniowanie zdjęć w rekordach prawie tak samo małych.</translation>
    </message>
    <message>
        <source>-100 to 100 (default 0): added to each pixel&apos;s grey; lifts a dark photo.</source>
        <translation>od -100 do 100 (domyślnie 0): dodawane do szarości każdego piksela; rozjaśnia ciemne zdjęcie.</translation>
    </message>
    <message>
        <source>-100 to 100 (default 0): spreads the greys apart (more) or together (less).</source>
        <translation>od -100 do 100 (domyślnie 0): rozsuwa odcienie szarości (więcej) lub je zbliża (mniej).</translation>
    </message>
    <message>
        <source>With crop, which part is kept; with pad, where the picture goes: center (default), north, south, east, west, northeast, northwest, southeast or southwest.</source>
        <translation>Przy crop: która część zostaje; przy pad: gdzie trafia zdjęcie: center (domyślnie), north, south, east, west, northeast, northwest, southeast lub southwest.</translation>
    </message>
    <message>
        <source>90, 180 or 270: turn the picture clockwise, after its orientation tag.</source>
        <translation>90, 180 lub 270: obróć zdjęcie w prawo, po uwzględnieniu znacznika orientacji.</translation>
    </message>
    <message>
        <source>Pictures brought in at once (default: one per processor); 1 for one at a time. The output is the same.</source>
        <translation>Liczba zdjęć wprowadzanych jednocześnie (domyślnie: jedno na procesor); 1 – po jednym. Wynik jest taki sam.</translation>
    </message>
    <message>
        <source>Also show what the picture libraries warn of, as &quot;valbum: PICTURE: warning: ...&quot;.</source>
        <translation>Pokazuj także ostrzeżenia bibliotek graficznych, jako „valbum: PICTURE: warning: ...”.</translation>
    </message>
    <message>
        <source>--%1 takes %2, not &quot;%3&quot;.</source>
        <extracomment>&quot;--fit takes stretch|crop|pad, not &quot;x&quot;.&quot;</extracomment>
        <translation>--%1 przyjmuje %2, a nie „%3”.</translation>
    </message>
    <message>
        <source>a whole number from -100 to 100</source>
        <translation>liczbę całkowitą od -100 do 100</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1</source>
        <translation>liczbę całkowitą od 1 do %1</translation>
    </message>
    <message>
        <source>Print one JSON object instead of text.</source>
        <translation>Wypisz jeden obiekt JSON zamiast tekstu.</translation>
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
        <translation>Pokazuje hasło albumu (lub „none”), liczbę jego obrazów, przesunięcie i rozmiar
po kompresji każdego rekordu oraz bajty wolne poniżej limitu %1 bajtów.
Uszkodzony album jest wypisywany do miejsca uszkodzenia, które jest potem zgłaszane (kod wyjścia 2).
Klucze JSON: password (pusty, gdy brak hasła), images, records ([{offset, size}]), bytes_free,
a tylko dla uszkodzonego albumu damage ({offset, kind, message}): offset to pierwszy
nieodczytany bajt, message to wiersz wypisany na standardowe wyjście błędów, a kind to jedno z:
  %2,
  %3.
Plik, którego nie da się otworzyć lub który nie jest albumem, daje tylko error ({kind, message}):
kind to cannot_open lub not_an_album, message to wiersz wypisany na standardowe wyjście błędów.</translation>
    </message>
    <message>
        <source>Can not init LZO library</source>
        <translation>Nie można zainicjować biblioteki LZO</translation>
    </message>
    <message>
        <source>%1 exists; use --force to replace it.</source>
        <translation>%1 istnieje; użyj --force, aby go zastąpić.</translation>
    </message>
    <message>
        <source>it exists and is not a directory</source>
        <translation>istnieje i nie jest katalogiem</translation>
    </message>
    <message>
        <source>the directory cannot be created: %1</source>
        <translation>nie można utworzyć katalogu: %1</translation>
    </message>
    <message>
        <source>no free temporary name</source>
        <translation>brak wolnej nazwy tymczasowej</translation>
    </message>
    <message>
        <source>Replace preview files that exist.</source>
        <translation>Zastąp istniejące pliki podglądu.</translation>
    </message>
    <message>
        <source>Writes each picture as the device will show it, brought in as create brings it in
with the same options and reduced to the seven greys, as OUTDIR/&lt;name&gt;.png
(photo.jpg gives photo.png); the album holds exactly these pixels.
OUTDIR is created when missing. If a picture cannot be read, nothing is written
(exit status 2), unless --skip-unreadable is given: then it is named and left out,
and the rest are written (exit status 3).</source>
        <translation>Zapisuje każde zdjęcie tak, jak pokaże je urządzenie: wprowadzone tak jak
przez create, z tymi samymi opcjami, i zredukowane do siedmiu odcieni
szarości, jako OUTDIR/&lt;nazwa&gt;.png (photo.jpg daje photo.png); album zawiera
dokładnie te piksele. OUTDIR jest tworzony, gdy go brakuje. Jeśli zdjęcia
nie da się odczytać, nic nie jest zapisywane (kod wyjścia 2), chyba że
podano --skip-unreadable: wtedy jest ono wymieniane i pomijane, a reszta
zostaje zapisana (kod wyjścia 3).</translation>
    </message>
    <message>
        <source>%1 and %2 would both be written as %3.</source>
        <translation>%1 i %2 zostałyby zapisane jako ten sam plik %3.</translation>
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
        <translation>Nie pokazuj wiersza postępu (jest on pokazywany tylko w terminalu).</translation>
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
        <translation>, zostało %1</translation>
    </message>
    <message>
        <source>Leave out the pictures that cannot be read, naming each, and write the rest (exit status 3).</source>
        <translation>Pomiń zdjęcia, których nie da się odczytać, wymieniając każde z nich, i zapisz resztę (kod wyjścia 3).</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) could not be read and were left out.</source>
        <extracomment>&quot;picture(s)&quot; stays as it is in English.</extracomment>
        <translation>
            <numerusform>Pominięto %n zdjęcie, którego nie udało się odczytać.</numerusform>
            <numerusform>Pominięto %n zdjęcia, których nie udało się odczytać.</numerusform>
            <numerusform>Pominięto %n zdjęć, których nie udało się odczytać.</numerusform>
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
Uruchom „valbum POLECENIE --help”, aby poznać argumenty i opcje polecenia.
Kod wyjścia: 0 gotowe, 1 błąd biblioteki kompresji, 2 nieczytelne lub uszkodzone
dane wejściowe, 3 obrazy pominięte z powodu limitu rozmiaru (lub nieczytelne
zdjęcia pominięte z --skip-unreadable), 4 plik wyjściowy istnieje (użyj --force),
5 nie można zapisać pliku wyjściowego, 64 błędny wiersz poleceń, 128 + N
zatrzymano sygnałem N (przebieg zostaje cofnięty).</translation>
    </message>
    <message>
        <source>no free name for the old version</source>
        <translation>brak wolnej nazwy dla starej wersji</translation>
    </message>
    <message>
        <source>%1; its old version is %2</source>
        <translation>%1; jego stara wersja to %2</translation>
    </message>
</context>
</TS>
