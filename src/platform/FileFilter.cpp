#include "FileFilter.h"

#include <QRegularExpression>

namespace platform {

QString QtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString pattern = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (%1)").arg(pattern);
        result << description;
    }
    return result.join(QStringLiteral(";;"));
}

QStringList FilterExtensions(const QString &filter)
{
    // The patterns after the first "|", else those between the description's last parentheses.
    QString patterns = filter.section(QLatin1Char('|'), 1, 1);
    if (patterns.isEmpty()) {
        const QString first = filter.section(QStringLiteral(";;"), 0, 0);
        const qsizetype open = first.lastIndexOf(QLatin1Char('('));
        if (open >= 0)
            patterns = first.mid(open + 1).section(QLatin1Char(')'), 0, 0);
    }
    static const QRegularExpression separators(QStringLiteral("[ ;]+"));
    static const QRegularExpression wildcards(QStringLiteral("[*?\\[]"));
    QStringList extensions;
    for (const QString &pattern : patterns.split(separators, Qt::SkipEmptyParts)) {
        const QString extension = pattern.mid(2);
        if (pattern.startsWith(QLatin1String("*.")) && !extension.isEmpty()
            && !extension.contains(wildcards))
            extensions << extension;
    }
    return extensions;
}

QString DefaultExtension(const QString &filter)
{
    return FilterExtensions(filter).value(0);
}

QString WithFilterExtension(const QString &name, const QString &filter)
{
    const QStringList extensions = FilterExtensions(filter);
    if (extensions.isEmpty() || name.isEmpty() || name.endsWith(QLatin1Char('/')))
        return name;
    for (const QString &extension : extensions) {
        if (name.endsWith(QLatin1Char('.') + extension, Qt::CaseInsensitive))
            return name;
    }
    return name + QLatin1Char('.') + extensions.constFirst();
}

} // namespace platform
