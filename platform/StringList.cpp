#include "platform/StringList.h"

int TStringList::indexOfName(const QString& name) const
{
    for (int i = 0; i < count(); ++i) {
        const QString& line = lines_[i];
        if (hasName(line) && nameOf(line).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool TStringList::hasName(const QString& line)
{
    return line.contains(u'=');
}

QString TStringList::nameOf(const QString& line)
{
    return line.left(line.indexOf(u'='));
}

QString TStringList::valueOf(const QString& line)
{
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QString() : line.mid(equals + 1);
}
