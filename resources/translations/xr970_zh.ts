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
    <name>CellMarks</name>
    <message>
        <source>Radio: %1</source>
        <extracomment>The tool tip of a cell that differs from what the radio held at the last compare.</extracomment>
        <translation>对讲机：%1</translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <extracomment>The tool tip of a cell an edit changed since the file was opened or saved.</extracomment>
        <translation>已保存：%1</translation>
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
    <name>ChannelMenus</name>
    <message>
        <source>Set %1 for se&amp;lected channels...</source>
        <translation>为所选信道设置%1(&amp;L)...</translation>
    </message>
    <message>
        <source>Set %1 for se&amp;lected channels</source>
        <translation>为所选信道设置%1(&amp;L)</translation>
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
<context>
    <name>ChannelOperations</name>
    <message>
        <source>the channel is not in use: enter its frequency first</source>
        <translation>该信道未使用：请先输入其频率</translation>
    </message>
</context>
<context>
    <name>ChannelTableModel</name>
    <message>
        <source>%1, channel %2</source>
        <extracomment>A channel cell for assistive technology: its column title and channel number.</extracomment>
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
<context>
    <name>CsvCommands</name>
    <message>
        <source>The channel list %1 was written, but without what it cannot hold:</source>
        <translation>信道列表 %1 已写入，但以下内容无法写入列表：</translation>
    </message>
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
        <source>Radio %1</source>
        <translation>对讲机 %1</translation>
    </message>
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
    <name>FileFilters</name>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
</context>
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
<context>
    <name>FleetCableModel</name>
    <message>
        <source>not started</source>
        <translation>未开始</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>写频线</translation>
    </message>
    <message>
        <source>Stable name</source>
        <translation>固定名称</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>对讲机数</translation>
    </message>
</context>
<context>
    <name>FleetLogModel</name>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>写频线</translation>
    </message>
    <message>
        <source>Stable name</source>
        <translation>固定名称</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>对讲机</translation>
    </message>
    <message>
        <source>Variant</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>详情</translation>
    </message>
</context>
<context>
    <name>FleetWindow</name>
    <message>
        <source>Program Several Radios</source>
        <translation>批量写频</translation>
    </message>
    <message>
        <source>Each radio put on a cable is backed up, written with %1 (%2 radios; others are refused), read back and compared. Take it off when its row says so and put on the next.</source>
        <translation>接到写频线上的每台对讲机都先备份，再写入 %1（%2对讲机；其他类型将被拒绝），然后读回比较。当该行提示时取下对讲机，再接上下一台。</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>写频线</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>合计</translation>
    </message>
    <message>
        <source>C&amp;ables:</source>
        <translation>写频线(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Log:</source>
        <translation>日志(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Verify each radio</source>
        <translation>逐台校验(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Back up each radio first</source>
        <translation>写入前先备份(&amp;B)</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>不限</translation>
    </message>
    <message>
        <source> radios</source>
        <translation> 台</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>完成后停止</translation>
    </message>
    <message>
        <source>Stop a&amp;fter:</source>
        <translation>达到台数后停止(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>A&amp;dd Device...</source>
        <translation>添加设备(&amp;D)...</translation>
    </message>
    <message>
        <source>Sa&amp;ve Log...</source>
        <translation>保存日志(&amp;V)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>添加设备</translation>
    </message>
    <message>
        <source>The serial &amp;device of a cable:</source>
        <translation>写频线的串口设备(&amp;D)：</translation>
    </message>
    <message>
        <source>The log could not be kept in %1: %2</source>
        <translation>无法将日志保存到 %1：%2</translation>
    </message>
    <message>
        <source>The log is kept in %1.</source>
        <translation>日志保存在 %1。</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>保存日志</translation>
    </message>
    <message>
        <source>bench log.csv</source>
        <translation>批量写频日志.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Could not save the file %1.</source>
        <translation>无法保存文件 %1。</translation>
    </message>
    <message>
        <source>A radio is being written.

Yes: finish the radios being written, then close.
No: stop at once (a radio cut short is logged as half-written).
Cancel: keep the bench running.</source>
        <translation>正在写入对讲机。

是：写完正在写入的对讲机后关闭。
否：立即停止（中途停止的对讲机会在日志中记为写入未完成）。
取消：继续批量写频。</translation>
    </message>
    <message>
        <source>Stop &amp;Now</source>
        <translation>立即停止(&amp;N)</translation>
    </message>
    <message>
        <source>Programmed: %1    Failed: %2    Refused: %3    Elapsed: %4</source>
        <translation>已写频：%1    失败：%2    拒绝：%3    用时：%4</translation>
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
    <message>
        <source>longer than any cell can hold</source>
        <translation>超出单元格能容纳的长度</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds %1 characters, far more than 16 channels can take.</source>
        <translation>未粘贴任何内容：剪贴板中有 %1 个字符，远远超出 16 个信道所能容纳的数量。</translation>
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
    <name>HelpWindow</name>
    <message>
        <source>Help topic</source>
        <translation>帮助主题</translation>
    </message>
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
    <name>HistoryDialog</name>
    <message>
        <source>The folder of the radio history cannot be read: %1</source>
        <translation>无法读取对讲机记录的文件夹：%1</translation>
    </message>
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
    <name>LanguageDialog</name>
    <message>
        <source>Could not save the file %1.</source>
        <translation>无法保存文件 %1。</translation>
    </message>
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
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Next Window</source>
        <translation>下一个窗口(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Previous Window</source>
        <translation>上一个窗口(&amp;P)</translation>
    </message>
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
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>批量写频(&amp;S)...</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Navigation</source>
        <translation>导航</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
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
    <name>PortSettingDialog</name>
    <message>
        <source>Choose the port of the programming cable: a COM port, or a device from the list below. A greyed port cannot be opened now; point at it to see why.</source>
        <translation>请选择写频线所在的端口：一个 COM 端口，或下面列表中的一个设备。灰色的端口目前打不开，把鼠标指向它可以看到原因。</translation>
    </message>
    <message>
        <source>&amp;Serial devices present:</source>
        <translation>当前的串口设备(&amp;S):</translation>
    </message>
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
        <source>Could not save the file %1.</source>
        <translation>无法保存文件 %1。</translation>
    </message>
    <message>
        <source>The report could not be printed. Check that a printer is set up and switched on.</source>
        <translation>无法打印报表。请检查打印机是否已安装并已开启。</translation>
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
    <message>
        <source>Show the window of the next document
Next Window</source>
        <translation>显示下一个文档的窗口
下一个窗口</translation>
    </message>
    <message>
        <source>Show the window of the previous document
Previous Window</source>
        <translation>显示上一个文档的窗口
上一个窗口</translation>
    </message>
    <message>
        <source>Show the window of this document
Window</source>
        <translation>显示这个文档的窗口
窗口</translation>
    </message>
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
    <message>
        <source>Write the channel data into radio after radio, on several cables at once, each backed up, verified and logged
Program Several Radios</source>
        <translation>用多条写频线同时把信道数据逐台写入对讲机，每台都备份、校验并记录
批量写频</translation>
    </message>
</context>
<context>
    <name>TransferMessages</name>
    <message>
        <source>The write completed, but reading it back to verify failed:</source>
        <translation>写入已完成，但读回校验失败：</translation>
    </message>
</context>
<context>
    <name>ViewTransfer</name>
    <message>
        <source>Read</source>
        <translation>读数据</translation>
    </message>
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
    <message>
        <source>%1 is not present, and several programming cables are connected. Choose the one the radio is on.</source>
        <translation>%1 不存在，而当前连接了多条写频线。请选择连接对讲机的那一条。</translation>
    </message>
    <message>
        <source>%1 is not present; using the programming cable on %2 (%3).</source>
        <translation>%1 不存在；改用 %2 上的写频线（%3）。</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>已写入</translation>
    </message>
</context>
</TS>
