#!/usr/bin/env python3
"""Writes resources/translations/English.ts and Chinese.ts from the table
below: the program's menu, toolbar and status texts and their Chinese
renderings. Run it after adding a tr() text to the shell; other parts keep
their own entries in the .ts files (the script keeps contexts it does not own)."""
import html
import pathlib
import re

ROOT = pathlib.Path(__file__).resolve().parent.parent
OWNED = {
    "radio::CMainFrame": {
        "&File": "文件(&F)", "&Edit": "编辑(&E)", "&Program": "编程(&P)", "Setup": "设置",
        "&View": "查看(&V)", "&Help": "帮助(&H)",
        "&New": "新建(&N)", "&Open...": "打开(&O)...", "&Close": "关闭(&C)", "&Save": "保存(&S)",
        "Save &As...": "另存为(&A)...", "&Print...": "打印(&P)...", "Print Preview": "打印预览",
        "P&rint Setup...": "打印设置(&R)...", "Print Setup...": "打印设置...", "E&xit": "退出(&X)",
        "Product Information": "机型设置", "Channel Information": "信道信息",
        "Optional Features": "可选功能", "DTMF": "DTMF", "Key Assignment": "按键定义",
        "MSK": "MSK", "2-Tone": "两音", "Squelch Tuning": "静噪调整",
        "&Read": "读频(&R)", "&Write": "写频(&W)", "Com Setup": "端口设置", "Language": "语言",
        "&About ...": "关于(&A)...", "Help": "帮助", "Help Topics": "帮助主题",
        "&Toolbar": "工具栏(&T)", "&Status Bar": "状态栏(&S)", "Control &Bar": "导航栏(&B)",
        "Standard": "标准", "Ready": "就绪", "Open": "打开", "Save As": "另存为",
        "All data will be Cleared!": "所有数据将被清除！",
        "Create a new document": "建立新文件", "Open an existing document": "打开一个现有文件",
        "Close the active document": "关闭当前文件", "Save the active document": "保存当前文件",
        "Save the active document with a new name": "用新名称保存当前文件",
        "Print the active document": "打印当前文件", "Display full pages": "显示整页",
        "Change the printer and printing options": "更改打印机及打印选项",
        "Quit the application": "退出程序",
        "Read Data From Radio": "从对讲机读取数据",
        "Write Data To Radio": "把数据写入对讲机",
        "Display program information, version number and copyright": "显示程序信息、版本号和版权",
        "Open Backup…": "打开备份…",
        "Open a copy kept of an earlier read from the radio": "打开以前从对讲机读取时保留的副本",
        "Compare With…": "比较…",
        "Compare the active document with a file, a backup or the radio": "将当前文件与文件、备份或对讲机比较",
        "&Undo": "撤销(&U)", "&Redo": "重做(&R)", "&Undo %1": "撤销(&U) %1", "&Redo %1": "重做(&R) %1",
        "Cu&t Channels": "剪切信道(&T)", "&Copy Channels": "复制信道(&C)", "&Paste Channels": "粘贴信道(&P)",
        "&Insert Empty Channel": "插入空信道(&I)", "&Delete Channels": "删除信道(&D)",
        "C&lear Channels": "清除信道(&L)", "Move Channels U&p": "信道上移(&P)",
        "Move Channels D&own": "信道下移(&O)", "Sort by Rx &Frequency": "按接收频率排序(&F)",
        "Sort by &Name": "按名字排序(&N)",
        "Export Channels (CSV)…": "导出信道(CSV)…", "Import Channels (CSV)…": "导入信道(CSV)…",
        "Write the channels to a CSV file": "把信道写入 CSV 文件",
        "Take channels from a CSV file, after a preview": "预览后从 CSV 文件导入信道",
    },
    "radio::CNavigationBar": {"Close": "关闭"},
}


def message(source, translation):
    return ("    <message>\n        <source>%s</source>\n        <translation>%s</translation>\n"
            "    </message>\n" % (html.escape(source, quote=False), html.escape(translation, quote=False)))


def other_contexts(path):
    """The <context> blocks of other parts, kept as they are."""
    if not path.exists():
        return ""
    text = path.read_text(encoding="utf-8")
    kept = []
    for block in re.findall(r"<context>.*?</context>\n?", text, re.S):
        name = re.search(r"<name>(.*?)</name>", block).group(1)
        if name not in OWNED:
            kept.append(block)
    return "".join(kept)


for lang, pick in (("English", lambda s, t: s), ("Chinese", lambda s, t: t)):
    path = ROOT / "resources" / "translations" / (lang + ".ts")
    code = "en_US" if lang == "English" else "zh_CN"
    out = ['<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n<TS version="2.1" language="%s">\n' % code]
    for context, texts in OWNED.items():
        out.append("<context>\n    <name>%s</name>\n" % context)
        for source, chinese in texts.items():
            out.append(message(source, pick(source, chinese)))
        out.append("</context>\n")
    out.append(other_contexts(path))
    out.append("</TS>\n")
    path.write_text("".join(out), encoding="utf-8")
