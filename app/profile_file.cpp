#include "profile_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace tq8615::app {
namespace {

QStringList splitLines(const QByteArray& utf8)
{
    QString text = QString::fromUtf8(utf8);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.split(QLatin1Char('\n'));
}

bool isSectionLine(const QString& trimmed) { return trimmed.startsWith(QLatin1Char('[')) && trimmed.contains(QLatin1Char(']')); }
QString sectionName(const QString& trimmed) { return trimmed.mid(1, trimmed.indexOf(QLatin1Char(']')) - 1).trimmed(); }
bool isComment(const QString& trimmed) { return trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#')); }

}  // namespace

bool ProfileFile::load(const QString& path) { return file_.load(path.toStdString()); }

void ProfileFile::parse(const QByteArray& utf8) { file_.parse(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()))); }

QString ProfileFile::value(const QString& section, const QString& key) const
{
    return QString::fromStdString(file_.value(section.toStdString(), key.toStdString()).value_or(std::string()));
}

bool ProfileFile::contains(const QString& section, const QString& key) const
{
    return file_.value(section.toStdString(), key.toStdString()).has_value();
}

QString ReadProfileString(const QString& path, const QString& section, const QString& key)
{
    ProfileFile ini;
    ini.load(path);
    return ini.value(section, key);
}

bool WriteProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value)
{
    QStringList lines;
    {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            lines = splitLines(f.readAll());
    }
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();

    const QString entry = key + QLatin1Char('=') + value;
    int sectionStart = -1;  // line index of the section header
    int lastInSection = -1; // last non-empty line of that section
    bool written = false;
    for (int i = 0; i < lines.size() && !written; ++i) {
        const QString t = lines[i].trimmed();
        if (isSectionLine(t)) {
            if (sectionStart >= 0)
                break;  // left our section without finding the key
            if (sectionName(t).compare(section, Qt::CaseInsensitive) == 0)
                sectionStart = lastInSection = i;
            continue;
        }
        if (sectionStart < 0 || t.isEmpty())
            continue;
        lastInSection = i;
        const qsizetype eq = t.indexOf(QLatin1Char('='));
        if (!isComment(t) && eq > 0 && t.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
            lines[i] = entry;
            written = true;
        }
    }
    if (!written) {
        if (sectionStart >= 0) {
            lines.insert(lastInSection + 1, entry);
        } else {
            if (!lines.isEmpty())
                lines.append(QString());
            lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
            lines.append(entry);
        }
    }

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    return out.commit();
}

}  // namespace tq8615::app
