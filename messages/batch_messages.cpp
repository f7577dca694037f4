#include "messages/batch_messages.h"

#include <string>

namespace pilaro::messages {

Wording usageProblemWording(UsageProblem problem) {
    switch (problem) {
        case UsageProblem::FormatContradictsExtension:
            return {"--format {1} 与 {2} 的扩展名不符",
                    "--format {1} contradicts the extension of {2}"};
        case UsageProblem::UnknownFormat:
            return {"无法由 {1} 的扩展名判断格式，请给出 --format csv|json|xlsx",
                    "cannot tell the format of {1}; give --format csv|json|xlsx"};
        case UsageProblem::XlsxNeedsOutput:
            return {".xlsx 工作簿须用 --output FILE 写到文件",
                    "an .xlsx workbook needs --output FILE"};
        case UsageProblem::DiagramNeedsFolder:
            return {"--diagram 需要一个目录", "--diagram needs a directory"};
        case UsageProblem::DiagramFormatNeedsDiagram:
            return {"--diagram-format 须与 --diagram DIR 同用",
                    "--diagram-format needs --diagram DIR"};
        case UsageProblem::MissingInput:
            return {"缺少输入的荷载组合表 INPUT", "the input table INPUT is missing"};
        case UsageProblem::UnexpectedArguments:
            return {"无法识别的参数：{1}", "unexpected arguments: {1}"};
        case UsageProblem::NotAllowedValue:
            return {"{1} 的取值 {2} 无效，可取 {3}", "{1}: {2} is not one of {3}"};
        case UsageProblem::MissingValue:
            return {"{1} 缺少取值", "{1} needs a value"};
        case UsageProblem::GivenTwice:
            return {"{1} 只能给一次", "{1} is given more than once"};
        case UsageProblem::JobsOutOfRange:
            return {"--jobs 的取值 {1} 无效，应为 1 到 {2} 的整数",
                    "--jobs: {1} is not a whole number from 1 to {2}"};
        case UsageProblem::CommandLine:
            return {"命令行有误（{1}）", "the command line is wrong: {1}"};
        case UsageProblem::SeeHelp:
            return {"用法见 pilaro-batch --help", "see pilaro-batch --help"};
        case UsageProblem::Provide:
            return {"--provide 有误：{1}", "--provide: {1}"};
        case UsageProblem::UnexpectedError:
            return {"意外的错误：{1}", "unexpected error: {1}"};
    }
    return {};
}

Message usageMessage(UsageProblem problem, std::initializer_list<Message> arguments) {
    return fill(usageProblemWording(problem), arguments);
}

Wording provideProblemWording(ProvideProblem problem) {
    switch (problem) {
        case ProvideProblem::NotSteel:
            return {"{1}既不是钢筋表中的钢筋（如 24D28），也不是正的面积（cm²）",
                    "{1} is neither bars of the bar table such as 24D28 nor a positive area in "
                    "cm²"};
        case ProvideProblem::NoMemberBefore:
            return {"{1}的“=”前没有构件名", "{1} names no member before its '='"};
        case ProvideProblem::EveryTwice:
            return {"给全部构件的钢筋给了两次：{1} 和 {2}；只给某一构件的钢筋请写成 构件={2}",
                    "steel for every member is given twice, {1} and {2}; give a member's own as "
                    "MEMBER={2}"};
        case ProvideProblem::MemberTwice:
            return {"构件 {1} 的钢筋给了两次", "member {1} is given steel twice"};
        case ProvideProblem::NoSuchMember:
            return {"--provide {1}={2}：表格中没有构件 {1}",
                    "--provide {1}={2}: the table has no member {1}"};
    }
    return {};
}

Message provideMessage(ProvideProblem problem, std::initializer_list<Message> arguments) {
    return fill(provideProblemWording(problem), arguments);
}

Message progressLine(long rows, int percent) {
    const std::string counted = std::to_string(rows);
    if (percent < 0) return fill({"已计算 {1} 行", "{1} rows"}, {counted});
    // Three places wide, so that the line keeps its length as it grows.
    std::string padded = std::to_string(percent);
    padded.insert(0, padded.size() < 3 ? 3 - padded.size() : 0, ' ');
    return fill({"已计算 {1} 行，{2}%", "{1} rows, {2}%"}, {counted, padded});
}

}  // namespace pilaro::messages
