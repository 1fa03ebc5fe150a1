<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>复制(&amp;Y)</translation>
    </message>
    <message>
        <source>P&amp;aste</source>
        <translation>粘贴(&amp;A)</translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation>类型设置</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>The file %1 no longer exists; it was taken off the list of recent files.</source>
        <translation>文件 %1 已不存在，已从最近文件列表中移除。</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Navigation</source>
        <translation>导航</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help topic</source>
        <translation>帮助主题</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销%1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做%1(&amp;R)</translation>
    </message>
</context>
<context>
    <name>ChannelGrid</name>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
</context>
<context>
    <name>ChannelTableModel</name>
    <message>
        <source>%1, channel %2</source>
        <translation>%1，信道 %2</translation>
    </message>
</context>
<context>
    <name>ChannelView</name>
    <message>
        <source>Channel window</source>
        <translation>信道窗口</translation>
    </message>
    <message>
        <source>Edit Channel %1</source>
        <translation>编辑信道 %1</translation>
    </message>
</context>
<context>
    <name>GridClipboard</name>
    <message>
        <source>not one of the values of this column</source>
        <translation>不是此列的可选值</translation>
    </message>
    <message>
        <source>These cells were not pasted and keep their values:</source>
        <translation>以下单元格未粘贴，保留原值：</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>……另有 %1 个。</translation>
    </message>
    <message>
        <source>Left out, beyond the last channel or column: %1 values.</source>
        <translation>超出最后一个信道或最后一列而未粘贴的值：%1 个。</translation>
    </message>
    <message>
        <source>Channel %1, %2: &quot;%3&quot; - %4</source>
        <translation>信道 %1，%2：“%3” - %4</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
</context>
<context>
    <name>ViewTransfer</name>
    <message>
        <source>Read</source>
        <translation>读数据</translation>
    </message>
</context>
<context>
    <name>KeyStateIndicators</name>
    <message>
        <source>CAP</source>
        <translation>大写</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>滚动</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>大写锁定</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>数字锁定</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>滚动锁定</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>撤销最后一次修改
撤销</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>重做最后撤销的修改
重做</translation>
    </message>
    <message>
        <source>Copy the selected cells and delete their channels
Cut</source>
        <translation>复制所选单元格并删除其信道
剪切</translation>
    </message>
    <message>
        <source>Copy the selected cells to the clipboard
Copy</source>
        <translation>把所选单元格复制到剪贴板
复制</translation>
    </message>
    <message>
        <source>Fill the cells from the current one with the clipboard
Paste</source>
        <translation>从当前单元格起用剪贴板内容填充
粘贴</translation>
    </message>
    <message>
        <source>Open this document
Recent File</source>
        <translation>打开此文档
最近文件</translation>
    </message>
</context>
</TS>
