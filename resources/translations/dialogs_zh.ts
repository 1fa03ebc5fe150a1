<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>OptionalFeaturesDialog</name>
    <message>
        <source>Time Out Time (s)</source>
        <translation>超时定时器(秒)</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>静噪电平</translation>
    </message>
    <message>
        <source>Transmit Delay (s)</source>
        <translation>发射延迟(秒)</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Side Key</source>
        <translation>侧键</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>哔音</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>电池省电</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>VOX</source>
        <translation>声控</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>声控增益电平</translation>
    </message>
    <message>
        <source>Voice Annunciation</source>
        <translation>语音报号</translation>
    </message>
    <message>
        <source>Vox Delay Time (s)</source>
        <translation>声控延迟时间(秒)</translation>
    </message>
</context>
<context>
    <name>ProductInfoDialog</name>
    <message>
        <source>Product Information</source>
        <translation>类型设置</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
</context>
</TS>
