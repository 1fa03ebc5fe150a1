<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>PortSettingDialog</name>
    <message>
        <source>Choose the port of the programming cable: a COM port, or a device from the list below. A greyed port cannot be opened now; point at it to see why.</source>
        <translation>请选择写频线所在的端口：一个 COM 端口，或下面列表中的一个设备。灰色的端口目前打不开，把鼠标指向它可以看到原因。</translation>
    </message>
    <message>
        <source>&amp;Serial devices present:</source>
        <translation>当前的串口设备(&amp;S):</translation>
    </message>
</context>
<context>
    <name>SerialDeviceList</name>
    <message>
        <source>Serial devices present</source>
        <translation>当前的串口设备</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>写频线</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>制造商</translation>
    </message>
    <message>
        <source>USB ID</source>
        <translation>USB 标识</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Stable name</source>
        <translation>固定名称</translation>
    </message>
    <message>
        <source>likely: %1</source>
        <translation>可能是：%1</translation>
    </message>
</context>
<context>
    <name>ViewTransfer</name>
    <message>
        <source>%1 is not present, and several programming cables are connected. Choose the one the radio is on.</source>
        <translation>%1 不存在，而当前连接了多条写频线。请选择连接对讲机的那一条。</translation>
    </message>
    <message>
        <source>%1 is not present; using the programming cable on %2 (%3).</source>
        <translation>%1 不存在；改用 %2 上的写频线（%3）。</translation>
    </message>
</context>
</TS>
