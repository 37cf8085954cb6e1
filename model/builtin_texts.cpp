#include "model/builtin_texts.h"

#include <cstddef>
#include <iterator>

namespace tq8615 {

namespace {

// In the order of BuiltinText.
constexpr TextPair kPairs[] = {
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
    {"No serial port is chosen. Choose the programming cable's port in Settings > COM Port.",
     "未选择串口。请在“设置 > 通讯端口”中选择写频线所在的串口。"},
    {"%1 is not there: the programming cable was unplugged, or its adapter is not connected.\n"
     "Plug the cable in; if its port got a new name, choose it again in Settings > COM Port.",
     "%1 不存在：写频线已拔出，或其转换器未连接。\n"
     "请插好写频线；如果串口名称有变化，请在“设置 > 通讯端口”中重新选择。"},
    {"Permission denied: %1 belongs to the group \"%2\", and this user is not a member.\n"
     "Add yourself to the group with\n    sudo usermod -aG %2 $USER\n"
     "then log out and log in again: a new group counts only after a new login.",
     "权限不足：%1 属于用户组“%2”，当前用户不是该组成员。\n"
     "请用以下命令将自己加入该组：\n    sudo usermod -aG %2 $USER\n"
     "然后注销并重新登录：新加入的用户组要在重新登录后才生效。"},
    {"Permission denied: %1 belongs to the group \"%2\". This user is already in that group, "
     "but the change counts only after a new login: log out and log in again.",
     "权限不足：%1 属于用户组“%2”。当前用户已加入该组，但要在重新登录后才生效：请注销并重新登录。"},
    {"Permission denied: this user may not open %1.\n"
     "Ask the administrator to give the user access to the port.",
     "权限不足：当前用户无权打开 %1。\n请联系管理员为该用户开放此串口的权限。"},
    {"%1 is busy: another program holds it. Close that program and try again.\n"
     "The modem manager (ModemManager) probes USB serial adapters for a while after they are "
     "plugged in; the udev rule installed with this program keeps it away from programming cables.",
     "%1 正被其他程序占用。请关闭该程序后重试。\n"
     "ModemManager 会在 USB 串口转换器插入后探测它一段时间；本程序安装的 udev 规则可使其不再占用写频线。"},
    {"%1 is busy: %2 (process %3) holds it. Close that program and try again.",
     "%1 正被 %2（进程 %3）占用。请关闭该程序后重试。"},
    {"&Undo %1", "撤销%1(&U)"},
    {"&Redo %1", "重做%1(&R)"},
    {"Cut Channels", "剪切信道"},
    {"Paste Channels", "粘贴信道"},
    {"line %1: ", "第 %1 行："},
    {"The file is larger than %1 bytes; a channel list is far smaller.", "文件大于 %1 字节；信道列表远小于此。"},
    {"The file holds no channel rows.", "文件中没有信道行。"},
    {"The header line has no Frequency column.", "标题行中没有 Frequency 列。"},
    {"a quoted field is not closed properly", "引号字段未正确结束"},
    {"frequency \"%1\" is not a number", "频率“%1”不是数字"},
    {"frequency %1 MHz is outside the band plan", "频率 %1 MHz 超出频段范围"},
    {"unknown Duplex \"%1\"", "未知的 Duplex“%1”"},
    {"Offset \"%1\" is not a number", "Offset“%1”不是数字"},
    {"transmit frequency %1 MHz is outside the band plan", "发射频率 %1 MHz 超出频段范围"},
    {"unknown Tone \"%1\"", "未知的 Tone“%1”"},
    {"unknown CrossMode \"%1\"", "未知的 CrossMode“%1”"},
    {"tone \"%1\" Hz is not one of the 51 CTCSS tones", "亚音“%1”Hz 不在 51 个 CTCSS 亚音中"},
    {"DCS code \"%1\" is not one of the 104 codes", "DCS 码“%1”不在 104 个码中"},
    {"unknown DtcsPolarity \"%1\"", "未知的 DtcsPolarity“%1”"},
    {"Mode \"%1\" is neither FM nor NFM", "Mode“%1”既不是 FM 也不是 NFM"},
    {"unknown Skip \"%1\"", "未知的 Skip“%1”"},
    {"unknown Power \"%1\"", "未知的 Power“%1”"},
    {"Location \"%1\" is not a memory channel 1..200", "Location“%1”不是存储信道 1..200"},
    {"channel %1 is already taken by line %2", "信道 %1 已被第 %2 行占用"},
    {"no free channel left", "没有空闲信道了"},
    {"the channel would not fit the radio: %1", "该信道无法写入对讲机：%1"},
    {"name \"%1\" becomes \"%2\"", "名称“%1”改为“%2”"},
    {"step \"%1\" kHz becomes %2", "步进“%1”kHz 改为 %2"},
    {"offset %1 MHz is capped at 80 MHz", "频差 %1 MHz 限制为 80 MHz"},
    {"frequency %1 MHz is rounded to %2 MHz", "频率 %1 MHz 取整为 %2 MHz"},
    {"Power \"%1\" is taken as %2", "Power“%1”作为 %2"},
    {"locations start at 0: every row goes to channel location + 1", "位置从 0 开始：每行放入信道 位置 + 1"},
    {"replaces channel %1", "替换信道 %1"},
    {"&Import Channels...", "导入信道(&I)..."},
    {"&Export Channels...", "导出信道(&E)..."},
    {"Channel lists", "信道列表"},
    {"Import Channels", "导入信道"},
    {"Keep the rows' locations", "保留各行的位置"},
    {"Fill free channels from channel", "从此信道起填入空闲信道"},
    {"Import the good rows", "导入正确的行"},
    {"Line", "行"},
    {"Channel", "信道"},
    {"Problems and adjustments:", "问题与调整："},
    {"%1 rows taken, %2 refused.", "接受 %1 行，拒绝 %2 行。"},
    {"%1 channels exported. The VFO and RT channels are not exported.", "已导出 %1 个信道。VFO 与 RT 信道不导出。"},
    {"refused", "拒绝"},
    {"Write successful: read back from the radio and verified.", "写频成功：已从电台回读并校验无误。"},
    {"Verification failed: after the write the radio holds something other than was written in: ",
     "校验失败：写频后电台中以下部分与写入的数据不一致："},
    {"The radio's configuration could not be saved as a backup, so nothing was written: ",
     "无法保存电台原有配置的备份，因此未写入电台："},
    {"The radio's previous configuration was saved as ", "电台原有配置已备份为 "},
    {"&Compare With...", "比较(&C)..."},
    {"&Verify After Write", "写频后校验(&V)"},
    {"&Backup Before Write", "写频前备份(&B)"},
    {"Clone to &Many Radios...", "批量写入多台电台(&M)..."},
    {"Compare", "比较"},
    {"The two configurations are equal.", "两份配置完全相同。"},
    {"Area", "区域"},
    {"Item", "项目"},
    {"Field", "字段"},
    {"Current data", "当前数据"},
    {"Compared file", "比较文件"},
    {"&Start", "开始(&S)"},
    {"S&top", "停止(&T)"},
    {"Radios done: %1    failed: %2", "已完成：%1 台    失败：%2 台"},
    {"Waiting for a radio: switch it on and connect the cable.", "等待电台：请打开电台并连接写频线。"},
    {"Writing radio %1...", "正在写入第 %1 台电台..."},
    {"Switch the radio off or unplug it, then connect the next one.", "请关闭或拔下该电台，然后连接下一台。"},
    {"Log file: ", "日志文件："},
    {"Only what a radio holds", "只比较电台保存的数据"},
    {"The code is too long for its field and was not stored. Most characters allowed: ", "代码超出字段长度，未保存。最多字符数："},
};
static_assert(std::size(kPairs) == static_cast<std::size_t>(BuiltinText::CodeTooLong) + 1,
              "one pair for every built-in text");

}  // namespace

const TextPair& PairOf(BuiltinText text) { return kPairs[static_cast<std::size_t>(text)]; }

const TextPair* PairOfKey(int key)
{
    return key == 10221 ? &PairOf(BuiltinText::RogerBeep) : nullptr;
}

}  // namespace tq8615
