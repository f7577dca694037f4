#include "messages/file_messages.h"

#include <cerrno>
#include <cstring>

namespace pilaro::messages {

Wording fileProblemWording(FileProblem problem) {
    switch (problem) {
        case FileProblem::CannotRead:
            return {"无法读取 {1}：{2}", "cannot read {1}: {2}"};
        case FileProblem::CannotWrite:
            return {"无法写入 {1}：{2}", "cannot write {1}: {2}"};
        case FileProblem::CannotCreateBeside:
            return {"无法在 {1} 旁建立临时文件：{2}", "cannot create a file beside {1}: {2}"};
        case FileProblem::CannotRemove:
            return {"无法删除 {1}：{2}", "cannot remove {1}: {2}"};
        case FileProblem::NotARegularFile:
            return {"无法写入 {1}：它不是普通文件", "cannot write {1}: not a regular file"};
        case FileProblem::OutputIsInput:
            return {"输出文件 {1} 就是输入的表格", "the output {1} is the input table"};
        case FileProblem::OutputNotWritten:
            return {"无法写出结果", "the output cannot be written"};
        case FileProblem::WorkbookNotCreated:
            return {"无法建立工作簿", "cannot create the workbook"};
        case FileProblem::SheetFull:
            return {"行数超过一张工作表所能容纳的", "more rows than a sheet holds"};
        case FileProblem::WorkbookNotWritten:
            return {"无法写出工作簿：{1}", "the workbook cannot be written: {1}"};
        case FileProblem::CannotMakeDiagramFolder:
            return {"无法建立图的目录 {1}：{2}", "cannot make the diagram directory {1}: {2}"};
        case FileProblem::DiagramWouldReplaceTable:
            return {"图的文件 {1} 会覆盖本次运行的表格",
                    "the diagram file {1} would replace a table of this run"};
        case FileProblem::CannotDraw:
            return {"无法画出 {1}", "cannot draw {1}"};
        case FileProblem::CannotKeepStandardInput:
            return {"无法在 {1} 中暂存标准输入：{2}", "cannot keep standard input in {1}: {2}"};
    }
    return {};
}

Message fileMessage(FileProblem problem, std::initializer_list<Message> arguments) {
    return fill(fileProblemWording(problem), arguments);
}

MessageError fileError(FileProblem problem, std::initializer_list<Message> arguments) {
    return MessageError(fileMessage(problem, arguments));
}

namespace {

// The reasons a user of files meets; any other is told in the system's
// words alone.
std::string_view chineseReason(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return "没有这个文件或目录";
        case EACCES:
        case EPERM:
            return "没有权限";
        case ENOSPC:
            return "磁盘已满";
        case EDQUOT:
            return "超出磁盘配额";
        case EROFS:
            return "文件系统只读";
        case EISDIR:
            return "这是一个目录";
        case ENOTDIR:
            return "路径中有一段不是目录";
        case EEXIST:
            return "文件已存在";
        case ELOOP:
            return "符号链接过多";
        case ENAMETOOLONG:
            return "文件名太长";
        case EFBIG:
            return "文件太大";
        case EIO:
            return "输入输出错误";
        case EMFILE:
        case ENFILE:
            return "打开的文件过多";
        case ENOMEM:
            return "内存不足";
        case EPIPE:
            return "管道已关闭";
        default:
            return {};
    }
}

}  // namespace

Message systemReason(int errorNumber) {
    const std::string english = std::strerror(errorNumber);
    const std::string_view chinese = chineseReason(errorNumber);
    if (chinese.empty()) return english;
    return {std::string(chinese) + "（" + english + "）", english};
}

Wording workbookFaultWording(WorkbookFault fault) {
    switch (fault) {
        case WorkbookFault::PartUnreadable:
            return {"其中的 {1} 无法读取", "its part {1} cannot be read"};
        case WorkbookFault::PartDamaged:
            return {"其中的 {1} 已损坏", "its part {1} is damaged"};
        case WorkbookFault::PartCutShort:
            return {"其中的 {1} 不完整", "its part {1} is cut short"};
        case WorkbookFault::RowsMissing:
            return {"工作表只有 {1} 行完整，应有 {2} 行", "its sheet holds {1} whole rows of {2}"};
        case WorkbookFault::NoZipArchive:
            return {"它不是 zip 文件", "it is no zip archive"};
        case WorkbookFault::PartsUnlisted:
            return {"无法读取其中各部分的目录", "its list of parts cannot be read"};
        case WorkbookFault::NoSheet:
            return {"其中没有工作表", "it has no sheet"};
    }
    return {};
}

Message workbookFault(WorkbookFault fault, std::initializer_list<Message> arguments) {
    return fill(workbookFaultWording(fault), arguments);
}

}  // namespace pilaro::messages
