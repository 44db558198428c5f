<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CapacityLine</name>
    <message numerus="yes">
        <source>%1 image(s)</source>
        <extracomment>%1 is the count with its thousands separators.</extracomment>
        <translation>
            <numerusform>%1 imagen</numerusform>
            <numerusform>%1 imágenes</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>sin tramado</translation>
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
        <translation>ordenado</translation>
    </message>
    <message>
        <source>compact</source>
        <translation>compacto</translation>
    </message>
    <message>
        <source>compact-diffusion</source>
        <translation>difusión compacta</translation>
    </message>
    <message>
        <source>images %1 to %2</source>
        <translation>imágenes %1 a %2</translation>
    </message>
    <message numerus="yes">
        <source>image(s) %1</source>
        <extracomment>%1 lists the images&apos; labels: &quot;007, 008, 009&quot;.</extracomment>
        <translation>
            <numerusform>imagen %1</numerusform>
            <numerusform>imágenes %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Measuring how much of the album&apos;s %1 bytes the %2 take.</source>
        <extracomment>%2 is &quot;12 images&quot;.</extracomment>
        <translation>Midiendo el espacio de %2 en los %1 bytes del álbum.</translation>
    </message>
    <message>
        <source>Image %1 cannot be compressed: the album cannot be saved with it.</source>
        <translation>La imagen %1 no se puede comprimir: el álbum no se puede guardar con ella.</translation>
    </message>
    <message>
        <source>Saved now, the album takes %1 of its %2 bytes.</source>
        <translation>Si se guarda ahora, el álbum ocupará %1 de sus %2 bytes.</translation>
    </message>
    <message>
        <source> Only the first %1 of the %2 fit; saving leaves out the rest, from image %3 on: %4.</source>
        <extracomment>Follows the sentence before with a blank; %4 is &quot;image 012&quot; or &quot;images 012, 013&quot; or &quot;images 012 to 099&quot;.</extracomment>
        <translation> Solo caben las %1 primeras de las %2; al guardar se omiten las demás, a partir de la imagen %3: %4.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A count of pictures best fit renders one way: &quot;3 compact&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source> Best fit renders: %1.</source>
        <extracomment>Follows the sentences before with a blank; %1 is &quot;0 none, 1 compact, ...&quot;.</extracomment>
        <translation> Ajuste óptimo: %1.</translation>
    </message>
    <message>
        <source>%1, measuring...</source>
        <extracomment>%1 is &quot;12 images&quot;.</extracomment>
        <translation>%1, midiendo...</translation>
    </message>
    <message>
        <source>Cannot save image %1</source>
        <translation>Imagen %1 no guardable</translation>
    </message>
    <message>
        <source>%1 of %2 fit, %3 B</source>
        <extracomment>&quot;19 of 25 fit, 81,812 B&quot;: images that fit, of the album&apos;s, and the bytes they take.</extracomment>
        <translation>%1 de %2, %3 B</translation>
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
            <numerusform>%1 ajustada, %2</numerusform>
            <numerusform>%1 ajustadas, %2</numerusform>
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
        <translation>Uso: valbum-editor [OPCIONES] [ALBUM.valbum]

Abre el editor de álbumes de fotos; con ALBUM, abre ese álbum como lo hace
Abrir álbum.

Opciones:
  -h, --help  Mostrar esta ayuda.
  --version   Mostrar la versión del programa.
Las opciones propias de Qt (-style, -platform, ...) se pasan a Qt.
</translation>
    </message>
    <message>
        <source>option %1 needs a value.</source>
        <translation>la opción %1 necesita un valor.</translation>
    </message>
    <message>
        <source>unknown option %1.</source>
        <translation>opción desconocida %1.</translation>
    </message>
    <message>
        <source>only one album can be opened at a time.</source>
        <translation>solo se puede abrir un álbum a la vez.</translation>
    </message>
</context>
<context>
    <name>EditorMessages</name>
    <message>
        <source>Cannot save file &quot;%1&quot;. %2</source>
        <translation>No se puede guardar el archivo «%1». %2</translation>
    </message>
    <message numerus="yes">
        <source>The album is full: %n of %2 images did not fit into %3 bytes and were not saved, from image %4 on.</source>
        <extracomment>%n images of %2 left out, %3 the limit in bytes (&quot;81,920&quot;), %4 the first left out (&quot;012&quot;).</extracomment>
        <translation>
            <numerusform>El álbum está lleno: %n imagen de %2 no cabía en %3 bytes y no se ha guardado (la imagen %4).</numerusform>
            <numerusform>El álbum está lleno: %n imágenes de %2 no cabían en %3 bytes y no se han guardado, a partir de la imagen %4.</numerusform>
        </translation>
    </message>
    <message>
        <source>The album &quot;%1&quot; is %2. Saving writes only the images shown.</source>
        <extracomment>%2 is &quot;damaged: 3 images were read, and the rest of the file could not be read (...)&quot;.</extracomment>
        <translation>El álbum «%1» está %2. Al guardar solo se escriben las imágenes mostradas.</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor</source>
        <extracomment>The message boxes&apos; caption. The device&apos;s name stays as it is.</extracomment>
        <translation>Editor de Vemo ZidarUzura</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura</source>
        <extracomment>The caption of the box that says a file is not an album: the device&apos;s name, as it is.</extracomment>
        <translation>Vemo ZidarUzura</translation>
    </message>
    <message>
        <source>Discard unsaved information?</source>
        <translation>¿Descartar los cambios sin guardar?</translation>
    </message>
    <message>
        <source>Cannot import picture &quot;%1&quot;. %2</source>
        <translation>No se puede importar la foto «%1». %2</translation>
    </message>
    <message>
        <source>Vemo Albums</source>
        <extracomment>The album files&apos; filter in the file dialogs; the pattern follows it.</extracomment>
        <translation>Álbumes Vemo</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Can not init LZO library</source>
        <translation>No se puede iniciar la biblioteca LZO</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Image %1</source>
        <translation>Imagen %1</translation>
    </message>
    <message>
        <source>will not be saved: the album is full</source>
        <extracomment>Follows &quot;Image 007&quot; in the image&apos;s tooltip.</extracomment>
        <translation>no se guardará: el álbum está lleno</translation>
    </message>
    <message>
        <source>will not be saved: it cannot be compressed</source>
        <translation>no se guardará: no se puede comprimir</translation>
    </message>
    <message>
        <source>best fit shows it as %1</source>
        <extracomment>Follows &quot;Image 007&quot; in the image&apos;s tooltip; %1 is a choice of the picture dialog&apos;s Greys.</extracomment>
        <translation>se muestra como «%1» con el ajuste óptimo</translation>
    </message>
    <message>
        <source>Image %1 %2.</source>
        <translation>La imagen %1 %2.</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor* - </source>
        <extracomment>The window&apos;s caption before the album&apos;s file name. The device&apos;s name stays as it is.</extracomment>
        <translation>Editor de Vemo ZidarUzura* - </translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor - </source>
        <translation>Editor de Vemo ZidarUzura - </translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor</source>
        <extracomment>The window&apos;s caption before anything is shown. The device&apos;s name stays as it is.</extracomment>
        <translation>Editor de Vemo ZidarUzura</translation>
    </message>
    <message>
        <source>Album images</source>
        <translation>Imágenes del álbum</translation>
    </message>
    <message>
        <source>Load Album...</source>
        <translation>Abrir álbum...</translation>
    </message>
    <message>
        <source>Save Album</source>
        <translation>Guardar álbum</translation>
    </message>
    <message>
        <source>Save Album As...</source>
        <translation>Guardar álbum como...</translation>
    </message>
    <message>
        <source>Add Image...</source>
        <translation>Añadir imagen...</translation>
    </message>
    <message>
        <source>Insert Image...</source>
        <translation>Insertar imagen...</translation>
    </message>
    <message>
        <source>Append Album...</source>
        <translation>Añadir álbum...</translation>
    </message>
    <message>
        <source>Delete Image</source>
        <translation>Eliminar imagen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Album password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>ver. 1.00</source>
        <translation>versión 1.00</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Image %1 moved to position %2 of %3.</source>
        <translation>Imagen %1 movida a la posición %2 de %3.</translation>
    </message>
    <message>
        <source>Fill a Vemo ZidarUzura album with your pictures, in the browser.</source>
        <translation>Llene un álbum Vemo ZidarUzura con sus fotos, en el navegador.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Álbum</translation>
    </message>
    <message>
        <source>Album commands</source>
        <translation>Órdenes del álbum</translation>
    </message>
    <message>
        <source>Drop albums or pictures anywhere on the page, or paste pictures. In the list, Alt+Up and Alt+Down move the chosen image.</source>
        <translation>Suelte álbumes o fotos en cualquier parte de la página, o pegue fotos. En la lista, Alt+Arriba y Alt+Abajo mueven la imagen elegida.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Choose pictures...</source>
        <translation>Elegir fotos...</translation>
    </message>
    <message>
        <source>Pictures chosen</source>
        <translation>Fotos elegidas</translation>
    </message>
    <message>
        <source>The picture, with the square that is kept</source>
        <translation>La foto, con el cuadrado que se conserva</translation>
    </message>
    <message>
        <source>Smaller square</source>
        <translation>Cuadrado más pequeño</translation>
    </message>
    <message>
        <source>Larger square</source>
        <translation>Cuadrado más grande</translation>
    </message>
    <message>
        <source>What the device will show</source>
        <translation>Lo que mostrará el dispositivo</translation>
    </message>
    <message>
        <source>Gravity:</source>
        <translation>Anclaje:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licencias</translation>
    </message>
    <message>
        <source>center</source>
        <translation>centro</translation>
    </message>
    <message>
        <source>north</source>
        <translation>arriba</translation>
    </message>
    <message>
        <source>south</source>
        <translation>abajo</translation>
    </message>
    <message>
        <source>east</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>west</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>arriba derecha</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>arriba izquierda</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>abajo derecha</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>abajo izquierda</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura album</source>
        <translation>Álbum Vemo ZidarUzura</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>None</source>
        <comment>greys</comment>
        <translation>Sin tramado</translation>
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
        <translation>Ordenado</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Compacto</translation>
    </message>
    <message>
        <source>Compact diffusion</source>
        <translation>Difusión compacta</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Estirar</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Encajar</translation>
    </message>
    <message>
        <source>The whole picture over the whole square; the aspect ratio is not kept.</source>
        <translation>Toda la foto sobre todo el cuadrado; no se conservan las proporciones.</translation>
    </message>
    <message>
        <source>Keep the aspect ratio and fill the square; the overflow is cut off.</source>
        <translation>Conservar las proporciones y llenar el cuadrado; lo que sobra se recorta.</translation>
    </message>
    <message>
        <source>Keep the aspect ratio and show all of it, centred on white.</source>
        <translation>Conservar las proporciones y mostrarla entera, centrada sobre fondo blanco.</translation>
    </message>
    <message>
        <source>Best fit</source>
        <translation>Ajuste óptimo</translation>
    </message>
    <message>
        <source>Plain thresholds: flat areas and drawings stay clean; gradients become bands.</source>
        <translation>Umbrales simples: las zonas lisas y los dibujos quedan limpios; los degradados se convierten en bandas.</translation>
    </message>
    <message>
        <source>Error diffusion: the finest shading for photos, but large records.</source>
        <translation>Difusión de errores: el sombreado más fino para fotos, pero registros grandes.</translation>
    </message>
    <message>
        <source>Error diffusion with more contrast: crisp photos and line art.</source>
        <translation>Difusión de errores con más contraste: fotos nítidas y dibujos de líneas.</translation>
    </message>
    <message>
        <source>A regular pattern: smooth shading that compresses far better than diffusion.</source>
        <translation>Un patrón regular: sombreado suave que se comprime mucho mejor que la difusión.</translation>
    </message>
    <message>
        <source>A fine pattern on a light blur: shading for photos in records as small as no dither.</source>
        <translation>Un patrón fino sobre un ligero desenfoque: sombreado para fotos en registros tan pequeños como sin tramado.</translation>
    </message>
    <message>
        <source>A finer pattern that hands on part of its error: nearer to diffusion, in records about as small.</source>
        <translation>Un patrón más fino que transmite parte de su error: más cercano a la difusión, en registros casi igual de pequeños.</translation>
    </message>
    <message>
        <source>Colours kept; on saving, each picture gets the rendering that lets the whole album fit with the best look.</source>
        <translation>Colores conservados; al guardar, cada foto recibe el renderizado que permite que todo el álbum quepa con el mejor aspecto.</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Suavizado</translation>
    </message>
    <message>
        <source>Average the pixels when shrinking, so thin lines and small text survive.</source>
        <translation>Promediar los píxeles al reducir, para que se conserven las líneas finas y el texto pequeño.</translation>
    </message>
    <message>
        <source>Fit:</source>
        <translation>Encuadre:</translation>
    </message>
    <message>
        <source>Greys:</source>
        <translation>Niveles de gris:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brillo:</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>Contraste:</translation>
    </message>
    <message>
        <source>All</source>
        <comment>picture files of every kind</comment>
        <translation>Todas las fotos</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Mapas de bits</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Iconos</translation>
    </message>
    <message>
        <source>Preview</source>
        <comment>the button that shows the picture larger</comment>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Show the picture larger</source>
        <translation>Mostrar la foto más grande</translation>
    </message>
    <message>
        <source>Turn the picture left</source>
        <translation>Girar la foto a la izquierda</translation>
    </message>
    <message>
        <source>Turn the picture right</source>
        <translation>Girar la foto a la derecha</translation>
    </message>
    <message>
        <source>The size of the square kept</source>
        <translation>El tamaño del cuadrado que se conserva</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Foto:</translation>
    </message>
    <message>
        <source>(None)</source>
        <extracomment>The preview when no picture is chosen.</extracomment>
        <translation>(Ninguna)</translation>
    </message>
    <message>
        <source>Preview</source>
        <comment>the larger preview&apos;s caption</comment>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>On the device:</source>
        <translation>En el dispositivo:</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures chosen</source>
        <translation>
            <numerusform>%n foto seleccionada</numerusform>
            <numerusform>%n fotos seleccionadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Size:</source>
        <extracomment>The size of the crop square.</extracomment>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Drag or use the arrow keys to choose the square; the wheel, + and - change its size.</source>
        <translation>Arrastre o use las teclas de flecha para elegir el cuadrado; la rueda, + y - cambian su tamaño.</translation>
    </message>
</context>
<context>
    <name>SharedMessages</name>
    <message>
        <source>This file is not a Vemo ZidarUzura</source>
        <extracomment>The device&apos;s name stays as it is.</extracomment>
        <translation>Este archivo no tiene el formato de Vemo ZidarUzura</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) were read</source>
        <translation>
            <numerusform>se leyó %n imagen</numerusform>
            <numerusform>se leyeron %n imágenes</numerusform>
        </translation>
    </message>
    <message>
        <source>a record runs past the end of the file</source>
        <translation>un registro sobrepasa el final del archivo</translation>
    </message>
    <message>
        <source>a record is too short to hold an image</source>
        <translation>un registro es demasiado corto para contener una imagen</translation>
    </message>
    <message>
        <source>a record is larger than %1 bytes</source>
        <translation>un registro ocupa más de %1 bytes</translation>
    </message>
    <message>
        <source>a record does not decompress</source>
        <translation>un registro no se puede descomprimir</translation>
    </message>
    <message>
        <source>bytes are left over after the last image</source>
        <translation>sobran bytes después de la última imagen</translation>
    </message>
    <message>
        <source>no more than %1 images are read from one file</source>
        <translation>no se leen más de %1 imágenes de un archivo</translation>
    </message>
    <message>
        <source>Image %1 is not 92 x 92 pixels</source>
        <translation>La imagen %1 no mide 92 x 92 píxeles</translation>
    </message>
    <message>
        <source>Image %1 cannot be compressed</source>
        <translation>La imagen %1 no se puede comprimir</translation>
    </message>
    <message>
        <source>.</source>
        <extracomment>The full stop a message box&apos;s sentence ends with.</extracomment>
        <translation>.</translation>
    </message>
    <message>
        <source>, at offset %1</source>
        <extracomment>Follows the reason a damaged album stops, inside its brackets.</extracomment>
        <translation>, en la posición %1</translation>
    </message>
    <message>
        <source>damaged: %1, and the rest of the file could not be read (%2%3)</source>
        <extracomment>%1 is &quot;3 images were read&quot;, %2 the reason, %3 &quot;, at offset N&quot; or nothing.</extracomment>
        <translation>dañado: %1, y el resto del archivo no se pudo leer (%2%3)</translation>
    </message>
    <message>
        <source>%1 is full (%2 bytes at most)</source>
        <translation>%1 está lleno (%2 bytes como máximo)</translation>
    </message>
    <message>
        <source>The picture&apos;s header holds a value outside its range.</source>
        <translation>La cabecera de la foto contiene un valor fuera de rango.</translation>
    </message>
    <message>
        <source>The picture&apos;s width or height is zero, out of range or too large for the file.</source>
        <translation>El ancho o el alto de la foto es cero, está fuera de rango o es demasiado grande para el archivo.</translation>
    </message>
    <message>
        <source>The picture has a number of bits a pixel that its format does not define.</source>
        <translation>La foto tiene un número de bits por píxel que su formato no define.</translation>
    </message>
    <message>
        <source>The picture&apos;s colour table is longer than its depth allows, or cut short.</source>
        <translation>La tabla de colores de la foto es más larga de lo que permite su profundidad, o está truncada.</translation>
    </message>
    <message>
        <source>The bitmap&apos;s colour masks are missing.</source>
        <translation>Faltan las máscaras de color del mapa de bits.</translation>
    </message>
    <message>
        <source>The bitmap is compressed in a way that is not read at its number of bits a pixel.</source>
        <translation>El mapa de bits está comprimido de una forma que no se lee con su número de bits por píxel.</translation>
    </message>
    <message>
        <source>The picture&apos;s pixels are said to start outside the file.</source>
        <translation>Según la foto, sus píxeles empiezan fuera del archivo.</translation>
    </message>
    <message>
        <source>The icon file&apos;s directory holds no picture, or its entry lies outside the file.</source>
        <translation>El directorio del archivo de iconos no contiene ninguna foto, o su entrada está fuera del archivo.</translation>
    </message>
    <message>
        <source>Lossless JPEG is not supported.</source>
        <translation>No se admite JPEG sin pérdida.</translation>
    </message>
    <message>
        <source>Hierarchical JPEG is not supported.</source>
        <translation>No se admite JPEG jerárquico.</translation>
    </message>
    <message>
        <source>Arithmetic-coded JPEG is not supported.</source>
        <translation>No se admite JPEG con codificación aritmética.</translation>
    </message>
    <message>
        <source>12-bit JPEG is not supported.</source>
        <translation>No se admite JPEG de 12 bits.</translation>
    </message>
    <message>
        <source>JPEG with fractional colour sampling is not supported.</source>
        <translation>No se admite JPEG con muestreo de color fraccionario.</translation>
    </message>
    <message>
        <source>This kind of JPEG is not supported.</source>
        <translation>No se admite este tipo de JPEG.</translation>
    </message>
    <message>
        <source>Unsupported image format. Pictures are read from %1 files.</source>
        <extracomment>%1 lists the formats: &quot;BMP, PNG, JPEG, ...&quot;.</extracomment>
        <translation>Formato de archivo no admitido. Las fotos se leen de archivos %1.</translation>
    </message>
    <message>
        <source>Unsupported image format: this is %1. Pictures are read from %2 files.</source>
        <extracomment>%1 names what the file is, in English (&quot;a PDF document&quot;); %2 lists the formats.</extracomment>
        <translation>Formato de archivo no admitido (%1). Las fotos se leen de archivos %2.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>El archivo está dañado o incompleto.</translation>
    </message>
    <message>
        <source>The file is too large: more than %1 MB, more than a picture of %2 megapixels needs.</source>
        <translation>El archivo es demasiado grande: más de %1 MB, más de lo que necesita una foto de %2 megapíxeles.</translation>
    </message>
    <message>
        <source>The picture is too large: %1 x %2 pixels, more than %3 megapixels</source>
        <translation>La foto es demasiado grande: %1 x %2 píxeles, más de %3 megapíxeles</translation>
    </message>
    <message>
        <source>The bitmap&apos;s header is cut short</source>
        <translation>La cabecera del mapa de bits está truncada</translation>
    </message>
    <message>
        <source>%1 is not supported.</source>
        <extracomment>%1 names a kind of picture, in English (&quot;Animated AVIF&quot;).</extracomment>
        <translation>No se admite: %1.</translation>
    </message>
</context>
<context>
    <name>Valbum</name>
    <message>
        <source>%1 is not an album.</source>
        <translation>%1 no es un álbum.</translation>
    </message>
    <message>
        <source>%1: the album is %2.</source>
        <extracomment>%2 is &quot;damaged: 3 images were read, and the rest of the file could not be read (...)&quot;.</extracomment>
        <translation>%1: el álbum está %2.</translation>
    </message>
    <message>
        <source>image %1 does not fit in an album of its own</source>
        <translation>la imagen %1 no cabe ni sola en un álbum</translation>
    </message>
    <message>
        <source>album %1: %2</source>
        <translation>álbum %1: %2</translation>
    </message>
    <message>
        <source>Adds the images of the source albums, in order, after the target&apos;s own and
saves the target in place, keeping its password; a failed save leaves it as it
was. Images past the %1-byte limit are left out and named (exit status 3).
If any album cannot be read whole, nothing is written (exit status 2).</source>
        <translation>Añade las imágenes de los álbumes de origen, en orden, tras las del destino y
guarda el destino en su sitio, conservando su contraseña; si el guardado falla,
queda como estaba. Las imágenes que superen el límite de %1 bytes se omiten y
se nombran (estado de salida 3). Si algún álbum no se puede leer entero, no se
escribe nada (estado de salida 2).</translation>
    </message>
    <message>
        <source>nothing was written.</source>
        <translation>no se ha escrito nada.</translation>
    </message>
    <message numerus="yes">
        <source>images recompressed</source>
        <translation>
            <numerusform>imagen recomprimida</numerusform>
            <numerusform>imágenes recomprimidas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its own images no longer fit in %2 bytes; nothing was written.</source>
        <translation>%1: sus propias imágenes ya no caben en %2 bytes; no se ha escrito nada.</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n image(s) left out:</source>
        <extracomment>%1 is &quot;ALBUM is full (81920 bytes at most)&quot;; &quot;image(s)&quot; stays as it is in English.</extracomment>
        <translation>
            <numerusform>%1; %n imagen omitida:</numerusform>
            <numerusform>%1; %n imágenes omitidas:</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1 %2</source>
        <translation>omitida: %1 %2</translation>
    </message>
    <message numerus="yes">
        <source>pictures read</source>
        <translation>
            <numerusform>foto leída</numerusform>
            <numerusform>fotos leídas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pictures rendered</source>
        <translation>
            <numerusform>foto renderizada</numerusform>
            <numerusform>fotos renderizadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ayuda.</translation>
    </message>
    <message>
        <source>Usage: valbum %1 [OPTIONS] %2

%3

Options:
</source>
        <extracomment>%1 is the command, %2 its arguments (&quot;OUT.valbum PICTURE...&quot;), %3 what it does.</extracomment>
        <translation>Uso: valbum %1 [OPCIONES] %2

%3

Opciones:
</translation>
    </message>
    <message>
        <source>Try &quot;valbum %1 --help&quot;.</source>
        <translation>Pruebe «valbum %1 --help».</translation>
    </message>
    <message>
        <source>wrong number of arguments; usage: valbum %1 [OPTIONS] %2</source>
        <translation>número de argumentos incorrecto; uso: valbum %1 [OPCIONES] %2</translation>
    </message>
    <message>
        <source>Make an album from pictures</source>
        <translation>Crear un álbum a partir de fotos</translation>
    </message>
    <message>
        <source>Show an album&apos;s password, records and free room</source>
        <translation>Mostrar la contraseña, los registros y el espacio libre de un álbum</translation>
    </message>
    <message>
        <source>Write an album&apos;s images as PNG or BMP files</source>
        <translation>Escribir las imágenes de un álbum como archivos PNG o BMP</translation>
    </message>
    <message>
        <source>Add the images of other albums to the end of an album</source>
        <translation>Añadir las imágenes de otros álbumes al final de un álbum</translation>
    </message>
    <message>
        <source>Write pictures as the device will show them, as PNG files</source>
        <translation>Escribir las fotos tal como las mostrará el dispositivo, como archivos PNG</translation>
    </message>
    <message>
        <source>Usage: valbum COMMAND [OPTIONS] ARGUMENTS...

Makes, lists and takes apart photo albums (*.valbum) for the grey-level
device: 92 x 92 images in seven greys, at most %1 bytes an album.

Commands:
</source>
        <extracomment>The command&apos;s and the options&apos; names stay as they are.</extracomment>
        <translation>Uso: valbum COMANDO [OPCIONES] ARGUMENTOS...

Crea, lista y desmonta álbumes de fotos (*.valbum) para el dispositivo de
niveles de gris: imágenes de 92 x 92 en siete grises, como máximo %1 bytes por
álbum.

Comandos:
</translation>
    </message>
    <message>
        <source>no command given.</source>
        <translation>no se indicó ningún comando.</translation>
    </message>
    <message>
        <source>Try &quot;valbum --help&quot;.</source>
        <translation>Pruebe «valbum --help».</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;. Try &quot;valbum --help&quot;.</source>
        <translation>comando desconocido «%1». Pruebe «valbum --help».</translation>
    </message>
    <message>
        <source>Password of up to eight decimal digits (default: none).</source>
        <translation>Contraseña de hasta ocho dígitos decimales (predeterminado: ninguna).</translation>
    </message>
    <message>
        <source>Write OUT-1.valbum, OUT-2.valbum, ... so that no picture is left out.</source>
        <translation>Escribir OUT-1.valbum, OUT-2.valbum, ... para que no se omita ninguna foto.</translation>
    </message>
    <message>
        <source>Replace albums that exist.</source>
        <translation>Reemplazar los álbumes existentes.</translation>
    </message>
    <message>
        <source>Choose each picture&apos;s greys so that all fit in one album looking their best; with --split, each album takes as many pictures as fit with their smallest renderings, then chooses so. Not with --dither.</source>
        <translation>Elegir los grises de cada foto para que todas quepan en un solo álbum con el mejor aspecto; con --split, cada álbum toma tantas fotos como quepan con sus renderizados más pequeños y luego elige igual. Incompatible con --dither.</translation>
    </message>
    <message>
        <source>Makes an album of the pictures (BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF or
AVIF) in the order given, each brought in as the editor&apos;s Add does (by default
stretched over 92 x 92), and prints one line per picture with its place in the
album. Pictures past the %1-byte limit are left out and named (exit status 3)
unless --split is given. If a picture cannot be read, nothing is written (exit
status 2), unless --skip-unreadable is given: then it is named and left out, and
the rest are written (exit status 3).</source>
        <translation>Crea un álbum con las fotos (BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF o
AVIF) en el orden dado, cada una importada como lo hace «Añadir imagen» en el
editor (por defecto estirada a 92 x 92), e imprime una línea por foto con su
posición en el álbum. Las fotos que superen el límite de %1 bytes se omiten y
se nombran (estado de salida 3), salvo con --split. Si una foto no se puede
leer, no se escribe nada (estado de salida 2), salvo con --skip-unreadable:
entonces se nombra y se omite, y se escriben las demás (estado de salida 3).</translation>
    </message>
    <message>
        <source>, use --split to keep them</source>
        <extracomment>Follows &quot;N picture(s) left out&quot;.</extracomment>
        <translation>, use --split para no omitir ninguna</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n picture(s) left out%2:</source>
        <extracomment>%1 is &quot;ALBUM is full (81920 bytes at most)&quot;, %2 &quot;, use --split to keep them&quot; or nothing; &quot;picture(s)&quot; stays as it is in English.</extracomment>
        <translation>
            <numerusform>%1; %n foto omitida%2:</numerusform>
            <numerusform>%1; %n fotos omitidas%2:</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>omitida: %1</translation>
    </message>
    <message>
        <source>note: %1 is from an earlier run, not part of this set.</source>
        <translation>nota: %1 es de una ejecución anterior y no forma parte de esta serie.</translation>
    </message>
    <message>
        <source>the password must be up to eight decimal digits, not &quot;%1&quot;.</source>
        <translation>la contraseña debe tener hasta ocho dígitos decimales, no «%1».</translation>
    </message>
    <message>
        <source>--best-fit chooses the greys: it does not take --dither.</source>
        <translation>--best-fit elige los grises: no admite --dither.</translation>
    </message>
    <message>
        <source>png or bmp (default png).</source>
        <translation>png o bmp (predeterminado png).</translation>
    </message>
    <message>
        <source>Replace picture files that exist.</source>
        <translation>Reemplazar los archivos existentes.</translation>
    </message>
    <message>
        <source>Writes each image of the album as OUTDIR/NNN.png (or .bmp), 92 x 92 in the album&apos;s
greys, numbered as the editor labels them: 000, 001, ... OUTDIR is created when
missing. A damaged album gives the images before the damage, which is then
reported (exit status 2).</source>
        <translation>Escribe cada imagen del álbum como OUTDIR/NNN.png (o .bmp), de 92 x 92 en los
grises del álbum, numeradas como las etiqueta el editor: 000, 001, ... OUTDIR
se crea si no existe. Un álbum dañado da las imágenes anteriores al daño, que
después se notifica (estado de salida 2).</translation>
    </message>
    <message>
        <source>the format must be png or bmp, not &quot;%1&quot;.</source>
        <translation>el formato debe ser png o bmp, no «%1».</translation>
    </message>
    <message numerus="yes">
        <source>images written</source>
        <translation>
            <numerusform>imagen escrita</numerusform>
            <numerusform>imágenes escritas</numerusform>
        </translation>
    </message>
    <message>
        <source>stretch (default): the whole picture over the square; crop: aspect kept, the overflow cut off; pad: aspect kept, white around it.</source>
        <translation>stretch (predeterminado): toda la foto sobre el cuadrado; crop: proporciones conservadas, lo que sobra se recorta; pad: proporciones conservadas, blanco alrededor.</translation>
    </message>
    <message>
        <source>Average pixels when shrinking, so thin lines and small text survive (default: keep the nearest pixel).</source>
        <translation>Promediar los píxeles al reducir, para que se conserven las líneas finas y el texto pequeño (predeterminado: tomar el píxel más cercano).</translation>
    </message>
    <message>
        <source>none (default): plain thresholds; floyd-steinberg, atkinson: finest shading, large records; ordered: even pattern; compact: shading for photos in records as small as none&apos;s; compact-diffusion: finer shading for photos in records about as small.</source>
        <translation>none (predeterminado): umbrales simples; floyd-steinberg, atkinson: el sombreado más fino, registros grandes; ordered: patrón regular; compact: sombreado para fotos en registros tan pequeños como con none; compact-diffusion: sombreado más fino para fotos en registros casi igual de pequeños.</translation>
    </message>
    <message>
        <source>-100 to 100 (default 0): added to each pixel&apos;s grey; lifts a dark photo.</source>
        <translation>-100 a 100 (predeterminado 0): se suma al gris de cada píxel; aclara una foto oscura.</translation>
    </message>
    <message>
        <source>-100 to 100 (default 0): spreads the greys apart (more) or together (less).</source>
        <translation>-100 a 100 (predeterminado 0): separa los grises (más) o los junta (menos).</translation>
    </message>
    <message>
        <source>With crop, which part is kept; with pad, where the picture goes: center (default), north, south, east, west, northeast, northwest, southeast or southwest.</source>
        <translation>Con crop, qué parte se conserva; con pad, dónde va la foto: center (predeterminado), north, south, east, west, northeast, northwest, southeast o southwest.</translation>
    </message>
    <message>
        <source>90, 180 or 270: turn the picture clockwise, after its orientation tag.</source>
        <translation>90, 180 o 270: girar la foto en sentido horario, después de su etiqueta de orientación.</translation>
    </message>
    <message>
        <source>Pictures brought in at once (default: one per processor); 1 for one at a time. The output is the same.</source>
        <translation>Fotos importadas a la vez (predeterminado: una por procesador); 1 para una cada vez. El resultado es el mismo.</translation>
    </message>
    <message>
        <source>Also show what the picture libraries warn of, as &quot;valbum: PICTURE: warning: ...&quot;.</source>
        <translation>Mostrar también los avisos de las bibliotecas de lectura de fotos, como «valbum: PICTURE: warning: ...».</translation>
    </message>
    <message>
        <source>--%1 takes %2, not &quot;%3&quot;.</source>
        <extracomment>&quot;--fit takes stretch|crop|pad, not &quot;x&quot;.&quot;</extracomment>
        <translation>--%1 admite %2, no «%3».</translation>
    </message>
    <message>
        <source>a whole number from -100 to 100</source>
        <translation>un número entero de -100 a 100</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1</source>
        <translation>un número entero de 1 a %1</translation>
    </message>
    <message>
        <source>Print one JSON object instead of text.</source>
        <translation>Imprimir un objeto JSON en lugar de texto.</translation>
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
        <translation>Muestra la contraseña del álbum (o «none»), su número de imágenes, la posición y
el tamaño comprimido de cada registro, y los bytes libres bajo el límite de %1
bytes. Un álbum dañado se lista hasta el daño, que después se notifica (estado
de salida 2).
Claves JSON: password (vacía si no hay), images, records ([{offset, size}]),
bytes_free, y solo para un álbum dañado, damage ({offset, kind, message}): offset
es el primer byte no leído, message la línea impresa en la salida de error
estándar, y kind uno de
  %2,
  %3.
Un archivo que no se puede abrir o que no es un álbum da solo error ({kind,
message}): kind es cannot_open o not_an_album, message la línea impresa en la
salida de error estándar.</translation>
    </message>
    <message>
        <source>Can not init LZO library</source>
        <translation>No se puede iniciar la biblioteca LZO</translation>
    </message>
    <message>
        <source>%1 exists; use --force to replace it.</source>
        <translation>%1 ya existe; use --force para reemplazarlo.</translation>
    </message>
    <message>
        <source>it exists and is not a directory</source>
        <translation>existe y no es un directorio</translation>
    </message>
    <message>
        <source>the directory cannot be created: %1</source>
        <translation>no se puede crear el directorio: %1</translation>
    </message>
    <message>
        <source>no free temporary name</source>
        <translation>no hay ningún nombre temporal libre</translation>
    </message>
    <message>
        <source>Replace preview files that exist.</source>
        <translation>Reemplazar los archivos de vista previa existentes.</translation>
    </message>
    <message>
        <source>Writes each picture as the device will show it, brought in as create brings it in
with the same options and reduced to the seven greys, as OUTDIR/&lt;name&gt;.png
(photo.jpg gives photo.png); the album holds exactly these pixels.
OUTDIR is created when missing. If a picture cannot be read, nothing is written
(exit status 2), unless --skip-unreadable is given: then it is named and left out,
and the rest are written (exit status 3).</source>
        <translation>Escribe cada foto tal como la mostrará el dispositivo, importada como la importa
create con las mismas opciones y reducida a los siete grises, como
OUTDIR/&lt;nombre&gt;.png (photo.jpg da photo.png); el álbum contiene exactamente
estos píxeles. OUTDIR se crea si no existe. Si una foto no se puede leer, no se
escribe nada (estado de salida 2), salvo con --skip-unreadable: entonces se
nombra y se omite, y se escriben las demás (estado de salida 3).</translation>
    </message>
    <message>
        <source>%1 and %2 would both be written as %3.</source>
        <translation>%1 y %2 se escribirían ambos como %3.</translation>
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
        <translation>No mostrar la línea de progreso (solo se muestra en un terminal).</translation>
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
        <translation>, quedan %1</translation>
    </message>
    <message>
        <source>Leave out the pictures that cannot be read, naming each, and write the rest (exit status 3).</source>
        <translation>Omitir las fotos que no se puedan leer, nombrando cada una, y escribir las demás (estado de salida 3).</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) could not be read and were left out.</source>
        <extracomment>&quot;picture(s)&quot; stays as it is in English.</extracomment>
        <translation>
            <numerusform>%n foto no se pudo leer y se ha omitido.</numerusform>
            <numerusform>%n fotos no se pudieron leer y se han omitido.</numerusform>
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
Ejecute «valbum COMANDO --help» para ver los argumentos y opciones de un comando.
Estado de salida: 0 hecho, 1 falló la biblioteca de compresión, 2 entrada
ilegible o dañada, 3 imágenes omitidas por el límite de tamaño (o fotos
ilegibles omitidas con --skip-unreadable), 4 la salida ya existe (use --force),
5 no se pudo escribir la salida, 64 línea de comandos incorrecta, 128 + N
detenido por la señal N (la ejecución se deshace).</translation>
    </message>
    <message>
        <source>no free name for the old version</source>
        <translation>no hay un nombre libre para la versión anterior</translation>
    </message>
    <message>
        <source>%1; its old version is %2</source>
        <translation>%1; su versión anterior es %2</translation>
    </message>
</context>
</TS>
