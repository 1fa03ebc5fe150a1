<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>TransferMessages</name>
    <message>
        <source>The write completed, but reading it back to verify failed:</source>
        <translation>写入已完成，但读回校验失败：</translation>
    </message>
</context>
</TS>
