<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
</context>
</TS>
