<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Next Window</source>
        <translation>下一个窗口(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Previous Window</source>
        <translation>上一个窗口(&amp;P)</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Show the window of the next document
Next Window</source>
        <translation>显示下一个文档的窗口
下一个窗口</translation>
    </message>
    <message>
        <source>Show the window of the previous document
Previous Window</source>
        <translation>显示上一个文档的窗口
上一个窗口</translation>
    </message>
    <message>
        <source>Show the window of this document
Window</source>
        <translation>显示这个文档的窗口
窗口</translation>
    </message>
</context>
<context>
    <name>FileFilters</name>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>ViewTransfer</name>
    <message>
        <source>Written</source>
        <translation>已写入</translation>
    </message>
</context>
</TS>
