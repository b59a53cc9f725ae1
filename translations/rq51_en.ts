<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Language</name>
    <message>
        <source>日本語</source>
        <translation>English</translation>
    </message>
</context>
</TS>
