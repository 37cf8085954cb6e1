#include "model/builtin_texts.h"

#include <array>
#include <cstddef>

namespace tq8615 {

namespace {

// In the order of BuiltinText.
constexpr std::array<TextPair, 48> kPairs = {{
    {"Read data from radio", "从对讲机读取数据"},
    {"Write data to radio", "向对讲机写入数据"},
    {"Completion percentage:", "完成进度:"},
    {"Read data from radio.\r\nDo you wish continue?", "从对讲机读取数据。\r\n是否继续？"},
    {"Write data to radio.\r\nDo you wish continue?", "向对讲机写入数据。\r\n是否继续？"},
    {"Model type is wrong. Overwrite?", "机型类型错误。"},
    {"Version is wrong.", "版本错误。"},
    {"Band Error!", "频段错误！"},
    {"All data will be reset.", "所有数据将被重置。"},
    {"file error.", "文件错误。"},
    {"file will be Overwrite,Continue?", "文件将被覆盖，是否继续？"},
    {"File has been modify,save it now?", "当前文件已被修改，是否现在保存？"},
    {"Data File", "数据文件"},
    {"Frequency data will be cleared.", "频率数据将被清除。"},
    {"Warning", "警告"},
    {"&Close", "关闭(&C)"},
    {"&Print", "打印(&P)"},
    {"&Help", "帮助(&H)"},
    {"&Roger Beep", "RB音(&R)"},
    {"Embedded Message", "嵌入信息"},
    {"Area Code", "销售区号"},
    {"Manufacture Code", "生产批号"},
    {"Radio Type", "机型"},
    {"Frequency", "频段"},
    {"Serial Number", "序列号"},
    {"Producted Date", "出厂日期"},
    {"Maintained Date", "维修日期"},
    {"Maintained", "维修原因"},
    {"Description", ""},
    {"RF FW", "主板固件"},
    {"User Code", "客户代码"},
    {"Dealer Code", "经销商代码"},
    {"Stock Date", "入库时间"},
    {"Sell Date", "销售时间"},
    {"Seller", "经手人"},
    {"LCD FW", "LCD固件"},
    {"Dealer Information", "经销商信息"},
    {"The radio or the programming cable was disconnected.", "对讲机或写频线已断开。"},
    {"The write stopped part-way: the radio now holds only part of the new data.\r\n"
     "Write the data to the radio again.",
     "写频中途停止：对讲机中只有部分新数据。\r\n请重新写入对讲机。"},
    {"These channels cannot be written to the radio (channel: field):", "以下信道无法写入对讲机（信道：字段）："},
    {"These channels held sub-audio codes outside the tone tables; they now hold the first code of the table: ",
     "以下信道的亚音码超出码表范围，已改为码表的第一个码："},
    {"The radio refused the password: nothing was read or written.", "对讲机拒绝了该密码：未读取或写入任何数据。"},
    {"The read was cancelled; the data was not changed.", "读取已取消，数据未改变。"},
    {"The write was cancelled; nothing was written to the radio.", "写入已取消，未向对讲机写入任何数据。"},
    {"The write was cancelled: the radio holds part of the new data and part of the old.\r\n"
     "Write the data to the radio again to finish.",
     "写入已取消：对讲机中有部分新数据和部分旧数据。\r\n请重新写入对讲机以完成。"},
    {"Stop the write?\r\nThe radio will hold part of the new data and part of the old; write again to finish.",
     "停止写入？\r\n对讲机中将有部分新数据和部分旧数据；请重新写入以完成。"},
    {"&Recent Files", "最近的文件(&R)"},
    {"&Clear List", "清除列表(&C)"},
}};
static_assert(kPairs.size() == static_cast<std::size_t>(BuiltinText::ClearRecentFiles) + 1,
              "one pair for every built-in text");

}  // namespace

const TextPair& PairOf(BuiltinText text) { return kPairs[static_cast<std::size_t>(text)]; }

const TextPair* PairOfKey(int key)
{
    return key == 10221 ? &PairOf(BuiltinText::RogerBeep) : nullptr;
}

}  // namespace tq8615
