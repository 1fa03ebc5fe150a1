<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CellMarks</name>
    <message>
        <source>Radio: %1</source>
        <translation>对讲机：%1</translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>已保存：%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Show &amp;Differences</source>
        <translation>显示差异(&amp;D)</translation>
    </message>
    <message>
        <source>Changes Since Sa&amp;ved</source>
        <translation>自保存以来的修改(&amp;V)</translation>
    </message>
    <message>
        <source>Compare &amp;With File...</source>
        <translation>与文件比较(&amp;W)...</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Mark the cells that differ from the radio at the last compare
Show Differences</source>
        <translation>标出与上次比较时对讲机中的值不同的单元格
显示差异</translation>
    </message>
    <message>
        <source>Mark the cells changed since the file was opened or saved
Changes Since Saved</source>
        <translation>标出自打开或保存文件以来修改过的单元格
自保存以来的修改</translation>
    </message>
    <message>
        <source>Show the channels beside those of another file and copy between them
Compare With File</source>
        <translation>把信道与另一个文件的信道并排显示，并在两者之间复制
与文件比较</translation>
    </message>
</context>
<context>
    <name>CompareFilesDialog</name>
    <message>
        <source>Compare With File</source>
        <translation>与文件比较</translation>
    </message>
    <message>
        <source>Open &amp;File...</source>
        <translation>打开文件(&amp;F)...</translation>
    </message>
    <message>
        <source>Radio &amp;History...</source>
        <translation>对讲机记录(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Cell →</source>
        <translation>单元格 →</translation>
    </message>
    <message>
        <source>← Cell</source>
        <translation>← 单元格</translation>
    </message>
    <message>
        <source>Copy the current cell to the right</source>
        <translation>把当前单元格复制到右边</translation>
    </message>
    <message>
        <source>Copy the current cell to the left</source>
        <translation>把当前单元格复制到左边</translation>
    </message>
    <message>
        <source>Channels →</source>
        <translation>信道 →</translation>
    </message>
    <message>
        <source>← Channels</source>
        <translation>← 信道</translation>
    </message>
    <message>
        <source>Copy the selected channels to the right</source>
        <translation>把选定的信道复制到右边</translation>
    </message>
    <message>
        <source>Copy the selected channels to the left</source>
        <translation>把选定的信道复制到左边</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Copy Channel %1, %2</source>
        <translation>复制信道 %1，%2</translation>
    </message>
    <message>
        <source>Not copied: channel %1, %2: &quot;%3&quot; - %4</source>
        <translation>未复制：信道 %1，%2：“%3” - %4</translation>
    </message>
    <message>
        <source>Copy Channel %1</source>
        <translation>复制信道 %1</translation>
    </message>
    <message>
        <source>Copy Channels %1-%2</source>
        <translation>复制信道 %1-%2</translation>
    </message>
    <message>
        <source>Channels of %1</source>
        <translation>%1 的信道</translation>
    </message>
    <message>
        <source>Choose a file or a copy from the radio history.</source>
        <translation>请选择一个文件或对讲机记录副本。</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>没有差异。</translation>
    </message>
    <message>
        <source>Cells that differ: %1, in %2 channels. Other differences (options, attributes the grid hides, other bytes): %3.</source>
        <translation>不同的单元格：%1 个，在 %2 个信道中。其他差异（选项、表格不显示的属性、其他字节）：%3 处。</translation>
    </message>
    <message>
        <source>Undo in %1</source>
        <translation>在 %1 中撤销</translation>
    </message>
    <message>
        <source>Redo in %1</source>
        <translation>在 %1 中重做</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>是否保存对“%1”的更改？</translation>
    </message>
</context>
</TS>
