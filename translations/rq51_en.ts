<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Colour</name>
    <message>
        <source>緑</source>
        <translation>green</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>red</translation>
    </message>
    <message>
        <source>青</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>オレンジ</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>白</source>
        <translation>white</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>yellow</translation>
    </message>
</context>
<context>
    <name>Explorer</name>
    <message>
        <source>演算</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>番号付け</source>
        <translation>Numbering</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>(a，b，c)は</source>
        <translation>(a, b, c) is a</translation>
    </message>
    <message>
        <source>巡回置換を表す。</source>
        <translation>cycle: what is</translation>
    </message>
    <message>
        <source>つまり</source>
        <translation>at place a</translation>
    </message>
    <message>
        <source>   a はｂの位置に</source>
        <translation>   goes to b,</translation>
    </message>
    <message>
        <source>   b はcの位置に</source>
        <translation>   b to c,</translation>
    </message>
    <message>
        <source>   c はaの位置に</source>
        <translation>   c to a</translation>
    </message>
    <message>
        <source>移動する。</source>
        <translation>in one go.</translation>
    </message>
</context>
<context>
    <name>Fault</name>
    <message>
        <source>色なし</source>
        <translation>no colour</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>%1・%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>%1と%2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>%1、%2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1が%2個</source>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>色のないマスが%1個</source>
        <translation>%1 empty</translation>
    </message>
    <message>
        <source>見分けられないピースがあります。</source>
        <translation>Some pieces cannot be told apart.</translation>
    </message>
    <message>
        <source>%1あります。各色とも9個ずつのはずです。</source>
        <translation>Stickers counted: %1. Each colour should appear 9 times.</translation>
    </message>
    <message>
        <source>センターに同じ色%1が%2つあります。</source>
        <translation>%2 centres show the same colour %1.</translation>
    </message>
    <message>
        <source>向かい合うセンターの色の組が合いません（%1が向かい合います）。</source>
        <translation>Opposite centres do not match (%1 face each other).</translation>
    </message>
    <message>
        <source>センターの並びが、鏡に映したように逆になっています。</source>
        <translation>The centres are arranged as in a mirror image.</translation>
    </message>
    <message>
        <source>%1のコーナー%2は、実際のキューブにはありません。</source>
        <translation>The corner %2 at %1 does not exist on a real cube.</translation>
    </message>
    <message>
        <source>%1のエッジ%2は、実際のキューブにはありません。</source>
        <translation>The edge %2 at %1 does not exist on a real cube.</translation>
    </message>
    <message>
        <source>%1に同じコーナー%2があります。</source>
        <translation>%1 hold the same corner %2.</translation>
    </message>
    <message>
        <source>%1に同じエッジ%2があります。</source>
        <translation>%1 hold the same edge %2.</translation>
    </message>
    <message>
        <source>コーナーのねじれが合いません（コーナーが1個、ねじれてはまっています）。</source>
        <translation>The corner twists do not add up (one corner is twisted in place).</translation>
    </message>
    <message>
        <source>エッジの向きが合いません（エッジが1個、裏返しにはまっています）。</source>
        <translation>The edge flips do not add up (one edge is flipped in place).</translation>
    </message>
    <message>
        <source>ピースの並びが合いません（2個のピースが入れ替わっています）。</source>
        <translation>The permutation is impossible (two pieces are swapped).</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>解法を保存…</source>
        <translation>Save solution...</translation>
    </message>
    <message>
        <source>解法を開く…</source>
        <translation>Open solution...</translation>
    </message>
    <message>
        <source>最近のファイル</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>標準記法でコピー</source>
        <translation>Copy (standard)</translation>
    </message>
    <message>
        <source>解法を保存</source>
        <translation>Save solution</translation>
    </message>
    <message>
        <source>解法を開く</source>
        <translation>Open solution</translation>
    </message>
    <message>
        <source>RQ51 の解法 (*.rq51);;テキスト (*.txt);;すべてのファイル (*)</source>
        <translation>RQ51 solutions (*.rq51);;Text (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>RQ51 の解法・手順・色 (*.rq51 *.txt);;すべてのファイル (*)</source>
        <translation>RQ51 solutions, sequences, colours (*.rq51 *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>（まだありません）</source>
        <translation>(none yet)</translation>
    </message>
    <message>
        <source>選んだ行をコピー</source>
        <translation>Copy selected lines</translation>
    </message>
    <message>
        <source>選んだ行を標準記法でコピー</source>
        <translation>Copy selected lines in standard notation</translation>
    </message>
    <message>
        <source>この一覧を標準記法でコピー</source>
        <translation>Copy this list in standard notation</translation>
    </message>
    <message>
        <source>解法を保存できませんでした。
</source>
        <translation>The solution could not be saved.
</translation>
    </message>
    <message>
        <source>%1 に書き込めません（%2）。</source>
        <translation>Cannot write to %1 (%2).</translation>
    </message>
    <message>
        <source>%1 を開けません（%2）。</source>
        <translation>Cannot open %1 (%2).</translation>
    </message>
    <message>
        <source>ファイル名がありません。</source>
        <translation>No file name given.</translation>
    </message>
    <message>
        <source>%1 はフォルダです。</source>
        <translation>%1 is a folder.</translation>
    </message>
    <message>
        <source>%1 を読めません（%2）。</source>
        <translation>Cannot read %1 (%2).</translation>
    </message>
    <message>
        <source>「%1…」</source>
        <translation>“%1...”</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1の括弧が閉じていません。</source>
        <translation>The bracket of %1 is not closed. </translation>
    </message>
    <message>
        <source>%1が読めません。</source>
        <translation>%1 cannot be read. </translation>
    </message>
    <message>
        <source>ファイルが空です。</source>
        <translation>The file is empty. </translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（1 MBまで）。</source>
        <translation>The file is too large (1 MB at most). </translation>
    </message>
    <message>
        <source>UTF-8の文字として読めないバイトがあります。</source>
        <translation>Some bytes are not UTF-8 characters. </translation>
    </message>
    <message>
        <source>テキストではないデータ（制御文字）があります。</source>
        <translation>It holds data that is not text (control characters). </translation>
    </message>
    <message>
        <source>ファイルが途中で切れています（「合計」の行がありません）。</source>
        <translation>The file is cut short (its total line is missing). </translation>
    </message>
    <message>
        <source>手順も色もありません。</source>
        <translation>It holds neither turns nor colours. </translation>
    </message>
    <message>
        <source>%1というウィンドウはありません。</source>
        <translation>There is no window called %1. </translation>
    </message>
    <message>
        <source>%1（各ListBoxの手数の合計と合いません）</source>
        <translation>%1(It does not match the sum of the ListBox turns.) </translation>
    </message>
    <message>
        <source>ファイルの%1行目で読み込みを中止しました。%2ウィンドウはそのままです。</source>
        <translation>Opening stopped at line %1 of the file. %2The window is unchanged.</translation>
    </message>
    <message>
        <source>入力された色が誤った配置です。%1</source>
        <translation>The entered colours are not a real cube. %1 </translation>
    </message>
    <message>
        <source>%1というボタンはありません。</source>
        <translation>There is no button called %1. </translation>
    </message>
    <message>
        <source>このファイルは%1（%2）の解法です。</source>
        <translation>This file is a solution of %1 (%2).</translation>
    </message>
    <message>
        <source>ファイルの手順と、いま計算した手順が違います（ListBox%1の%2行目から）。計算した手順を表示しています。</source>
        <translation>The file&apos;s lines differ from those computed now (from line %2 of ListBox%1). The computed lines are shown.</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>ルービック・キューブ解法プログラムCF-0</source>
        <translation>Rubik&apos;s Cube solving program CF-0</translation>
    </message>
    <message>
        <source>&#x3000;①．左奥のコーナーを固定して、</source>
        <translation> ① Keep the back-left corner fixed and</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;グリッドに色を入力していきます。</source>
        <translation>    enter the colours into the grids.</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;色ボタンをONにして各グリッド位置をクリックすると</source>
        <translation>      Switch a colour button ON and click a square:</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;色が入力されます。</source>
        <translation>      the square takes that colour.</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;色の入力が終了したら、①．色の入力終了をONします。</source>
        <translation>        When all colours are in, press ① Colours entered.</translation>
    </message>
    <message>
        <source>&#x3000;②．コーナー・キューブの変換</source>
        <translation> ② The moves for the corners,</translation>
    </message>
    <message>
        <source>&#x3000;③．エッジ・キューブの変換</source>
        <translation> ③ the moves for the edges and</translation>
    </message>
    <message>
        <source>&#x3000;④．センター・キューブの変換が下のボックスに表されます。</source>
        <translation> ④ the moves for the centres appear in the boxes below.</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;変換順序は②③④の順です。</source>
        <translation>      They run in the order ② ③ ④.</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;②、③、④のボタンも反応しますが、</source>
        <translation>      Buttons ②, ③ and ④ run one stage each;</translation>
    </message>
    <message>
        <source>&#x3000;⑤．一括変換も利用できます。</source>
        <translation> ⑤ Solve all runs every stage in one go.</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;また、変換の様子は中央展開図で、表されます。</source>
        <translation>        The net in the middle shows the cube as it turns.</translation>
    </message>
    <message>
        <source>ルービック・キューブ解法プログラムCF</source>
        <translation>Rubik&apos;s Cube solving program CF</translation>
    </message>
    <message>
        <source>&#x3000;①．グリッドに色を入力していきます。</source>
        <translation> ① Enter the colours into the grids.</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;色ボタンをONにして各グリッド位置をクリックすると</source>
        <translation>    Switch a colour button ON and click a square:</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;色が入力されます。</source>
        <translation>    the square takes that colour.</translation>
    </message>
    <message>
        <source>     色の入力が終了したら、①．色の入力終了をONします。</source>
        <translation>     When all colours are in, press ① Colours entered.</translation>
    </message>
    <message>
        <source>&#x3000;④．センター・キューブの変換が各ボックスに表されます。</source>
        <translation> ④ the moves for the centres appear in their boxes.</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;また、変換の様子は中央展開図で、表されます。</source>
        <translation>      The net in the middle shows the cube as it turns.</translation>
    </message>
    <message>
        <source>ルービック・キューブ解法プログラムLB</source>
        <translation>Rubik&apos;s Cube solving program LB</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000; 色ボタンをONにして各グリッド位置をクリックすると</source>
        <translation>     Switch a colour button ON and click a square:</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000; 色が入力されます。</source>
        <translation>     the square takes that colour.</translation>
    </message>
    <message>
        <source>      色の入力が終了したら、①．色の入力終了をONします。</source>
        <translation>      When all colours are in, press ① Colours entered.</translation>
    </message>
    <message>
        <source>  ②．上CROSS </source>
        <translation>  ② Top cross</translation>
    </message>
    <message>
        <source>  ③．F2C   ④．上下反転持ち替え  ⑤．F2M</source>
        <translation>  ③ F2C   ④ Turn the cube over   ⑤ F2M</translation>
    </message>
    <message>
        <source>  ⑥．OL                 ⑦．PL</source>
        <translation>  ⑥ OL                  ⑦ PL</translation>
    </message>
    <message>
        <source>  &#x3000;各ボックスにそれらの変換が表されます。</source>
        <translation>    Each box shows the moves of its stage.</translation>
    </message>
    <message>
        <source>&#x3000;変換順序は &lt; ②→③→④→⑤→⑥→⑦ &gt; です。</source>
        <translation> The order is &lt; ②→③→④→⑤→⑥→⑦ &gt;.</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;②③④⑤⑥⑦の各ボタンも反応しますが、</source>
        <translation>      Buttons ②③④⑤⑥⑦ run one stage each;</translation>
    </message>
    <message>
        <source>&#x3000;⑧．一括変換も利用できます。</source>
        <translation> ⑧ Solve all runs every stage in one go.</translation>
    </message>
    <message>
        <source>ルービック・キューブ解法プログラムTK-C</source>
        <translation>Rubik&apos;s Cube solving program TK-C</translation>
    </message>
    <message>
        <source>  ②．上一面（コーナー～エッジ～センター）  </source>
        <translation>  ② Top face (corners, edges, centres)</translation>
    </message>
    <message>
        <source>  ③．上下反転持ち替え  ④．上一面その２（コーナー～エッジ）</source>
        <translation>  ③ Turn the cube over   ④ Top face 2 (corners, edges)</translation>
    </message>
    <message>
        <source>  ⑤．中段（センター～エッジ）</source>
        <translation>  ⑤ Middle layer (centres, edges)</translation>
    </message>
    <message>
        <source>&#x3000;変換順序は &lt; ②→③→④→⑤ &gt; です。</source>
        <translation> The order is &lt; ②→③→④→⑤ &gt;.</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;②③④⑤の各ボタンも反応しますが、</source>
        <translation>      Buttons ②③④⑤ run one stage each;</translation>
    </message>
    <message>
        <source>&#x3000;⑥．一括変換も利用できます。</source>
        <translation> ⑥ Solve all runs every stage in one go.</translation>
    </message>
    <message>
        <source>ルービック・キューブ解法プログラムTK-L</source>
        <translation>Rubik&apos;s Cube solving program TK-L</translation>
    </message>
    <message>
        <source>  ②．上一面（上CROSS～コーナー）    ③．上下反転持ち替え </source>
        <translation>  ② Top face (cross, corners)   ③ Turn the cube over</translation>
    </message>
    <message>
        <source>  ④．上一面その２（上CROSS～コーナー～エッジ位置の修正）</source>
        <translation>  ④ Top face 2 (cross, corners, edge positions)</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>日本語</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動無し</source>
        <translation>No corner permutation</translation>
    </message>
    <message>
        <source>ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動</source>
        <translation>Corner permutation</translation>
    </message>
    <message>
        <source>ｺｰﾅｰ･ｷｭｰﾌﾞ内の移動無し</source>
        <translation>No corner twist</translation>
    </message>
    <message>
        <source>ｺｰﾅｰ･ｷｭｰﾌﾞ内の移動</source>
        <translation>Corner twist</translation>
    </message>
    <message>
        <source>ｴｯｼﾞ･ｷｭｰﾌﾞ同士の移動無し</source>
        <translation>No edge permutation</translation>
    </message>
    <message>
        <source>ｴｯｼﾞ･ｷｭｰﾌﾞ同士の移動</source>
        <translation>Edge permutation</translation>
    </message>
    <message>
        <source>ｴｯｼﾞ･ｷｭｰﾌﾞ内の移動無し</source>
        <translation>No edge flip</translation>
    </message>
    <message>
        <source>ｴｯｼﾞ･ｷｭｰﾌﾞ内の移動</source>
        <translation>Edge flip</translation>
    </message>
    <message>
        <source>ｴｯｼﾞ･ｷｭｰﾌﾞの入替無し</source>
        <translation>No edge swap</translation>
    </message>
    <message>
        <source>ｴｯｼﾞ･ｷｭｰﾌﾞの入替</source>
        <translation>Edge swap</translation>
    </message>
    <message>
        <source>：ここでキューブを上下反転</source>
        <translation>: turn the cube over here</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>１．（置換群としての）変換</source>
        <translation>1. Turns as permutations</translation>
    </message>
    <message>
        <source>２．解法CF…基本操作編</source>
        <translation>2. Method CF: the basics</translation>
    </message>
    <message>
        <source>３．解法CF</source>
        <translation>3. Method CF</translation>
    </message>
    <message>
        <source>４．解法LB</source>
        <translation>4. Method LB</translation>
    </message>
    <message>
        <source>５．解法TK-C</source>
        <translation>5. Method TK-C</translation>
    </message>
    <message>
        <source>６．解法TK-L</source>
        <translation>6. Method TK-L</translation>
    </message>
    <message>
        <source>ｺｰﾅｰ･ｷｭｰﾌﾞ</source>
        <translation>Corner cubies</translation>
    </message>
    <message>
        <source>３つで一組のコーナーが８つ</source>
        <translation>8 corners, 3 stickers each</translation>
    </message>
    <message>
        <source>8!×3の7乗</source>
        <translation>8! × 3^7</translation>
    </message>
    <message>
        <source>一組だけの循環は不可能</source>
        <translation>no lone twist or flip</translation>
    </message>
    <message>
        <source>ｴｯｼﾞ・ｷｭｰﾌﾞ</source>
        <translation>Edge cubies</translation>
    </message>
    <message>
        <source>２つで一組のエッジが１２個</source>
        <translation>12 edges, 2 stickers each</translation>
    </message>
    <message>
        <source>12!×2の11乗</source>
        <translation>12! × 2^11</translation>
    </message>
    <message>
        <source>ｾﾝﾀｰ・ｷｭｰﾌﾞ</source>
        <translation>Centre cubies</translation>
    </message>
    <message>
        <source>向かい合うエッジは組で３つ</source>
        <translation>opposite ones: 3 pairs</translation>
    </message>
    <message>
        <source>(3×2)×2</source>
        <translation>(3×2)×2</translation>
    </message>
    <message>
        <source>考えられる配置は</source>
        <translation>Possible arrangements:</translation>
    </message>
    <message>
        <source>43,252,003,274,489,856,000 通り。</source>
        <translation>43,252,003,274,489,856,000.</translation>
    </message>
    <message>
        <source>(4,325京2,003兆2,744億8,985万6千)</source>
        <translation>(about 43 quintillion)</translation>
    </message>
    <message>
        <source>RQ51 ルービック・キューブ解法プログラム試論</source>
        <translation>RQ51 Rubik&apos;s Cube solving programs: an essay</translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>◀ 前の行</source>
        <translation>◀ Previous line</translation>
    </message>
    <message>
        <source>次の行 ▶</source>
        <translation>Next line ▶</translation>
    </message>
    <message>
        <source>最新の状態</source>
        <translation>Latest state</translation>
    </message>
    <message>
        <source>&#x3000;（%1回中%2回目）</source>
        <translation> (repeat %2 of %1)</translation>
    </message>
    <message>
        <source>ドラッグで向きを変える。ダブルクリックで元の向き</source>
        <translation>Drag to turn the view; double-click to set it back</translation>
    </message>
    <message>
        <source>入力されたキューブ (Home)</source>
        <translation>The entered cube (Home)</translation>
    </message>
    <message>
        <source>最後まで再生／一時停止 (Space)</source>
        <translation>Play to the end / pause (Space)</translation>
    </message>
    <message>
        <source>最後の行 (End)</source>
        <translation>The last line (End)</translation>
    </message>
    <message>
        <source>何手目のキューブを見るか</source>
        <translation>The cube after this many turns</translation>
    </message>
    <message>
        <source>速さ</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>裏側も表示</source>
        <translation>Hidden faces</translation>
    </message>
    <message>
        <source>後ろ・下・左の面を反対側から見た小さなキューブで表示</source>
        <translation>Shows the back, bottom and left faces on small cubes seen from the other side</translation>
    </message>
    <message>
        <source>視点を戻す</source>
        <translation>Reset view</translation>
    </message>
    <message>
        <source>元の向き（ダブルクリックでも）</source>
        <translation>The first view (or double-click)</translation>
    </message>
    <message>
        <source>❚❚ 停止</source>
        <translation>❚❚ Pause</translation>
    </message>
    <message>
        <source>▶ 再生</source>
        <translation>▶ Play</translation>
    </message>
    <message>
        <source>◀ 前の手</source>
        <translation>◀ Previous turn</translation>
    </message>
    <message>
        <source>次の手 ▶</source>
        <translation>Next turn ▶</translation>
    </message>
    <message>
        <source>解法に戻る</source>
        <translation>Back to solution</translation>
    </message>
    <message>
        <source>%1：ここでキューブを上下反転</source>
        <translation>%1: turn the cube over here</translation>
    </message>
    <message>
        <source>%1 · %2/%3 手</source>
        <translation>%1 · %2/%3 turns</translation>
    </message>
</context>
<context>
    <name>Reference</name>
    <message>
        <source>参考：最短に近い解法&#x3000;%1 手</source>
        <translation>Near-shortest solution: %1 turns</translation>
    </message>
    <message>
        <source>参考：最短に近い解法を計算中…</source>
        <translation>Near-shortest solution: searching...</translation>
    </message>
    <message>
        <source>（探索の上限で打ち切り）</source>
        <translation> (search limit reached)</translation>
    </message>
    <message>
        <source>参考：最短に近い解法は探索の上限までに見つかりませんでした</source>
        <translation>Near-shortest solution: none found within the search limit</translation>
    </message>
    <message>
        <source>参考解法をコピー</source>
        <translation>Copy reference</translation>
    </message>
    <message>
        <source>標準記法（R U2 F&apos; …）でクリップボードへ</source>
        <translation>To the clipboard in standard notation (R U2 F&apos; ...)</translation>
    </message>
    <message>
        <source>3Dで再生</source>
        <translation>Play in 3D</translation>
    </message>
    <message>
        <source>入力されたキューブから参考解法を3Dキューブで再生</source>
        <translation>Plays the reference solution on the 3D cube from the entered cube</translation>
    </message>
    <message>
        <source>参考：最短に近い解法 · %1/%2 手</source>
        <translation>Near-shortest solution · turn %1/%2</translation>
    </message>
</context>
<context>
    <name>SolverWindow</name>
    <message>
        <source>表面</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>背面</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>試行された変換→</source>
        <translation>Moves tried →</translation>
    </message>
    <message>
        <source>変換の試行を準備する。（色が入力された初期の状態に戻します。）</source>
        <translation>Prepare to try moves (back to the cube as entered).</translation>
    </message>
    <message>
        <source>グリッド(前面)</source>
        <translation>Grids (front)</translation>
    </message>
    <message>
        <source>グリッド(背面)</source>
        <translation>Grids (back)</translation>
    </message>
    <message>
        <source>被試行変換</source>
        <translation>Moves tried</translation>
    </message>
    <message>
        <source>変換の試行準備をする。（色入力後の初期状態に戻す。）</source>
        <translation>Prepare to try moves (back to the cube as entered).</translation>
    </message>
    <message>
        <source>②．ｺｰﾅｰ・ｷｭｰﾌﾞの変換</source>
        <translation>② Corner cubes</translation>
    </message>
    <message>
        <source>③．ｴｯｼﾞｷｭｰﾌﾞの変換</source>
        <translation>③ Edge cubes</translation>
    </message>
    <message>
        <source>④．ｾﾝﾀｰｷｭｰﾌﾞの変換</source>
        <translation>④ Centre cubes</translation>
    </message>
    <message>
        <source>⑤．一括変換</source>
        <translation>⑤ Solve all</translation>
    </message>
    <message>
        <source>②．上CROSS</source>
        <translation>② Top cross</translation>
    </message>
    <message>
        <source>③．F2C</source>
        <translation>③ F2C</translation>
    </message>
    <message>
        <source>④．上下反転持ち替え</source>
        <translation>④ Turn cube over</translation>
    </message>
    <message>
        <source>⑤．F2M</source>
        <translation>⑤ F2M</translation>
    </message>
    <message>
        <source>⑥．OL</source>
        <translation>⑥ OL</translation>
    </message>
    <message>
        <source>⑦．PL</source>
        <translation>⑦ PL</translation>
    </message>
    <message>
        <source>⑧．一括変換</source>
        <translation>⑧ Solve all</translation>
    </message>
    <message>
        <source>⑤．中段</source>
        <translation>⑤ Middle layer</translation>
    </message>
    <message>
        <source>②．上一面</source>
        <translation>② Top face</translation>
    </message>
    <message>
        <source>③．上下反転持ち替え</source>
        <translation>③ Turn cube over</translation>
    </message>
    <message>
        <source>④．上一面その２</source>
        <translation>④ Top face 2</translation>
    </message>
    <message>
        <source>⑥．一括変換</source>
        <translation>⑥ Solve all</translation>
    </message>
    <message>
        <source>前面</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>上下反転：上の面と下の面が入れ替わります。</source>
        <translation>Upside down: the top and bottom faces change places.</translation>
    </message>
    <message>
        <source>手順から入力</source>
        <translation>Enter sequence</translation>
    </message>
    <message>
        <source>例：R U R&apos; U&apos;&#x3000;または&#x3000;Rx Ly2 Mz-</source>
        <translation>e.g. R U R&apos; U&apos;  or  Rx Ly2 Mz-</translation>
    </message>
    <message>
        <source>色の選択</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>①．色の入力終了</source>
        <translation>① Colours entered</translation>
    </message>
    <message>
        <source>自分で変換を試行する。</source>
        <translation>Try turns yourself.</translation>
    </message>
    <message>
        <source>番号を着ける。</source>
        <translation>Show numbers.</translation>
    </message>
    <message>
        <source>このListをClear。</source>
        <translation>Clear this list.</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>オレンジ</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>白</source>
        <translation>White</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>%1 手</source>
        <translation>%1 turns</translation>
    </message>
    <message>
        <source>直前の変換：%1 手</source>
        <translation>Last run: %1 turns</translation>
    </message>
    <message>
        <source>色が，未入力です。</source>
        <translation>No colours entered yet.</translation>
    </message>
    <message>
        <source>正しい配置と思われます。次ステップへ移って下さい。</source>
        <translation>The arrangement looks right. Go on to the next step.</translation>
    </message>
    <message>
        <source>誤った配置です。再入力して下さい。</source>
        <translation>Wrong arrangement. Please enter it again.</translation>
    </message>
    <message>
        <source>入力されたキューブ</source>
        <translation>The entered cube</translation>
    </message>
    <message>
        <source>手順を入力して下さい。</source>
        <translation>Please enter a turn sequence.</translation>
    </message>
    <message>
        <source>%1グリッドの色はそのままです。</source>
        <translation>%1The grid colours are unchanged.</translation>
    </message>
</context>
<context>
    <name>Stats</name>
    <message>
        <source>参考：最短に近い解法</source>
        <translation>Reference: near-shortest solution</translation>
    </message>
</context>
</TS>
