<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>Radio &amp;History...</source>
        <translation>对讲机记录(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Compare with Radio</source>
        <translation>与对讲机比较(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Verify after Write</source>
        <translation>写入后校验(&amp;V)</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Read the radio and show what differs from the channel data
Compare with Radio</source>
        <translation>读取对讲机并显示与信道数据的不同之处
与对讲机比较</translation>
    </message>
    <message>
        <source>Open a copy of an earlier read from the radio
Radio History</source>
        <translation>打开以前从对讲机读取的副本
对讲机记录</translation>
    </message>
    <message>
        <source>Read the radio back after each write and compare
Verify after Write</source>
        <translation>每次写入后读回对讲机并比较
写入后校验</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare with Radio</source>
        <translation>与对讲机比较</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>不同之处</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The radio holds what %1 holds: no differences (read at %2).</source>
        <translation>对讲机中的数据与 %1 相同：没有不同之处（读取于 %2）。</translation>
    </message>
    <message>
        <source>Differences between %1 (before the arrow) and the radio (after the arrow), read at %2:</source>
        <translation>%1（箭头前）与对讲机（箭头后）的不同之处，读取于 %2：</translation>
    </message>
    <message>
        <source>Save the Differences</source>
        <translation>保存不同之处</translation>
    </message>
    <message>
        <source>%1 - radio.txt</source>
        <translation>%1 - 对讲机.txt</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>文本文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Could not save the file %1.</source>
        <translation>无法保存文件 %1。</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Receive only</source>
        <translation>仅接收</translation>
    </message>
    <message>
        <source>Transmit only</source>
        <translation>仅发射</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Radio History</source>
        <translation>对讲机记录</translation>
    </message>
    <message>
        <source>No reads are stored yet. Every read from the radio keeps a copy here.</source>
        <translation>还没有保存的读取。每次从对讲机读取都会在这里保存一份副本。</translation>
    </message>
    <message>
        <source>The &amp;copies of the reads from the radio, newest first (the last %1 are kept):</source>
        <translation>从对讲机读取的副本(&amp;C)，最新的在前（保留最近 %1 次）：</translation>
    </message>
    <message>
        <source>Reads from the radio</source>
        <translation>从对讲机的读取</translation>
    </message>
    <message>
        <source>Read at</source>
        <translation>读取时间</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>对讲机</translation>
    </message>
    <message>
        <source>Channels in use</source>
        <translation>使用的信道</translation>
    </message>
    <message>
        <source>First channels</source>
        <translation>前几个信道</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>文件夹：%1</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>无法读取</translation>
    </message>
</context>
<context>
    <name>ViewTransfer</name>
    <message>
        <source>Written, not verified</source>
        <translation>已写入，未校验</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>已校验</translation>
    </message>
    <message>
        <source>Written, but the radio does not hold it</source>
        <translation>已写入，但对讲机中的数据与写入的不同</translation>
    </message>
    <message>
        <source>The read completed, but its copy could not be kept in the radio history:</source>
        <translation>读取已完成，但无法在对讲机记录中保存副本：</translation>
    </message>
</context>
<context>
    <name>DocumentManager</name>
    <message>
        <source>Radio %1</source>
        <translation>对讲机 %1</translation>
    </message>
</context>
</TS>
