#include "messages/program_help.h"

namespace pilaro::messages {

Wording helpWording(HelpText text) {
    switch (text) {
        case HelpText::WindowProgram:
            return {
                "用法: pilaro [选项]\n"
                "\n"
                "圆形截面钢筋混凝土构件（柱、墩、桩）偏心受压的配筋计算与强度校核：\n"
                "打开计算窗口，在窗口中选择混凝土标号和钢筋等级，输入荷载和截面，运行并打印。\n"
                "\n"
                "选项:\n"
                "  -h, --help     显示本帮助并退出\n"
                "  --version      显示版本并退出\n"
                "\n"
                "Qt 的标准选项（如 -platform、-style）也可使用。荷载组合表的批量计算和\n"
                "N–M 相互作用图见 pilaro-batch --help；不装程序也能用的浏览器版为\n"
                "/usr/share/pilaro/pilaro.html。\n",
                "Usage: pilaro [options]\n"
                "\n"
                "Designs or checks the longitudinal steel of a circular reinforced-concrete\n"
                "member (column, pier, pile) under eccentric compression: opens the window,\n"
                "where the grades are chosen, the loads and the section typed, run and "
                "printed.\n"
                "\n"
                "Options:\n"
                "  -h, --help     print this help and exit\n"
                "  --version      print the version and exit\n"
                "\n"
                "Qt's standard options (such as -platform, -style) are taken too. Tables of\n"
                "load cases and N–M interaction diagrams: pilaro-batch --help; the browser\n"
                "edition, which needs no installation, is /usr/share/pilaro/pilaro.html.\n"};
        case HelpText::Program:
            return {
                "对圆形截面钢筋混凝土构件的荷载组合表逐行作配筋计算或强度校核，"
                "与窗口的计算相同。",
                "Designs or checks each row of a table of load cases of a circular "
                "reinforced-concrete member, as the window calculates it."};
        case HelpText::Input:
            return {"荷载组合表（CSV 文件），- 为标准输入",
                    "the table of load cases (a CSV file); - for standard input"};
        case HelpText::Output:
            return {
                "结果写到 FILE（.csv、.jsonl 或 .xlsx，格式由扩展名决定），"
                "要么完整写成，要么不写；默认写到标准输出（CSV）",
                "write the results to FILE (.csv, .jsonl or .xlsx, the format by the "
                "extension), whole or not at all; standard output (CSV) by default"};
        case HelpText::Format:
            return {"输出格式；有 --output 时须与其扩展名一致",
                    "the output's format; with --output it must match the extension"};
        case HelpText::Separator:
            return {"输入的分隔符：逗号、分号或制表符；默认由标题行判断",
                    "the input's separator: comma, semicolon or tab; found from the header row "
                    "by default"};
        case HelpText::Provide:
            return {
                "以此钢筋代替各行自己的钢筋作强度校核：钢筋如 24D28（12D28+12D25），"
                "或面积（cm²）；MEMBER=BARS 只给该构件，可多次给出，"
                "如 --provide P1=24D28 --provide P2=30D32",
                "check every row with this steel instead of its own: bars such as 24D28 "
                "(12D28+12D25), or an area in cm²; MEMBER=BARS for that member alone, given "
                "as often as needed, such as --provide P1=24D28 --provide P2=30D32"};
        case HelpText::Language:
            return {"信息、汇总和帮助的语言：zh 中文（默认），en 英文",
                    "the language of the messages, the summary and this help: zh Chinese (the "
                    "default), en English"};
        case HelpText::Summary:
            return {
                "auto：构件超过 {1} 个时只列出不通过、无结果和控制的行（默认）；"
                "all：列出每个构件",
                "auto: above {1} members, only the failing, the unanswered and the governing "
                "rows (the default); all: every member"};
        case HelpText::Diagram:
            return {"把每个构件的 N–M 相互作用图及其荷载组合画到 DIR（不存在时创建）",
                    "draw each member's N–M interaction diagram with its load cases into DIR "
                    "(made when missing)"};
        case HelpText::DiagramFormat:
            return {"图的格式，须与 --diagram 同用；默认 svg",
                    "the diagrams' format, with --diagram; svg by default"};
        case HelpText::Jobs:
            return {
                "在 N 个线程上计算各行，默认用全部核心；输出、汇总与 N 无关"
                "（1：逐行计算）",
                "run the rows on N threads, every core by default; the output and the "
                "summary do not depend on N (1: one row after another)"};
        case HelpText::Help:
            return {"显示本帮助并退出", "print this help and exit"};
        case HelpText::Version:
            return {"显示版本并退出", "print the version and exit"};
        case HelpText::InputColumns:
            return {
                "输入：CSV 文件，第一行为列名，其后每行一个荷载组合。文件为 UTF-8（带或不带\n"
                "BOM）或 GB18030（Excel 的“CSV (逗号分隔)”）均可；分隔符为逗号、分号或制表符。\n"
                "列名用下列任一名称（英文不分大小写），顺序不限，可在括号中注明单位，\n"
                "如 轴向力(kN)、直径（m），单位须与该列相同，不作换算：\n",
                "Input: a CSV file, the column names in its first row, then one load case a "
                "row, in\nUTF-8 (with or without a BOM) or GB18030 (Excel's \"CSV "
                "(逗号分隔)\"), separated by\ncommas, semicolons or tabs. Each column by any "
                "of its names (English in any case),\nin any order, with its unit in brackets "
                "if wished, such as 轴向力(kN) or 直径（m）;\nthe unit must be the column's, "
                "none is converted:\n"};
        case HelpText::Unit:
            return {"单位 {1}", "in {1}"};
        case HelpText::Footer:
            return {R"(
汇总（每个构件的控制情况：最大配筋、不通过的校核与最小 Nq/Nj、无结果的
行，最后一行为合计）写到标准输出；结果写到标准输出时，汇总写到标准错误。
构件超过 {1} 个时只列出不通过、无结果和全表控制的行，--summary all 列出全部。

有 --diagram DIR 时，每个构件的 N–M 相互作用图写到 DIR/<构件>.svg（或 .png、
.pdf），图中数据写到 DIR/<构件>.csv。

退出状态：
  {2}  每行都有结果，校核全部通过
  {3}  有校核不通过、有行无结果、有构件未能画图，或 --provide 所给的构件不在表中
  {4}  用法或文件错误)",
                    R"(
The summary (each member's governing cases: the most steel, the failing checks and
the smallest Nq/Nj, the rows without a result, then a total) goes to standard
output; when the results go there, to standard error. Above {1} members only the
failing, the unanswered and the table's governing rows are listed; --summary all
lists every member.

With --diagram DIR, each member's N–M interaction diagram is written to
DIR/<member>.svg (or .png, .pdf), and its figures to DIR/<member>.csv.

Exit status:
  {2}  every row has a result and every check passes
  {3}  a check fails, a row has no result, a member gets no diagram, or a member
     given steel by --provide is not in the table
  {4}  usage or file error)"};
    }
    return {};
}

Wording columnHelp(Field field) {
    switch (field) {
        case Field::Name:
            return {"可选", "optional"};
        case Field::Member:
            return {"可选；把同一截面的各行归为一个构件",
                    "optional; groups the rows of one section as a member"};
        case Field::Type:
            return {"配筋计算、强度校核、design 或 check", "配筋计算, 强度校核, design or check"};
        case Field::Concrete:
            return {"25号 或 25；按 JTG 3362-2018 计算时 C25～C80",
                    "25号 or 25; C25 … C80 for JTG 3362-2018"};
        case Field::Steel:
            return {
                "Ⅱ级、II 或 2；5号 或 5；按 JTG 3362-2018 计算时 HPB300、HRB400、HRBF400、"
                "RRB400 或 HRB500",
                "Ⅱ级, II or 2; 5号 or 5; HPB300, HRB400, HRBF400, RRB400 or HRB500 for "
                "JTG 3362-2018"};
        case Field::SteelArea:
            return {"强度校核时与钢筋二选一", "for a check, this or the bars"};
        case Field::Bars:
            return {"强度校核时与钢筋面积二选一：24D28、24Φ28 或 12D28+12D25",
                    "for a check, these or the area: 24D28, 24Φ28 or 12D28+12D25"};
        case Field::AxialForce:
        case Field::Moment:
        case Field::Diameter:
        case Field::Cover:
        case Field::Length:
        // The form's alone: a table's grades choose its method.
        case Field::Method:
            return {};
        case Field::ImportanceFactor:
            return {"可选；JTG 3362-2018 的行取 1.1、1.0 或 0.9，空为 1.0；原方法的行留空或 1.0",
                    "optional; 1.1, 1.0 or 0.9 on rows of JTG 3362-2018, empty for 1.0; empty or "
                    "1.0 on rows of the archived method"};
    }
    return {};
}

Wording helpLabel(HelpLabel label) {
    switch (label) {
        case HelpLabel::Usage:
            return {"用法", "Usage"};
        case HelpLabel::Options:
            return {"选项", "OPTIONS"};
        case HelpLabel::Positionals:
            return {"位置参数", "Positionals"};
        case HelpLabel::Required:
            return {"必填", "REQUIRED"};
        case HelpLabel::Needs:
            return {"需要", "Needs"};
        case HelpLabel::Excludes:
            return {"不可同用", "Excludes"};
    }
    return {};
}

}  // namespace pilaro::messages
