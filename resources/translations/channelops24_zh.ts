<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>Fill &amp;Down</source>
        <translation>向下填充(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>上移(&amp;M)</translation>
    </message>
    <message>
        <source>Move Dow&amp;n</source>
        <translation>下移(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Insert Empty Channel</source>
        <translation>插入空信道(&amp;I)</translation>
    </message>
    <message>
        <source>D&amp;elete Channel</source>
        <translation>删除信道(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Sort by Rx Frequency</source>
        <translation>按接收频率排序(&amp;S)</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Copy the first selected cell into the selected cells below it
Fill Down</source>
        <translation>把所选的第一个单元格复制到其下方的所选单元格
向下填充</translation>
    </message>
    <message>
        <source>Move the selected channels up one place
Move Up</source>
        <translation>把所选信道上移一位
上移</translation>
    </message>
    <message>
        <source>Move the selected channels down one place
Move Down</source>
        <translation>把所选信道下移一位
下移</translation>
    </message>
    <message>
        <source>Insert an empty channel at the selected one; the channels below move down
Insert Empty Channel</source>
        <translation>在所选信道处插入一个空信道，其下的信道依次下移
插入空信道</translation>
    </message>
    <message>
        <source>Delete the selected channels; the channels below move up
Delete Channel</source>
        <translation>删除所选信道，其下的信道依次上移
删除信道</translation>
    </message>
    <message>
        <source>Sort the selected channels, or all, by receive frequency (a transmit-only radio by transmit frequency)
Sort by Rx Frequency</source>
        <translation>按接收频率为所选信道（或全部信道）排序（只发射的电台按发射频率）
按接收频率排序</translation>
    </message>
</context>
<context>
    <name>ChannelOperations</name>
    <message>
        <source>the channel is not in use: enter its frequency first</source>
        <translation>该信道未使用：请先输入其频率</translation>
    </message>
</context>
<context>
    <name>GridOperations</name>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Move Channels</source>
        <translation>移动信道</translation>
    </message>
    <message>
        <source>Insert Empty Channel</source>
        <translation>插入空信道</translation>
    </message>
    <message>
        <source>No channel was inserted: channel 16 is in use and would fall off the end. Delete or move a channel first.</source>
        <translation>未插入信道：信道 16 正在使用，插入后它将被挤出末尾。请先删除或移动一个信道。</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>删除信道</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>按%1排序</translation>
    </message>
    <message>
        <source>Fill Down</source>
        <translation>向下填充</translation>
    </message>
    <message>
        <source>These cells were not filled and keep their values:</source>
        <translation>以下单元格未填充，保留原值：</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>设置%1</translation>
    </message>
    <message>
        <source>These cells were not set and keep their values:</source>
        <translation>以下单元格未设置，保留原值：</translation>
    </message>
</context>
<context>
    <name>ChannelMenus</name>
    <message>
        <source>Set %1 for selected channels...</source>
        <translation>为所选信道设置%1...</translation>
    </message>
    <message>
        <source>Set %1 for selected channels</source>
        <translation>为所选信道设置%1</translation>
    </message>
    <message>
        <source>Set %1 for selected channels:</source>
        <translation>为所选信道设置%1：</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>设置%1</translation>
    </message>
    <message>
        <source>%1 for the selected channels:</source>
        <translation>所选信道的%1：</translation>
    </message>
</context>
</TS>
