#include "link/run_ui.h"

namespace tq8615 {

Message ReadPrompt()
{
    return Message::Pair("Read data from radio.\r\nDo you wish continue?", "从对讲机读取数据。\r\n是否继续？");
}

Message WritePrompt()
{
    return Message::Pair("Write data to radio.\r\nDo you wish continue?", "向对讲机写入数据。\r\n是否继续？");
}

Message ModelWrongMessage() { return Message::Pair("Model type is wrong. Overwrite?", "机型类型错误。"); }

Message VersionWrongMessage() { return Message::Pair("Version is wrong.", "版本错误。"); }

Message BandErrorMessage() { return Message::Pair("Band Error!", "频段错误！"); }

Message ProgressCaption(RunKind kind)
{
    if (kind == RunKind::Write)
        return Message::Pair("Write data to radio", "向对讲机写入数据");
    return Message::Pair("Read data from radio", "从对讲机读取数据");
}

Message ProgressLabel() { return Message::Pair("Completion percentage:", "完成进度:"); }

Message DisconnectedMessage()
{
    return Message::Pair("The radio or the programming cable was disconnected.", "对讲机或写频线已断开。",
                         Message::Icon::Error);
}

Message PartialWriteMessage()
{
    return Message::Pair("The write stopped part-way: the radio now holds only part of the new data.\r\n"
                         "Write the data to the radio again.",
                         "写频中途停止：对讲机中只有部分新数据。\r\n请重新写入对讲机。", Message::Icon::Error);
}

}  // namespace tq8615
