<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
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
    <message numerus="yes">
        <source>image(s) %1</source>
        <extracomment>%1 lists the images&apos; labels: &quot;007, 008, 009&quot;.</extracomment>
        <translation>
            <numerusform>image %1</numerusform>
            <numerusform>images %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 best fit, %2</source>
        <extracomment>&quot;12 best fit, 40,123/81,920 B&quot;: 12 images, their greys chosen by best fit.</extracomment>
        <translation>
            <numerusform>%1 best fit, %2</numerusform>
            <numerusform>%1 best fit, %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorMessages</name>
    <message numerus="yes">
        <source>The album is full: %n of %2 images did not fit into %3 bytes and were not saved, from image %4 on.</source>
        <extracomment>%n images of %2 left out, %3 the limit in bytes (&quot;81,920&quot;), %4 the first left out (&quot;012&quot;).</extracomment>
        <translation>
            <numerusform>The album is full: %n of %2 images did not fit into %3 bytes and were not saved, from image %4 on.</numerusform>
            <numerusform>The album is full: %n of %2 images did not fit into %3 bytes and were not saved, from image %4 on.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message numerus="yes">
        <source>%n pictures chosen</source>
        <translation>
            <numerusform>%n pictures chosen</numerusform>
            <numerusform>%n pictures chosen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SharedMessages</name>
    <message numerus="yes">
        <source>%n image(s) were read</source>
        <translation>
            <numerusform>%n image was read</numerusform>
            <numerusform>%n images were read</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Valbum</name>
    <message numerus="yes">
        <source>images recompressed</source>
        <translation>
            <numerusform>images recompressed</numerusform>
            <numerusform>images recompressed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n image(s) left out:</source>
        <extracomment>%1 is &quot;ALBUM is full (81920 bytes at most)&quot;; &quot;image(s)&quot; stays as it is in English.</extracomment>
        <translation>
            <numerusform>%1; %n image(s) left out:</numerusform>
            <numerusform>%1; %n image(s) left out:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pictures read</source>
        <translation>
            <numerusform>pictures read</numerusform>
            <numerusform>pictures read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pictures rendered</source>
        <translation>
            <numerusform>pictures rendered</numerusform>
            <numerusform>pictures rendered</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n picture(s) left out%2:</source>
        <extracomment>%1 is &quot;ALBUM is full (81920 bytes at most)&quot;, %2 &quot;, use --split to keep them&quot; or nothing; &quot;picture(s)&quot; stays as it is in English.</extracomment>
        <translation>
            <numerusform>%1; %n picture(s) left out%2:</numerusform>
            <numerusform>%1; %n picture(s) left out%2:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>images written</source>
        <translation>
            <numerusform>images written</numerusform>
            <numerusform>images written</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) could not be read and were left out.</source>
        <extracomment>&quot;picture(s)&quot; stays as it is in English.</extracomment>
        <translation>
            <numerusform>%n picture(s) could not be read and were left out.</numerusform>
            <numerusform>%n picture(s) could not be read and were left out.</numerusform>
        </translation>
    </message>
</context>
</TS>
