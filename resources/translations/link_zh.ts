<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>LinkMessages</name>
    <message>
        <source>Communication Error,Please check all the connections and the radio power</source>
        <translation>通讯错误，请检查所有连接线及对讲机电源</translation>
    </message>
    <message>
        <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
        <translation>无法打开端口，请检查端口是否被占用或设备是否正常</translation>
    </message>
    <message>
        <source>Program Interrupt, Please reset the radio and try again</source>
        <translation>写频中断，请重新启动对讲机后再试</translation>
    </message>
</context>
</TS>
