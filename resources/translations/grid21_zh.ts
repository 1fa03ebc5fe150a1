<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>GridClipboard</name>
    <message>
        <source>longer than any cell can hold</source>
        <translation>超出单元格能容纳的长度</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds %1 characters, far more than 16 channels can take.</source>
        <translation>未粘贴任何内容：剪贴板中有 %1 个字符，远远超出 16 个信道所能容纳的数量。</translation>
    </message>
</context>
</TS>
