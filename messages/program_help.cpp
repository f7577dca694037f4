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
            return {"荷载组合表：CSV 或 Unicode 文本文件，或 Excel 工作簿（.xlsx）；- 为标准输入",
                    "the table of load cases: a CSV or Unicode text file, or an Excel workbook "
                    "(.xlsx); - for standard input"};
        case HelpText::Output:
            return {
                "结果写到 FILE（.csv、.json、.jsonl 或 .xlsx，格式由扩展名决定，不分大小写），"
                "要么完整写成，要么不写；默认写到标准输出（CSV）",
                "write the results to FILE (.csv, .json, .jsonl or .xlsx, the format by the "
                "extension in any case), whole or not at all; standard output (CSV) by "
                "default"};
        case HelpText::Format:
            return {"输出格式；有 --output 时须与其扩展名一致",
                    "the output's format; with --output it must match the extension"};
        case HelpText::Separator:
            return {
                "输入的分隔符：逗号、分号或制表符；默认由第一个含分隔符的行（通常是表头行）判断",
                "the input's separator: comma, semicolon or tab; found from the first row "
                "that shows one (the header, as a rule) by default"};
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
                "all：列出每个构件；none：不写汇总",
                "auto: above {1} members, only the failing, the unanswered and the governing "
                "rows (the default); all: every member; none: no summary"};
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
                "输入：CSV 文件，UTF-8（带或不带 BOM）或 GB18030（Excel 的“CSV (逗号分隔)”），\n"
                "分隔符为逗号、分号或制表符；Excel 的“Unicode 文本”（带 BOM 的 UTF-16）；或 Excel\n"
                "工作簿（.xlsx）的第一张工作表，或 --sheet 所指的工作表。表头行为前 10 行中第一个\n"
                "含全部必需列的行，其上的标题行跳过；紧接表头的单位行（kN、kN·m、m …）也跳过；\n"
                "其后每行一个荷载组合。列名用下列任一名称（英文不分大小写），顺序不限，可在括号中\n"
                "注明单位，如 "
                "轴向力(kN)、直径（米），单位须与该列相同，不作换算。其他列（如备注）\n"
                "原样作为文字写到结果中输入列之后；与已知列名相近的列名视为写错：\n",
                "Input: a CSV file in UTF-8 (with or without a BOM) or GB18030 (Excel's \"CSV "
                "(逗号分隔)\"),\nseparated by commas, semicolons or tabs; Excel's Unicode "
                "Text (UTF-16 with a BOM); or\nthe first sheet of an Excel workbook (.xlsx), or "
                "the sheet --sheet names. The header is\nthe first of the first 10 rows that "
                "holds every required column; title rows above it\nare skipped, and so is a "
                "units row right under it (kN, kN·m, m …); then one load case\na row. Each "
                "column by any of its names (English in any case), in any order, with its\nunit "
                "in brackets if wished, such as 轴向力(kN) or 直径（米）; the unit must be the\n"
                "column's, none is converted. Any other column (remarks, say) is written to the "
                "output\nas text after the input columns; a name close to a known one is taken "
                "as misspelt:\n"};
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
  {3}  有校核不通过，或有配筋计算需加大截面
  {4}  有行无法读取或无法计算（或有构件未能画图）；优先于 {3}
  {5}  用法或文件错误（包括汇总无法写出、--provide 所给的构件不在表中）)",
                    R"(
The summary (each member's governing cases: the most steel, the failing checks and
the smallest Nq/Nj, the rows without a result, then a total) goes to standard
output; when the results go there, to standard error. Above {1} members only the
failing, the unanswered and the table's governing rows are listed; --summary all
lists every member.

With --diagram DIR, each member's N–M interaction diagram is written to
DIR/<member>.svg (or .png, .pdf), and its figures to DIR/<member>.csv.

Exit status:
  {2}  every row answered, every check passes
  {3}  some check fails, or some design needs a larger section
  {4}  some row could not be read or run (or a member gets no diagram); wins over {3}
  {5}  usage or file error (a summary that cannot be written, a member given
     steel by --provide that is not in the table, among them))"};
        case HelpText::Sheet:
            return {"读取 .xlsx 工作簿中名为 NAME 的工作表（默认为第一张可见的工作表）",
                    "read the sheet NAME of an .xlsx workbook (the first visible sheet by "
                    "default)"};
        case HelpText::Quiet:
            return {"只写出错误：不写汇总，也不显示进度",
                    "print only errors: no summary and no progress"};
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
