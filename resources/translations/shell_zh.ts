<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>Print &amp;Direct</source>
        <translation>直接打印(&amp;D)</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Product Information</source>
        <translation>类型设置(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Channel Information</source>
        <translation>信道信息(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Optional Features</source>
        <translation>可选功能(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>读数据(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写数据(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Control Bar</source>
        <translation>控制栏(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Com Setup</source>
        <translation>端口设置(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;About XR_970...</source>
        <translation>关于 XR_970(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>帮助主题(&amp;H)</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>写频软件</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Demo radio</source>
        <translation>演示对讲机</translation>
    </message>
    <message>
        <source>&amp;Import Channels...</source>
        <translation>导入信道(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Export Channels...</source>
        <translation>导出信道(&amp;E)...</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>导出信道</translation>
    </message>
    <message>
        <source>The channels of this radio type cannot be edited.</source>
        <translation>此机型的信道不能编辑。</translation>
    </message>
    <message>
        <source>Could not open the file %1.</source>
        <translation>无法打开文件 %1。</translation>
    </message>
    <message>
        <source>Could not save the file %1.</source>
        <translation>无法保存文件 %1。</translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行号</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Apply the rows taken to the channels?</source>
        <translation>把接受的行写入信道吗？</translation>
    </message>
    <message>
        <source>No row can be taken; the channels stay as they are.</source>
        <translation>没有可以接受的行，信道保持不变。</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>接受</translation>
    </message>
    <message>
        <source>Taken as channel %1</source>
        <translation>已作为信道 %1 接受</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DocumentManager</name>
    <message>
        <source>Could not save the file %1.</source>
        <translation>无法保存文件 %1。</translation>
    </message>
    <message>
        <source>Could not open the file %1.</source>
        <translation>无法打开文件 %1。</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>是否保存对“%1”的更改？</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>PortSettingDialog</name>
    <message>
        <source>Port Setting</source>
        <translation>端口设置</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>The report could not be printed. Check that a printer is set up and switched on.</source>
        <translation>无法打印报表。请检查打印机是否已安装并已开启。</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Out of range,please input again.</source>
        <translation>超出范围，请重新输入。</translation>
    </message>
    <message>
        <source>Communication Error,Please check all the connections and the radio power</source>
        <translation>通讯错误，请检查所有连接及对讲机电源。</translation>
    </message>
    <message>
        <source>All data will be Cleared!</source>
        <translation>所有数据将被清除！</translation>
    </message>
    <message>
        <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
        <translation>无法打开端口，请检查端口是否被占用或设备是否正常。</translation>
    </message>
    <message>
        <source>Program Interrupt, Please reset the radio and try again</source>
        <translation>编程中断，请将对讲机复位后重试。</translation>
    </message>
    <message>
        <source>Error data Value, please input according the step value(6.25K/5k).</source>
        <translation>数据错误，请按步进值(6.25K/5K)输入。</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Read Data From Radio
Read</source>
        <translation>从对讲机读取数据
读数据</translation>
    </message>
    <message>
        <source>Write Data To Radio
Write</source>
        <translation>把数据写入对讲机
写数据</translation>
    </message>
    <message>
        <source>Choose the serial port of the programming cable
Com Setup</source>
        <translation>选择写频线所接的端口
端口设置</translation>
    </message>
    <message>
        <source>Show or hide the navigation bar
Control Bar</source>
        <translation>显示或隐藏导航栏
控制栏</translation>
    </message>
    <message>
        <source>Choose the radio type and frequency band
Product Information</source>
        <translation>选择对讲机的机型和频段
类型设置</translation>
    </message>
    <message>
        <source>Show the channel window
Channel Information</source>
        <translation>显示信道窗口
信道信息</translation>
    </message>
    <message>
        <source>Edit the radio-wide optional features
Optional Features</source>
        <translation>设置整机的可选功能
可选功能</translation>
    </message>
    <message>
        <source>Change the language of the program
Language</source>
        <translation>切换软件的语言（中文/英文）
语言</translation>
    </message>
    <message>
        <source>Create new channel data
New</source>
        <translation>新建信道数据
新建</translation>
    </message>
    <message>
        <source>Open a channel-data file
Open</source>
        <translation>打开信道数据文件
打开</translation>
    </message>
    <message>
        <source>Hide the channel window
Close</source>
        <translation>收起信道窗口
关闭</translation>
    </message>
    <message>
        <source>Save the channel data
Save</source>
        <translation>保存信道数据
保存</translation>
    </message>
    <message>
        <source>Save the channel data under a new name
Save As</source>
        <translation>以新文件名保存信道数据
另存为</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>选择打印机并更改打印选项
打印设置</translation>
    </message>
    <message>
        <source>Print the options and channels
Print</source>
        <translation>打印可选功能和信道
打印</translation>
    </message>
    <message>
        <source>Print on the default printer
Print Direct</source>
        <translation>用默认打印机直接打印
直接打印</translation>
    </message>
    <message>
        <source>Show the printed pages on screen
Print Preview</source>
        <translation>在屏幕上显示打印效果
打印预览</translation>
    </message>
    <message>
        <source>Show the program version and copyright
About</source>
        <translation>显示软件版本和版权信息
关于</translation>
    </message>
    <message>
        <source>Quit the program
Exit</source>
        <translation>退出软件
退出</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toolbar</source>
        <translation>显示或隐藏工具栏
工具栏</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Status Bar</source>
        <translation>显示或隐藏状态栏
状态栏</translation>
    </message>
    <message>
        <source>List the help topics
Help Topics</source>
        <translation>列出帮助主题
帮助主题</translation>
    </message>
    <message>
        <source>Take channels from a CSV channel list
Import Channels</source>
        <translation>从 CSV 信道列表导入信道
导入信道</translation>
    </message>
    <message>
        <source>Write the channels in use to a CSV channel list
Export Channels</source>
        <translation>把使用中的信道写入 CSV 信道列表
导出信道</translation>
    </message>
</context>
</TS>
