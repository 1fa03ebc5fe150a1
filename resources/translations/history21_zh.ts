<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>HistoryDialog</name>
    <message>
        <source>The folder of the radio history cannot be read: %1</source>
        <translation>无法读取对讲机记录的文件夹：%1</translation>
    </message>
</context>
</TS>
