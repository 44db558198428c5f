<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CapacityLine</name>
    <message numerus="yes">
        <source>%1 image(s)</source>
        <extracomment>%1 is the count with its thousands separators.</extracomment>
        <translation>
            <numerusform>画像%1枚</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
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
        <translation>組織的ディザ</translation>
    </message>
    <message>
        <source>compact</source>
        <translation>コンパクト</translation>
    </message>
    <message>
        <source>compact-diffusion</source>
        <translation>コンパクト拡散</translation>
    </message>
    <message>
        <source>images %1 to %2</source>
        <translation>画像%1～%2</translation>
    </message>
    <message numerus="yes">
        <source>image(s) %1</source>
        <extracomment>%1 lists the images&apos; labels: &quot;007, 008, 009&quot;.</extracomment>
        <translation>
            <numerusform>画像%1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Measuring how much of the album&apos;s %1 bytes the %2 take.</source>
        <extracomment>%2 is &quot;12 images&quot;.</extracomment>
        <translation>アルバムの%1バイトのうち%2が占める量を計測しています。</translation>
    </message>
    <message>
        <source>Image %1 cannot be compressed: the album cannot be saved with it.</source>
        <translation>画像%1は圧縮できません。この画像があるとアルバムを保存できません。</translation>
    </message>
    <message>
        <source>Saved now, the album takes %1 of its %2 bytes.</source>
        <translation>今保存すると、アルバムは%2バイトのうち%1バイトを使います。</translation>
    </message>
    <message>
        <source> Only the first %1 of the %2 fit; saving leaves out the rest, from image %3 on: %4.</source>
        <extracomment>Follows the sentence before with a blank; %4 is &quot;image 012&quot; or &quot;images 012, 013&quot; or &quot;images 012 to 099&quot;.</extracomment>
        <translation> %2枚のうち収まるのは最初の%1枚だけです。保存すると画像%3以降は省かれます：%4。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A count of pictures best fit renders one way: &quot;3 compact&quot;.</extracomment>
        <translation>%2%1枚</translation>
    </message>
    <message>
        <source> Best fit renders: %1.</source>
        <extracomment>Follows the sentences before with a blank; %1 is &quot;0 none, 1 compact, ...&quot;.</extracomment>
        <translation> 最適化の内訳：%1。</translation>
    </message>
    <message>
        <source>%1, measuring...</source>
        <extracomment>%1 is &quot;12 images&quot;.</extracomment>
        <translation>%1、計測中...</translation>
    </message>
    <message>
        <source>Cannot save image %1</source>
        <translation>画像%1を保存できません</translation>
    </message>
    <message>
        <source>%1 of %2 fit, %3 B</source>
        <extracomment>&quot;19 of 25 fit, 81,812 B&quot;: images that fit, of the album&apos;s, and the bytes they take.</extracomment>
        <translation>収容%1/%2、%3 B</translation>
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
            <numerusform>最適化%1枚 %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>&quot;12 images, 40,123/81,920 B&quot;.</extracomment>
        <translation>%1、%2</translation>
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
        <translation>使い方: valbum-editor [オプション] [ALBUM.valbum]

写真アルバムエディターを開きます。ALBUMを指定すると、「アルバムを開く」と同じようにそのアルバムを開きます。

オプション:
  -h, --help  このヘルプを表示します。
  --version   プログラムのバージョンを表示します。
Qt独自のオプション（-style、-platformなど）はQtに渡されます。
</translation>
    </message>
    <message>
        <source>option %1 needs a value.</source>
        <translation>オプション%1には値が必要です。</translation>
    </message>
    <message>
        <source>unknown option %1.</source>
        <translation>%1は不明なオプションです。</translation>
    </message>
    <message>
        <source>only one album can be opened at a time.</source>
        <translation>一度に開けるアルバムは1つだけです。</translation>
    </message>
</context>
<context>
    <name>EditorMessages</name>
    <message>
        <source>Cannot save file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を保存できません。%2</translation>
    </message>
    <message numerus="yes">
        <source>The album is full: %n of %2 images did not fit into %3 bytes and were not saved, from image %4 on.</source>
        <extracomment>%n images of %2 left out, %3 the limit in bytes (&quot;81,920&quot;), %4 the first left out (&quot;012&quot;).</extracomment>
        <translation>
            <numerusform>アルバムがいっぱいです。画像%2枚のうち%n枚（画像%4以降）が%3バイトに収まらず、保存されませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>The album &quot;%1&quot; is %2. Saving writes only the images shown.</source>
        <extracomment>%2 is &quot;damaged: 3 images were read, and the rest of the file could not be read (...)&quot;.</extracomment>
        <translation>アルバム「%1」は%2。保存すると、表示されている画像だけが書き込まれます。</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor</source>
        <extracomment>The message boxes&apos; caption. The device&apos;s name stays as it is.</extracomment>
        <translation>Vemo ZidarUzuraエディター</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura</source>
        <extracomment>The caption of the box that says a file is not an album: the device&apos;s name, as it is.</extracomment>
        <translation>Vemo ZidarUzura</translation>
    </message>
    <message>
        <source>Discard unsaved information?</source>
        <translation>保存されていない変更を破棄しますか？</translation>
    </message>
    <message>
        <source>Cannot import picture &quot;%1&quot;. %2</source>
        <translation>写真「%1」を取り込めません。%2</translation>
    </message>
    <message>
        <source>Vemo Albums</source>
        <extracomment>The album files&apos; filter in the file dialogs; the pattern follows it.</extracomment>
        <translation>Vemoアルバム</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Can not init LZO library</source>
        <translation>LZOライブラリを初期化できません</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Image %1</source>
        <translation>画像%1</translation>
    </message>
    <message>
        <source>will not be saved: the album is full</source>
        <extracomment>Follows &quot;Image 007&quot; in the image&apos;s tooltip.</extracomment>
        <translation>は保存されません：アルバムがいっぱいです</translation>
    </message>
    <message>
        <source>will not be saved: it cannot be compressed</source>
        <translation>は保存されません：圧縮できません</translation>
    </message>
    <message>
        <source>best fit shows it as %1</source>
        <extracomment>Follows &quot;Image 007&quot; in the image&apos;s tooltip; %1 is a choice of the picture dialog&apos;s Greys.</extracomment>
        <translation>は最適化で「%1」として表示されます</translation>
    </message>
    <message>
        <source>Image %1 %2.</source>
        <translation>画像%1%2。</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor* - </source>
        <extracomment>The window&apos;s caption before the album&apos;s file name. The device&apos;s name stays as it is.</extracomment>
        <translation>Vemo ZidarUzuraエディター* - </translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor - </source>
        <translation>Vemo ZidarUzuraエディター - </translation>
    </message>
    <message>
        <source>Vemo ZidarUzura editor</source>
        <extracomment>The window&apos;s caption before anything is shown. The device&apos;s name stays as it is.</extracomment>
        <translation>Vemo ZidarUzuraエディター</translation>
    </message>
    <message>
        <source>Album images</source>
        <translation>アルバムの画像</translation>
    </message>
    <message>
        <source>Load Album...</source>
        <translation>アルバムを開く...</translation>
    </message>
    <message>
        <source>Save Album</source>
        <translation>アルバムを保存</translation>
    </message>
    <message>
        <source>Save Album As...</source>
        <translation>名前を付けて保存...</translation>
    </message>
    <message>
        <source>Add Image...</source>
        <translation>画像を追加...</translation>
    </message>
    <message>
        <source>Insert Image...</source>
        <translation>画像を挿入...</translation>
    </message>
    <message>
        <source>Append Album...</source>
        <translation>アルバムを連結...</translation>
    </message>
    <message>
        <source>Delete Image</source>
        <translation>画像を削除</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Album password:</source>
        <translation>パスワード:</translation>
    </message>
    <message>
        <source>ver. 1.00</source>
        <translation>バージョン 1.00</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Image %1 moved to position %2 of %3.</source>
        <translation>画像%1を%3個中%2番目に移動しました。</translation>
    </message>
    <message>
        <source>Fill a Vemo ZidarUzura album with your pictures, in the browser.</source>
        <translation>ブラウザーでVemo ZidarUzuraのアルバムに写真を入れます。</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>言語:</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>アルバム</translation>
    </message>
    <message>
        <source>Album commands</source>
        <translation>アルバムの操作</translation>
    </message>
    <message>
        <source>Drop albums or pictures anywhere on the page, or paste pictures. In the list, Alt+Up and Alt+Down move the chosen image.</source>
        <translation>アルバムや写真をページのどこかにドロップするか、写真を貼り付けます。一覧ではAlt+↑とAlt+↓で選んだ画像を移動できます。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>画像を開く</translation>
    </message>
    <message>
        <source>Choose pictures...</source>
        <translation>写真を選ぶ...</translation>
    </message>
    <message>
        <source>Pictures chosen</source>
        <translation>選んだ写真</translation>
    </message>
    <message>
        <source>The picture, with the square that is kept</source>
        <translation>写真と、残す正方形</translation>
    </message>
    <message>
        <source>Smaller square</source>
        <translation>正方形を小さく</translation>
    </message>
    <message>
        <source>Larger square</source>
        <translation>正方形を大きく</translation>
    </message>
    <message>
        <source>What the device will show</source>
        <translation>デバイスでの表示</translation>
    </message>
    <message>
        <source>Gravity:</source>
        <translation>基準位置:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>ライセンス</translation>
    </message>
    <message>
        <source>center</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>north</source>
        <translation>上</translation>
    </message>
    <message>
        <source>south</source>
        <translation>下</translation>
    </message>
    <message>
        <source>east</source>
        <translation>右</translation>
    </message>
    <message>
        <source>west</source>
        <translation>左</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Vemo ZidarUzura album</source>
        <translation>Vemo ZidarUzuraアルバム</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>None</source>
        <comment>greys</comment>
        <translation>なし</translation>
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
        <translation>組織的ディザ</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>コンパクト</translation>
    </message>
    <message>
        <source>Compact diffusion</source>
        <translation>コンパクト拡散</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>引き伸ばし</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>切り抜き</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>余白付き</translation>
    </message>
    <message>
        <source>The whole picture over the whole square; the aspect ratio is not kept.</source>
        <translation>写真全体を正方形全体に合わせます。縦横比は保たれません。</translation>
    </message>
    <message>
        <source>Keep the aspect ratio and fill the square; the overflow is cut off.</source>
        <translation>縦横比を保って正方形を埋めます。はみ出した部分は切り取られます。</translation>
    </message>
    <message>
        <source>Keep the aspect ratio and show all of it, centred on white.</source>
        <translation>縦横比を保って全体を表示し、白地の中央に置きます。</translation>
    </message>
    <message>
        <source>Best fit</source>
        <translation>最適化</translation>
    </message>
    <message>
        <source>Plain thresholds: flat areas and drawings stay clean; gradients become bands.</source>
        <translation>単純なしきい値：平坦な部分や線画はきれいに残りますが、グラデーションは帯状になります。</translation>
    </message>
    <message>
        <source>Error diffusion: the finest shading for photos, but large records.</source>
        <translation>誤差拡散：写真を最も細かく階調表現しますが、レコードが大きくなります。</translation>
    </message>
    <message>
        <source>Error diffusion with more contrast: crisp photos and line art.</source>
        <translation>コントラストを強めた誤差拡散：写真も線画もくっきりします。</translation>
    </message>
    <message>
        <source>A regular pattern: smooth shading that compresses far better than diffusion.</source>
        <translation>規則的なパターン：なめらかな階調で、誤差拡散よりはるかによく圧縮されます。</translation>
    </message>
    <message>
        <source>A fine pattern on a light blur: shading for photos in records as small as no dither.</source>
        <translation>軽いぼかしの上の細かいパターン：ディザなしと同じくらい小さなレコードで写真の階調を表現します。</translation>
    </message>
    <message>
        <source>A finer pattern that hands on part of its error: nearer to diffusion, in records about as small.</source>
        <translation>誤差の一部を周囲に渡す、より細かいパターン：誤差拡散に近く、レコードはほぼ同じくらい小さくなります。</translation>
    </message>
    <message>
        <source>Colours kept; on saving, each picture gets the rendering that lets the whole album fit with the best look.</source>
        <translation>色はそのまま保たれます。保存時に、アルバム全体が収まり最もきれいに見える変換が写真ごとに選ばれます。</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>スムージング</translation>
    </message>
    <message>
        <source>Average the pixels when shrinking, so thin lines and small text survive.</source>
        <translation>縮小時にピクセルを平均し、細い線や小さな文字がつぶれないようにします。</translation>
    </message>
    <message>
        <source>Fit:</source>
        <translation>合わせ方:</translation>
    </message>
    <message>
        <source>Greys:</source>
        <translation>階調:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>明るさ:</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>コントラスト:</translation>
    </message>
    <message>
        <source>All</source>
        <comment>picture files of every kind</comment>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>ビットマップ</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>アイコン</translation>
    </message>
    <message>
        <source>Preview</source>
        <comment>the button that shows the picture larger</comment>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Show the picture larger</source>
        <translation>写真を拡大して表示</translation>
    </message>
    <message>
        <source>Turn the picture left</source>
        <translation>写真を左に回転</translation>
    </message>
    <message>
        <source>Turn the picture right</source>
        <translation>写真を右に回転</translation>
    </message>
    <message>
        <source>The size of the square kept</source>
        <translation>切り抜く正方形のサイズ</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>写真:</translation>
    </message>
    <message>
        <source>(None)</source>
        <extracomment>The preview when no picture is chosen.</extracomment>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>Preview</source>
        <comment>the larger preview&apos;s caption</comment>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>On the device:</source>
        <translation>デバイスでの表示:</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>読み込み中…</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures chosen</source>
        <translation>
            <numerusform>写真%n枚を選択</numerusform>
        </translation>
    </message>
    <message>
        <source>Size:</source>
        <extracomment>The size of the crop square.</extracomment>
        <translation>サイズ:</translation>
    </message>
    <message>
        <source>Drag or use the arrow keys to choose the square; the wheel, + and - change its size.</source>
        <translation>ドラッグするか矢印キーで正方形を選びます。マウスホイールと+、-でサイズを変えられます。</translation>
    </message>
</context>
<context>
    <name>SharedMessages</name>
    <message>
        <source>This file is not a Vemo ZidarUzura</source>
        <extracomment>The device&apos;s name stays as it is.</extracomment>
        <translation>このファイルはVemo ZidarUzuraのアルバムではありません</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を開けません。%2</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) were read</source>
        <translation>
            <numerusform>画像%n枚を読み込みました</numerusform>
        </translation>
    </message>
    <message>
        <source>a record runs past the end of the file</source>
        <translation>レコードがファイルの末尾を越えています</translation>
    </message>
    <message>
        <source>a record is too short to hold an image</source>
        <translation>レコードが短すぎて画像を格納できません</translation>
    </message>
    <message>
        <source>a record is larger than %1 bytes</source>
        <translation>レコードが%1バイトを超えています</translation>
    </message>
    <message>
        <source>a record does not decompress</source>
        <translation>レコードを展開できません</translation>
    </message>
    <message>
        <source>bytes are left over after the last image</source>
        <translation>最後の画像の後に余分なバイトがあります</translation>
    </message>
    <message>
        <source>no more than %1 images are read from one file</source>
        <translation>1つのファイルから読み込める画像は%1枚までです</translation>
    </message>
    <message>
        <source>Image %1 is not 92 x 92 pixels</source>
        <translation>画像%1が92 x 92ピクセルではありません</translation>
    </message>
    <message>
        <source>Image %1 cannot be compressed</source>
        <translation>画像%1を圧縮できません</translation>
    </message>
    <message>
        <source>.</source>
        <extracomment>The full stop a message box&apos;s sentence ends with.</extracomment>
        <translation>。</translation>
    </message>
    <message>
        <source>, at offset %1</source>
        <extracomment>Follows the reason a damaged album stops, inside its brackets.</extracomment>
        <translation>、オフセット%1</translation>
    </message>
    <message>
        <source>damaged: %1, and the rest of the file could not be read (%2%3)</source>
        <extracomment>%1 is &quot;3 images were read&quot;, %2 the reason, %3 &quot;, at offset N&quot; or nothing.</extracomment>
        <translation>破損しています：%1が、ファイルの残りを読み込めませんでした（%2%3）</translation>
    </message>
    <message>
        <source>%1 is full (%2 bytes at most)</source>
        <translation>%1がいっぱいです（最大%2バイト）</translation>
    </message>
    <message>
        <source>The picture&apos;s header holds a value outside its range.</source>
        <translation>写真のヘッダーに範囲外の値があります。</translation>
    </message>
    <message>
        <source>The picture&apos;s width or height is zero, out of range or too large for the file.</source>
        <translation>写真の幅または高さが0か、範囲外か、ファイルに対して大きすぎます。</translation>
    </message>
    <message>
        <source>The picture has a number of bits a pixel that its format does not define.</source>
        <translation>写真のピクセルあたりのビット数が、その形式で定義されていない値です。</translation>
    </message>
    <message>
        <source>The picture&apos;s colour table is longer than its depth allows, or cut short.</source>
        <translation>写真のカラーテーブルが色深度の許す長さを超えているか、途中で切れています。</translation>
    </message>
    <message>
        <source>The bitmap&apos;s colour masks are missing.</source>
        <translation>ビットマップのカラーマスクがありません。</translation>
    </message>
    <message>
        <source>The bitmap is compressed in a way that is not read at its number of bits a pixel.</source>
        <translation>このビットマップは、そのピクセルあたりのビット数では読み込めない方式で圧縮されています。</translation>
    </message>
    <message>
        <source>The picture&apos;s pixels are said to start outside the file.</source>
        <translation>写真のピクセルの開始位置がファイルの外を指しています。</translation>
    </message>
    <message>
        <source>The icon file&apos;s directory holds no picture, or its entry lies outside the file.</source>
        <translation>アイコンファイルのディレクトリに写真がないか、そのエントリがファイルの外にあります。</translation>
    </message>
    <message>
        <source>Lossless JPEG is not supported.</source>
        <translation>ロスレスJPEGには対応していません。</translation>
    </message>
    <message>
        <source>Hierarchical JPEG is not supported.</source>
        <translation>階層型JPEGには対応していません。</translation>
    </message>
    <message>
        <source>Arithmetic-coded JPEG is not supported.</source>
        <translation>算術符号化JPEGには対応していません。</translation>
    </message>
    <message>
        <source>12-bit JPEG is not supported.</source>
        <translation>12ビットJPEGには対応していません。</translation>
    </message>
    <message>
        <source>JPEG with fractional colour sampling is not supported.</source>
        <translation>分数比の色サンプリングを使うJPEGには対応していません。</translation>
    </message>
    <message>
        <source>This kind of JPEG is not supported.</source>
        <translation>この種類のJPEGには対応していません。</translation>
    </message>
    <message>
        <source>Unsupported image format. Pictures are read from %1 files.</source>
        <extracomment>%1 lists the formats: &quot;BMP, PNG, JPEG, ...&quot;.</extracomment>
        <translation>対応していないファイル形式です。写真は%1のファイルから読み込めます。</translation>
    </message>
    <message>
        <source>Unsupported image format: this is %1. Pictures are read from %2 files.</source>
        <extracomment>%1 names what the file is, in English (&quot;a PDF document&quot;); %2 lists the formats.</extracomment>
        <translation>対応していないファイル形式です（%1）。写真は%2のファイルから読み込めます。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>ファイルが空です。</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>ファイルが破損しているか不完全です。</translation>
    </message>
    <message>
        <source>The file is too large: more than %1 MB, more than a picture of %2 megapixels needs.</source>
        <translation>ファイルが大きすぎます：%1 MBを超えており、%2メガピクセルの写真に必要な量より大きくなっています。</translation>
    </message>
    <message>
        <source>The picture is too large: %1 x %2 pixels, more than %3 megapixels</source>
        <translation>写真が大きすぎます：%1 x %2ピクセルで、%3メガピクセルを超えています</translation>
    </message>
    <message>
        <source>The bitmap&apos;s header is cut short</source>
        <translation>ビットマップのヘッダーが途中で切れています</translation>
    </message>
    <message>
        <source>%1 is not supported.</source>
        <extracomment>%1 names a kind of picture, in English (&quot;Animated AVIF&quot;).</extracomment>
        <translation>%1には対応していません。</translation>
    </message>
</context>
<context>
    <name>Valbum</name>
    <message>
        <source>%1 is not an album.</source>
        <translation>%1はアルバムではありません。</translation>
    </message>
    <message>
        <source>%1: the album is %2.</source>
        <extracomment>%2 is &quot;damaged: 3 images were read, and the rest of the file could not be read (...)&quot;.</extracomment>
        <translation>%1：アルバムは%2。</translation>
    </message>
    <message>
        <source>image %1 does not fit in an album of its own</source>
        <translation>画像%1は単独でもアルバムに収まりません</translation>
    </message>
    <message>
        <source>album %1: %2</source>
        <translation>アルバム%1：%2</translation>
    </message>
    <message>
        <source>Adds the images of the source albums, in order, after the target&apos;s own and
saves the target in place, keeping its password; a failed save leaves it as it
was. Images past the %1-byte limit are left out and named (exit status 3).
If any album cannot be read whole, nothing is written (exit status 2).</source>
        <translation>ソースアルバムの画像を順に、ターゲットアルバム自身の画像の後に追加し、パスワー
ドを保ったままターゲットをその場で保存します。保存に失敗した場合は元のままです。
%1バイトの上限を超えた画像は省かれ、その名前が表示されます（終了ステータス3）。
いずれかのアルバムを全部読み込めない場合は、何も書き込みません（終了ステータス2）。</translation>
    </message>
    <message>
        <source>nothing was written.</source>
        <translation>何も書き込まれませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>images recompressed</source>
        <translation>
            <numerusform>画像の再圧縮</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its own images no longer fit in %2 bytes; nothing was written.</source>
        <translation>%1：自身の画像がもう%2バイトに収まりません。何も書き込まれませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n image(s) left out:</source>
        <extracomment>%1 is &quot;ALBUM is full (81920 bytes at most)&quot;; &quot;image(s)&quot; stays as it is in English.</extracomment>
        <translation>
            <numerusform>%1。画像%n枚を省きました：</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1 %2</source>
        <translation>省略：%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>pictures read</source>
        <translation>
            <numerusform>写真の読み込み</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pictures rendered</source>
        <translation>
            <numerusform>写真の変換</numerusform>
        </translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>このヘルプを表示します。</translation>
    </message>
    <message>
        <source>Usage: valbum %1 [OPTIONS] %2

%3

Options:
</source>
        <extracomment>%1 is the command, %2 its arguments (&quot;OUT.valbum PICTURE...&quot;), %3 what it does.</extracomment>
        <translation>使い方: valbum %1 [オプション] %2

%3

オプション:
</translation>
    </message>
    <message>
        <source>Try &quot;valbum %1 --help&quot;.</source>
        <translation>詳しくは「valbum %1 --help」を実行してください。</translation>
    </message>
    <message>
        <source>wrong number of arguments; usage: valbum %1 [OPTIONS] %2</source>
        <translation>引数の数が正しくありません。使い方: valbum %1 [オプション] %2</translation>
    </message>
    <message>
        <source>Make an album from pictures</source>
        <translation>写真からアルバムを作成します</translation>
    </message>
    <message>
        <source>Show an album&apos;s password, records and free room</source>
        <translation>アルバムのパスワード、レコード、空き容量を表示します</translation>
    </message>
    <message>
        <source>Write an album&apos;s images as PNG or BMP files</source>
        <translation>アルバムの画像をPNGまたはBMPファイルとして書き出します</translation>
    </message>
    <message>
        <source>Add the images of other albums to the end of an album</source>
        <translation>他のアルバムの画像をアルバムの末尾に追加します</translation>
    </message>
    <message>
        <source>Write pictures as the device will show them, as PNG files</source>
        <translation>写真をデバイスでの表示どおりにPNGファイルとして書き出します</translation>
    </message>
    <message>
        <source>Usage: valbum COMMAND [OPTIONS] ARGUMENTS...

Makes, lists and takes apart photo albums (*.valbum) for the grey-level
device: 92 x 92 images in seven greys, at most %1 bytes an album.

Commands:
</source>
        <extracomment>The command&apos;s and the options&apos; names stay as they are.</extracomment>
        <translation>使い方: valbum コマンド [オプション] 引数...

グレー表示のデバイス用の写真アルバム（*.valbum）を作成・一覧表示・分解します。
デバイスの画像は92 x 92で7階調、アルバム1つにつき最大%1バイトです。

コマンド:
</translation>
    </message>
    <message>
        <source>no command given.</source>
        <translation>コマンドが指定されていません。</translation>
    </message>
    <message>
        <source>Try &quot;valbum --help&quot;.</source>
        <translation>詳しくは「valbum --help」を実行してください。</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;. Try &quot;valbum --help&quot;.</source>
        <translation>不明なコマンド「%1」です。詳しくは「valbum --help」を実行してください。</translation>
    </message>
    <message>
        <source>Password of up to eight decimal digits (default: none).</source>
        <translation>最大8桁の10進数のパスワード（既定：なし）。</translation>
    </message>
    <message>
        <source>Write OUT-1.valbum, OUT-2.valbum, ... so that no picture is left out.</source>
        <translation>OUT-1.valbum、OUT-2.valbum、...に分けて書き込み、写真を1枚も省かないようにします。</translation>
    </message>
    <message>
        <source>Replace albums that exist.</source>
        <translation>既存のアルバムを置き換えます。</translation>
    </message>
    <message>
        <source>Choose each picture&apos;s greys so that all fit in one album looking their best; with --split, each album takes as many pictures as fit with their smallest renderings, then chooses so. Not with --dither.</source>
        <translation>すべての写真が1つのアルバムに最もきれいに収まるように、写真ごとの階調表現を選びます。--splitと併用すると、各アルバムは最小の変換で収まるだけの写真を受け取り、その中で同様に選びます。--ditherとは併用できません。</translation>
    </message>
    <message>
        <source>Makes an album of the pictures (BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF or
AVIF) in the order given, each brought in as the editor&apos;s Add does (by default
stretched over 92 x 92), and prints one line per picture with its place in the
album. Pictures past the %1-byte limit are left out and named (exit status 3)
unless --split is given. If a picture cannot be read, nothing is written (exit
status 2), unless --skip-unreadable is given: then it is named and left out, and
the rest are written (exit status 3).</source>
        <translation>写真（BMP、PNG、JPEG、GIF、ICO、WebP、TIFF、HEIC/HEIF、AVIF）から、指定した順に
アルバムを作成します。各写真はエディターの「追加」と同じように取り込まれ（既定
では92 x 92に引き伸ばし）、写真ごとにアルバム内の位置を1行ずつ表示します。%1
バイトの上限を超えた写真は、--splitを指定しない限り省かれ、その名前が表示されま
す（終了ステータス3）。読めない写真があると何も書き込みません（終了ステータス2）。
ただし--skip-unreadableを指定すると、その写真の名前を表示して省き、残りを書き込
みます（終了ステータス3）。</translation>
    </message>
    <message>
        <source>, use --split to keep them</source>
        <extracomment>Follows &quot;N picture(s) left out&quot;.</extracomment>
        <translation>（--splitを使うと残せます）</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n picture(s) left out%2:</source>
        <extracomment>%1 is &quot;ALBUM is full (81920 bytes at most)&quot;, %2 &quot;, use --split to keep them&quot; or nothing; &quot;picture(s)&quot; stays as it is in English.</extracomment>
        <translation>
            <numerusform>%1。写真%n枚を省きました%2：</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>省略：%1</translation>
    </message>
    <message>
        <source>note: %1 is from an earlier run, not part of this set.</source>
        <translation>注意：%1は以前の実行で作られたもので、今回のセットには含まれません。</translation>
    </message>
    <message>
        <source>the password must be up to eight decimal digits, not &quot;%1&quot;.</source>
        <translation>パスワードは最大8桁の10進数でなければなりません（「%1」は使えません）。</translation>
    </message>
    <message>
        <source>--best-fit chooses the greys: it does not take --dither.</source>
        <translation>--best-fitは階調を自動で選ぶため、--ditherとは併用できません。</translation>
    </message>
    <message>
        <source>png or bmp (default png).</source>
        <translation>pngまたはbmp（既定はpng）。</translation>
    </message>
    <message>
        <source>Replace picture files that exist.</source>
        <translation>既存の画像ファイルを置き換えます。</translation>
    </message>
    <message>
        <source>Writes each image of the album as OUTDIR/NNN.png (or .bmp), 92 x 92 in the album&apos;s
greys, numbered as the editor labels them: 000, 001, ... OUTDIR is created when
missing. A damaged album gives the images before the damage, which is then
reported (exit status 2).</source>
        <translation>アルバムの各画像を、アルバムの階調のまま92 x 92でOUTDIR/NNN.png（または.bmp）と
して書き出します。番号はエディターの表示と同じ000、001、...です。OUTDIRがなけれ
ば作成します。破損したアルバムでは破損箇所より前の画像を書き出し、その後で破損
を報告します（終了ステータス2）。</translation>
    </message>
    <message>
        <source>the format must be png or bmp, not &quot;%1&quot;.</source>
        <translation>形式はpngまたはbmpでなければなりません（「%1」は使えません）。</translation>
    </message>
    <message numerus="yes">
        <source>images written</source>
        <translation>
            <numerusform>画像の書き出し</numerusform>
        </translation>
    </message>
    <message>
        <source>stretch (default): the whole picture over the square; crop: aspect kept, the overflow cut off; pad: aspect kept, white around it.</source>
        <translation>stretch（既定）：写真全体を正方形に合わせる。crop：縦横比を保ち、はみ出しを切り取る。pad：縦横比を保ち、周りを白にする。</translation>
    </message>
    <message>
        <source>Average pixels when shrinking, so thin lines and small text survive (default: keep the nearest pixel).</source>
        <translation>縮小時にピクセルを平均し、細い線や小さな文字がつぶれないようにします（既定：最も近いピクセルを使う）。</translation>
    </message>
    <message>
        <source>none (default): plain thresholds; floyd-steinberg, atkinson: finest shading, large records; ordered: even pattern; compact: shading for photos in records as small as none&apos;s; compact-diffusion: finer shading for photos in records about as small.</source>
        <translation>none（既定）：単純なしきい値。floyd-steinberg、atkinson：最も細かい階調表現、大きなレコード。ordered：均一なパターン。compact：noneと同じくらい小さなレコードで写真の階調を表現。compact-diffusion：ほぼ同じくらい小さなレコードで、より細かい階調表現。</translation>
    </message>
    <message>
        <source>-100 to 100 (default 0): added to each pixel&apos;s grey; lifts a dark photo.</source>
        <translation>-100～100（既定は0）：各ピクセルのグレー値に加えます。暗い写真を明るくします。</translation>
    </message>
    <message>
        <source>-100 to 100 (default 0): spreads the greys apart (more) or together (less).</source>
        <translation>-100～100（既定は0）：階調の間隔を広げ（正の値）、または狭めます（負の値）。</translation>
    </message>
    <message>
        <source>With crop, which part is kept; with pad, where the picture goes: center (default), north, south, east, west, northeast, northwest, southeast or southwest.</source>
        <translation>cropでは残す部分、padでは写真を置く位置：center（既定）、north、south、east、west、northeast、northwest、southeast、southwest。</translation>
    </message>
    <message>
        <source>90, 180 or 270: turn the picture clockwise, after its orientation tag.</source>
        <translation>90、180、270：向きのタグを適用した後、写真を時計回りに回転します。</translation>
    </message>
    <message>
        <source>Pictures brought in at once (default: one per processor); 1 for one at a time. The output is the same.</source>
        <translation>同時に取り込む写真の数（既定：プロセッサ1つにつき1枚）。1なら1枚ずつ。出力は変わりません。</translation>
    </message>
    <message>
        <source>Also show what the picture libraries warn of, as &quot;valbum: PICTURE: warning: ...&quot;.</source>
        <translation>写真ライブラリの警告も「valbum: PICTURE: warning: ...」の形で表示します。</translation>
    </message>
    <message>
        <source>--%1 takes %2, not &quot;%3&quot;.</source>
        <extracomment>&quot;--fit takes stretch|crop|pad, not &quot;x&quot;.&quot;</extracomment>
        <translation>--%1には%2を指定します（「%3」は使えません）。</translation>
    </message>
    <message>
        <source>a whole number from -100 to 100</source>
        <translation>-100～100の整数</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1</source>
        <translation>1～%1の整数</translation>
    </message>
    <message>
        <source>Print one JSON object instead of text.</source>
        <translation>テキストの代わりにJSONオブジェクトを1つ出力します。</translation>
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
        <translation>アルバムのパスワード（なければ「none」）、画像の数、各レコードのオフセットと圧縮後の
サイズ、%1バイトの上限までの残りバイト数を表示します。
破損したアルバムは破損箇所まで一覧表示し、その後で破損を報告します（終了ステータス2）。
JSONのキー：password（なければ空）、images、records（[{offset, size}]）、bytes_free、
破損したアルバムの場合のみdamage（{offset, kind, message}）。offsetは読み込めなかった最初の
バイト、messageは標準エラー出力に表示される行、kindは次のいずれかです：
  %2、
  %3。
開けないファイルやアルバムでないファイルではerror（{kind, message}）だけになります。
kindはcannot_openまたはnot_an_album、messageは標準エラー出力に表示される行です。</translation>
    </message>
    <message>
        <source>Can not init LZO library</source>
        <translation>LZOライブラリを初期化できません</translation>
    </message>
    <message>
        <source>%1 exists; use --force to replace it.</source>
        <translation>%1は既に存在します。置き換えるには--forceを使ってください。</translation>
    </message>
    <message>
        <source>it exists and is not a directory</source>
        <translation>既に存在し、ディレクトリではありません</translation>
    </message>
    <message>
        <source>the directory cannot be created: %1</source>
        <translation>ディレクトリを作成できません：%1</translation>
    </message>
    <message>
        <source>no free temporary name</source>
        <translation>使える一時ファイル名がありません</translation>
    </message>
    <message>
        <source>Replace preview files that exist.</source>
        <translation>既存のプレビューファイルを置き換えます。</translation>
    </message>
    <message>
        <source>Writes each picture as the device will show it, brought in as create brings it in
with the same options and reduced to the seven greys, as OUTDIR/&lt;name&gt;.png
(photo.jpg gives photo.png); the album holds exactly these pixels.
OUTDIR is created when missing. If a picture cannot be read, nothing is written
(exit status 2), unless --skip-unreadable is given: then it is named and left out,
and the rest are written (exit status 3).</source>
        <translation>各写真をデバイスでの表示どおりに、createと同じオプションで同じように取り込んで7
階調に減らし、OUTDIR/&lt;名前&gt;.pngとして書き出します（photo.jpgならphoto.png）。ア
ルバムに入るのはまさにこのピクセルです。OUTDIRがなければ作成します。読めない写
真があると何も書き込みません（終了ステータス2）。ただし--skip-unreadableを指定
すると、その写真の名前を表示して省き、残りを書き込みます（終了ステータス3）。</translation>
    </message>
    <message>
        <source>%1 and %2 would both be written as %3.</source>
        <translation>%1と%2はどちらも%3として書き出されることになります。</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1秒</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1分%2秒</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1時間%2分</translation>
    </message>
    <message>
        <source>Show no progress line (one is shown only on a terminal).</source>
        <translation>進行状況の行を表示しません（表示されるのは端末の場合だけです）。</translation>
    </message>
    <message>
        <source>%1/%2 %3</source>
        <extracomment>&quot;412/2,000 pictures read&quot;: done, the total and what is done.</extracomment>
        <translation>%3：%1/%2</translation>
    </message>
    <message>
        <source>, %1/s</source>
        <extracomment>Pictures or images a second.</extracomment>
        <translation>、%1/秒</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <extracomment>The time still to go: &quot;, 3 min 20 s left&quot;.</extracomment>
        <translation>、残り%1</translation>
    </message>
    <message>
        <source>Leave out the pictures that cannot be read, naming each, and write the rest (exit status 3).</source>
        <translation>読めない写真はそれぞれ名前を表示して省き、残りを書き込みます（終了ステータス3）。</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) could not be read and were left out.</source>
        <extracomment>&quot;picture(s)&quot; stays as it is in English.</extracomment>
        <translation>
            <numerusform>写真%n枚を読み込めなかったため省きました。</numerusform>
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
コマンドの引数とオプションは「valbum コマンド --help」で表示されます。
終了ステータス: 0 完了、1 圧縮ライブラリの失敗、2 入力が読めないか破損している、
3 サイズ上限で画像を省いた（または--skip-unreadableで読めない写真を省いた）、
4 出力先が既に存在する（--forceを使用）、5 出力を書き込めなかった、
64 コマンドラインの誤り、128 + N シグナルNで停止（実行内容は元に戻される）。</translation>
    </message>
    <message>
        <source>no free name for the old version</source>
        <translation>古い版に使える名前がない</translation>
    </message>
    <message>
        <source>%1; its old version is %2</source>
        <translation>%1。古い版は%2</translation>
    </message>
</context>
</TS>
