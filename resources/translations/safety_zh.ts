<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CsvCommands</name>
    <message>
        <source>The channel list %1 was written, but without what it cannot hold:</source>
        <translation>信道列表 %1 已写入，但以下内容无法写入列表：</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>Could not save the file %1.</source>
        <translation>无法保存文件 %1。</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Could not save the file %1.</source>
        <translation>无法保存文件 %1。</translation>
    </message>
</context>
</TS>
