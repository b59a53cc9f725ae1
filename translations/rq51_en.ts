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
        <translation>Numbers</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>(a，b，c)は</source>
        <translation>(a, b, c) is</translation>
    </message>
    <message>
        <source>巡回置換を表す。</source>
        <translation>a cycle,</translation>
    </message>
    <message>
        <source>つまり</source>
        <translation>that is, it moves</translation>
    </message>
    <message>
        <source>   a はｂの位置に</source>
        <translation>   a to b&apos;s place,</translation>
    </message>
    <message>
        <source>   b はcの位置に</source>
        <translation>   b to c&apos;s place,</translation>
    </message>
    <message>
        <source>   c はaの位置に</source>
        <translation>   c to a&apos;s place</translation>
    </message>
    <message>
        <source>移動する。</source>
        <translation>all at once.</translation>
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
        <source>%1 に書き込めません（%2）。</source>
        <translation>Cannot write %1 (%2).</translation>
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
        <translation>“%1…”</translation>
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
    <name>Language</name>
    <message>
        <source>日本語</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>Playback</name>
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
    <name>SolverWindow</name>
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
