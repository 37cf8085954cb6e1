#include "link/code_page.h"

#include <QStringEncoder>

namespace tq8615 {

std::string ToChineseCodePage(std::string_view utf8)
{
    QStringEncoder encoder("GB18030");
    const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    if (!encoder.isValid())
        return std::string(utf8);
    const QByteArray bytes = encoder.encode(text);
    return bytes.toStdString();
}

}  // namespace tq8615
