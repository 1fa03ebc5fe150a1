<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FileReader</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>这是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file; the program reads only regular files.</source>
        <translation>这是命名管道 (FIFO)，不是文件；本程序只读取普通文件。</translation>
    </message>
    <message>
        <source>It is a device, not a file; the program reads only regular files.</source>
        <translation>这是设备，不是文件；本程序只读取普通文件。</translation>
    </message>
    <message>
        <source>It is a socket or another special file; the program reads only regular files.</source>
        <translation>这是套接字或其他特殊文件；本程序只读取普通文件。</translation>
    </message>
</context>
</TS>
