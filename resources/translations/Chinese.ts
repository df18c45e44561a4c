<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>Export PDF…</source>
        <translation>导出 PDF…</translation>
    </message>
    <message>
        <source>The program could not be started again. Please start it yourself to use the new language.</source>
        <translation>无法重新启动程序。请手动启动程序以使用新语言。</translation>
    </message>
</context>
<context>
    <name>radio::CAboutDlg</name>
    <message>
        <source>Programming software for dual-band FM handheld radios.</source>
        <translation>双频段调频手持对讲机写频软件。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>radio::CDtmfDecodePage</name>
    <message>
        <source>ID Code</source>
        <translation>ID 码</translation>
    </message>
    <message>
        <source>Group Code</source>
        <translation>组码</translation>
    </message>
    <message>
        <source>Stun</source>
        <translation>遥毙</translation>
    </message>
    <message>
        <source>Stun Activation</source>
        <translation>遥毙激活</translation>
    </message>
    <message>
        <source>Stun Code</source>
        <translation>遥毙码</translation>
    </message>
    <message>
        <source>Stun Type</source>
        <translation>遥毙类型</translation>
    </message>
</context>
<context>
    <name>radio::CDtmfDlg</name>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
</context>
<context>
    <name>radio::CDtmfEncodePage</name>
    <message>
        <source>DTMF Speed(digit/s)</source>
        <translation>DTMF 速率(位/秒)</translation>
    </message>
    <message>
        <source>First Digit Delay Time(ms)</source>
        <translation>首位延迟时间(毫秒)</translation>
    </message>
    <message>
        <source>First Digit Time(ms)</source>
        <translation>首位持续时间(毫秒)</translation>
    </message>
    <message>
        <source>* and # Digit Time(ms)</source>
        <translation>* 和 # 持续时间(毫秒)</translation>
    </message>
    <message>
        <source>SideTone</source>
        <translation>侧音</translation>
    </message>
</context>
<context>
    <name>radio::CKeyAssignDlg</name>
    <message>
        <source>Option Singalling Call</source>
        <translation>选呼信令呼叫</translation>
    </message>
    <message>
        <source>Emergency Call</source>
        <translation>紧急呼叫</translation>
    </message>
    <message>
        <source>Send 1750Hz Singal</source>
        <translation>发射1750Hz信号</translation>
    </message>
    <message>
        <source>Squelch Off Momentary</source>
        <translation>瞬时静噪关闭</translation>
    </message>
    <message>
        <source>Key Assignment</source>
        <translation>按键定义</translation>
    </message>
    <message>
        <source>Side Key</source>
        <translation>侧键</translation>
    </message>
</context>
<context>
    <name>radio::CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>The language could not be saved to Program.ini. Please check that the program directory can be written to.</source>
        <translation>无法将语言保存到 Program.ini。请检查程序目录是否可写。</translation>
    </message>
    <message>
        <source>The new language takes effect the next time the program starts.</source>
        <translation>新语言将在下次启动程序时生效。</translation>
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
    <name>radio::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
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
        <source>Setup</source>
        <translation>设置</translation>
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
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>打印设置...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation>机型设置</translation>
    </message>
    <message>
        <source>Channel Information</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>Key Assignment</source>
        <translation>按键定义</translation>
    </message>
    <message>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <source>2-Tone</source>
        <translation>两音</translation>
    </message>
    <message>
        <source>Squelch Tuning</source>
        <translation>静噪调整</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>读频(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写频(&amp;W)</translation>
    </message>
    <message>
        <source>Com Setup</source>
        <translation>端口设置</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>帮助主题</translation>
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
        <source>Control &amp;Bar</source>
        <translation>导航栏(&amp;B)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>All data will be Cleared!</source>
        <translation>所有数据将被清除！</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>建立新文件</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>打开一个现有文件</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>关闭当前文件</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>保存当前文件</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>用新名称保存当前文件</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>打印当前文件</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>显示整页</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>更改打印机及打印选项</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>Read Data From Radio</source>
        <translation>从对讲机读取数据</translation>
    </message>
    <message>
        <source>Write Data To Radio</source>
        <translation>把数据写入对讲机</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>显示程序信息、版本号和版权</translation>
    </message>
    <message>
        <source>Open Backup…</source>
        <translation>打开备份…</translation>
    </message>
    <message>
        <source>Open a copy kept of an earlier read from the radio</source>
        <translation>打开以前从对讲机读取时保留的副本</translation>
    </message>
    <message>
        <source>Compare With…</source>
        <translation>比较…</translation>
    </message>
    <message>
        <source>Compare the active document with a file, a backup or the radio</source>
        <translation>将当前文件与文件、备份或对讲机比较</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销(&amp;U) %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做(&amp;R) %1</translation>
    </message>
    <message>
        <source>Cu&amp;t Channels</source>
        <translation>剪切信道(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy Channels</source>
        <translation>复制信道(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste Channels</source>
        <translation>粘贴信道(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Insert Empty Channel</source>
        <translation>插入空信道(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Delete Channels</source>
        <translation>删除信道(&amp;D)</translation>
    </message>
    <message>
        <source>C&amp;lear Channels</source>
        <translation>清除信道(&amp;L)</translation>
    </message>
    <message>
        <source>Move Channels U&amp;p</source>
        <translation>信道上移(&amp;P)</translation>
    </message>
    <message>
        <source>Move Channels D&amp;own</source>
        <translation>信道下移(&amp;O)</translation>
    </message>
    <message>
        <source>Sort by Rx &amp;Frequency</source>
        <translation>按接收频率排序(&amp;F)</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>按名字排序(&amp;N)</translation>
    </message>
    <message>
        <source>Export Channels (CSV)…</source>
        <translation>导出信道(CSV)…</translation>
    </message>
    <message>
        <source>Import Channels (CSV)…</source>
        <translation>导入信道(CSV)…</translation>
    </message>
    <message>
        <source>Write the channels to a CSV file</source>
        <translation>把信道写入 CSV 文件</translation>
    </message>
    <message>
        <source>Take channels from a CSV file, after a preview</source>
        <translation>预览后从 CSV 文件导入信道</translation>
    </message>
</context>
<context>
    <name>radio::CMskDlg</name>
    <message>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <source>ID Code</source>
        <translation>ID 码</translation>
    </message>
    <message>
        <source>Call List</source>
        <translation>呼叫列表</translation>
    </message>
</context>
<context>
    <name>radio::CNavigationBar</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>radio::COpenBackupDlg</name>
    <message>
        <source>Open Backup</source>
        <translation>打开备份</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>机型</translation>
    </message>
    <message>
        <source>Bands (MHz)</source>
        <translation>频段 (MHz)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>No backups yet. A copy of every complete read from a radio is kept here.</source>
        <translation>尚无备份。每次从对讲机完整读取的数据都会在此保留一份副本。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Backups in %1</source>
        <translation>备份位置：%1</translation>
    </message>
</context>
<context>
    <name>radio::COptionalFeaturesDlg</name>
    <message>
        <source>Back Light</source>
        <translation>背光</translation>
    </message>
    <message>
        <source>Back Light Color</source>
        <translation>背光颜色</translation>
    </message>
    <message>
        <source>Power-on Style</source>
        <translation>开机显示</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>键盘锁</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>声控灵敏度</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>显示模式</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>省电</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>按键音</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>尾音消除</translation>
    </message>
    <message>
        <source>Scan Mode</source>
        <translation>扫描模式</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Step (k)</source>
        <translation>步进 (k)</translation>
    </message>
    <message>
        <source>TOT (s)</source>
        <translation>发射限时 (秒)</translation>
    </message>
    <message>
        <source>TOT Pre-Alert (s)</source>
        <translation>发射限时预警 (秒)</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>秒表</translation>
    </message>
    <message>
        <source>Short Press Orange Key</source>
        <translation>短按橙色键</translation>
    </message>
    <message>
        <source>STR Set</source>
        <translation>STR 设置</translation>
    </message>
    <message>
        <source>Allow Reset</source>
        <translation>允许复位</translation>
    </message>
    <message>
        <source>MSK Type</source>
        <translation>MSK 类型</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>键盘锁定</translation>
    </message>
    <message>
        <source>Repeater Msk Invert</source>
        <translation>中继 MSK 反相</translation>
    </message>
</context>
<context>
    <name>radio::CPortSettingDlg</name>
    <message>
        <source>Port Setting</source>
        <translation>端口设置</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
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
    <name>radio::CPrintListDlg</name>
    <message>
        <source>PrintList</source>
        <translation>打印列表</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>2-Tone</source>
        <translation>两音</translation>
    </message>
    <message>
        <source>Channel Info</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
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
    <name>radio::CProcessDlg</name>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Progress：</source>
        <translation>进度：</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>进程</translation>
    </message>
    <message>
        <source>Not start yet</source>
        <translation>尚未开始</translation>
    </message>
</context>
<context>
    <name>radio::CProductInfoDlg</name>
    <message>
        <source>Product Information</source>
        <translation>机型设置</translation>
    </message>
    <message>
        <source>Model Info</source>
        <translation>机型信息</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>机型</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>频段范围</translation>
    </message>
    <message>
        <source>——</source>
        <translation>——</translation>
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
    <name>radio::CProgramView</name>
    <message>
        <source>Error Data Format, please input again.</source>
        <translation>数据格式错误，请重新输入。</translation>
    </message>
    <message>
        <source>Error data Value, please input according the step value(6.25K/5k).</source>
        <translation>数据值错误，请按步进值(6.25K/5K)输入。</translation>
    </message>
    <message>
        <source>Out of range, please input again.</source>
        <translation>超出范围，请重新输入。</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Edit channel %1 %2</source>
        <translation>编辑信道 %1 %2</translation>
    </message>
    <message>
        <source>Cut Channels</source>
        <translation>剪切信道</translation>
    </message>
    <message>
        <source>Copy Channels</source>
        <translation>复制信道</translation>
    </message>
    <message>
        <source>Paste Channels</source>
        <translation>粘贴信道</translation>
    </message>
    <message>
        <source>Insert Empty Channel</source>
        <translation>插入空信道</translation>
    </message>
    <message>
        <source>Delete Channels</source>
        <translation>删除信道</translation>
    </message>
    <message>
        <source>Clear Channels</source>
        <translation>清除信道</translation>
    </message>
    <message>
        <source>Move Channels Up</source>
        <translation>信道上移</translation>
    </message>
    <message>
        <source>Move Channels Down</source>
        <translation>信道下移</translation>
    </message>
    <message>
        <source>Sort by Rx Frequency</source>
        <translation>按接收频率排序</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>按名字排序</translation>
    </message>
    <message>
        <source>Cut channels</source>
        <translation>剪切信道</translation>
    </message>
    <message>
        <source>Insert empty channel</source>
        <translation>插入空信道</translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation>删除信道</translation>
    </message>
    <message>
        <source>Clear channels</source>
        <translation>清除信道</translation>
    </message>
    <message>
        <source>Move channels up</source>
        <translation>信道上移</translation>
    </message>
    <message>
        <source>Move channels down</source>
        <translation>信道下移</translation>
    </message>
    <message>
        <source>Sort channels by name</source>
        <translation>按名字排序信道</translation>
    </message>
    <message>
        <source>Sort channels by receive frequency</source>
        <translation>按接收频率排序信道</translation>
    </message>
    <message>
        <source>Paste channels</source>
        <translation>粘贴信道</translation>
    </message>
    <message>
        <source>Channel 128 is in use: inserting would lose it. Delete or move it first.</source>
        <translation>信道128已使用，插入会丢失它。请先删除或移动它。</translation>
    </message>
    <message>
        <source>Line %1: the receive frequency "%2" cannot be stored.</source>
        <translation>第%1行：接收频率“%2”无法存储。</translation>
    </message>
    <message>
        <source>The clipboard holds no channels.</source>
        <translation>剪贴板中没有信道。</translation>
    </message>
    <message>
        <source>The clipboard holds %1 channels but %2 are selected. Paste %3 channels from channel %4 on?</source>
        <translation>剪贴板中有%1个信道，但选中了%2个。是否从信道%4起粘贴%3个信道？</translation>
    </message>
    <message>
        <source>Only %1 of the %2 channels fit before channel 128. Paste them?</source>
        <translation>信道128之前只能放下%2个信道中的%1个。是否粘贴？</translation>
    </message>
    <message>
        <source>Some rows were skipped: %1</source>
        <translation>部分行已跳过：%1</translation>
    </message>
</context>
<context>
    <name>radio::CSettingDlg</name>
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
    <name>radio::CSquelchTuningDlg</name>
    <message>
        <source>Squelch Tuning</source>
        <translation>静噪调整</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
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
    <name>radio::CTwoToneDecodePage</name>
    <message>
        <source>A Tone(HZ)</source>
        <translation>A 音频(Hz)</translation>
    </message>
    <message>
        <source>B Tone(HZ)</source>
        <translation>B 音频(Hz)</translation>
    </message>
    <message>
        <source>The first delay time(s)</source>
        <translation>第一延迟时间(秒)</translation>
    </message>
    <message>
        <source>The second delay time(s)</source>
        <translation>第二延迟时间(秒)</translation>
    </message>
    <message>
        <source>Interval time(s)</source>
        <translation>间隔时间(秒)</translation>
    </message>
    <message>
        <source>Long tone delay time(s)</source>
        <translation>长音延迟时间(秒)</translation>
    </message>
</context>
<context>
    <name>radio::CTwoToneDlg</name>
    <message>
        <source>2-Tone</source>
        <translation>两音</translation>
    </message>
</context>
<context>
    <name>radio::CTwoToneEncodePage</name>
    <message>
        <source>The first delay time(s)</source>
        <translation>第一延迟时间(秒)</translation>
    </message>
    <message>
        <source>The second delay time(s)</source>
        <translation>第二延迟时间(秒)</translation>
    </message>
    <message>
        <source>Long tone delay time(s)</source>
        <translation>长音延迟时间(秒)</translation>
    </message>
    <message>
        <source>Tone interval time(ms)</source>
        <translation>音频间隔时间(毫秒)</translation>
    </message>
    <message>
        <source>Tx rise delay time(ms)</source>
        <translation>发射上升延迟时间(毫秒)</translation>
    </message>
    <message>
        <source>Short beep tone</source>
        <translation>短提示音</translation>
    </message>
</context>
<context>
    <name>radio::PrintCommands</name>
    <message>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>radio::CCompareDlg</name>
    <message>
        <source>Compare With</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Choose what to compare this document with.</source>
        <translation>请选择与本文件比较的对象。</translation>
    </message>
    <message>
        <source>File…</source>
        <translation>文件…</translation>
    </message>
    <message>
        <source>Backup…</source>
        <translation>备份…</translation>
    </message>
    <message>
        <source>Radio…</source>
        <translation>对讲机…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>the radio</source>
        <translation>对讲机</translation>
    </message>
    <message>
        <source>Double-click to show this channel in the grid</source>
        <translation>双击在表格中显示该信道</translation>
    </message>
    <message>
        <source>No differences: %1 and this document hold the same image.</source>
        <translation>没有差异：%1 与本文件的数据相同。</translation>
    </message>
    <message>
        <source>Differences from %1 to this document: %2</source>
        <translation>从 %1 到本文件的差异：%2 处</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>与文件比较</translation>
    </message>
    <message>
        <source>Compare With Backup</source>
        <translation>与备份比较</translation>
    </message>
</context>
<context>
    <name>radio::CProgramDoc</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>radio::ChannelCsvCommands</name>
    <message>
        <source>… and %1 more</source>
        <translation>… 另有 %1 条</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Export Channels (CSV)</source>
        <translation>导出信道(CSV)</translation>
    </message>
    <message>
        <source>Import Channels (CSV)</source>
        <translation>导入信道(CSV)</translation>
    </message>
    <message>
        <source>The channels could not be written to "%1".
%2</source>
        <translation>信道无法写入“%1”。
%2</translation>
    </message>
    <message>
        <source>"%1" cannot be opened.
%2</source>
        <translation>无法打开“%1”。
%2</translation>
    </message>
    <message>
        <source>"%1" cannot be read.
%2</source>
        <translation>无法读取“%1”。
%2</translation>
    </message>
    <message>
        <source>No channel was imported: "%1" is not a channel list.

%2</source>
        <translation>未导入任何信道：“%1”不是信道列表。

%2</translation>
    </message>
    <message>
        <source>No channel was imported: no row of "%1" changes a channel.</source>
        <translation>未导入任何信道：“%1”中没有改变信道的行。</translation>
    </message>
    <message>
        <source>%1 rows skipped:</source>
        <translation>跳过 %1 行：</translation>
    </message>
    <message>
        <source>Import channels from CSV</source>
        <translation>从 CSV 导入信道</translation>
    </message>
</context>
<context>
    <name>radio::CChannelImportDlg</name>
    <message>
        <source>Import Channels (CSV)</source>
        <translation>导入信道(CSV)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>原值</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新值</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>%1 channels will change, %2 rows skipped</source>
        <translation>将改变 %1 个信道，跳过 %2 行</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 / %2 MHz, tones %3 / %4, "%5", %6, %7, scan %8, busy lock %9</source>
        <translation>%1 / %2 MHz，亚音 %3 / %4，“%5”，%6，%7，扫描 %8，繁忙锁定 %9</translation>
    </message>
    <message>
        <source>, signal %1 %2 / %3</source>
        <translation>，信令 %1 %2 / %3</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(空)</translation>
    </message>
    <message>
        <source>skipped: stays as it is</source>
        <translation>跳过：保持不变</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>不变</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告：%1</translation>
    </message>
</context>
</TS>
