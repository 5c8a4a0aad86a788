#include "DesktopAssociation.h"

#include "AtomicWrite.h"
#include "Icons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QXmlStreamReader>

namespace platform {

namespace {

constexpr qint64 kMaxReadFile = 1024 * 1024;

const QString kGlob = QStringLiteral("*.qzv");

// $XDG_DATA_HOME or $XDG_CONFIG_HOME when set, else Qt's writable location, which is the
// freedesktop default under the home folder (and a test folder in QStandardPaths' test mode).
QString XdgFolder(const char *name, QStandardPaths::StandardLocation fallback)
{
    const QString value = qEnvironmentVariable(name);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return value;
    return QStandardPaths::writableLocation(fallback);
}

// A regular file's text, at most kMaxReadFile bytes; empty for anything else.
QString ReadText(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(kMaxReadFile));
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    return QDir().mkpath(QFileInfo(path).absolutePath())
           && WriteFileAtomically(path, bytes).isEmpty();
}

QString MimePackageFile()
{
    return UserDataFolder() + QStringLiteral("/mime/packages/quirasol.xml");
}

QString MimeApps()
{
    return UserConfigFolder() + QStringLiteral("/mimeapps.list");
}

// A key of a group in a desktop-entry style file; nullopt when missing.
std::optional<QString> KeyValue(const QString &text, const QString &group, const QString &key)
{
    bool inGroup = false;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.startsWith(u'[')) {
            inGroup = line == QString(u'[' + group + u']');
            continue;
        }
        if (!inGroup)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && line.left(eq).trimmed() == key)
            return line.mid(eq + 1).trimmed().toString();
    }
    return std::nullopt;
}

// Sets a key of a group, keeping every other line; adds the group when missing.
QString WithKey(const QString &text, const QString &group, const QString &key,
                const QString &value)
{
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QString entry = key + u'=' + value;
    qsizetype groupLine = -1;
    qsizetype end = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString trimmed = lines[i].trimmed();
        if (trimmed.startsWith(u'[')) {
            if (groupLine >= 0) {
                end = i;
                break;
            }
            if (trimmed == u'[' + group + u']')
                groupLine = i;
            continue;
        }
        const qsizetype eq = trimmed.indexOf(u'=');
        if (groupLine >= 0 && eq > 0 && trimmed.left(eq).trimmed() == key) {
            lines[i] = entry;
            return lines.join(u'\n') + u'\n';
        }
    }
    if (groupLine < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines << QString();
        lines << u'[' + group + u']' << entry;
    } else {
        // After the group's last non-blank line.
        while (end > groupLine + 1 && lines[end - 1].trimmed().isEmpty())
            --end;
        lines.insert(end, entry);
    }
    return lines.join(u'\n') + u'\n';
}

// The value escapes of desktop entry files.
QString UnescapeDesktop(const QString &value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\' && i + 1 < value.size()) {
            const QChar c = value[++i];
            out += c == u's' ? QChar(u' ')
                : c == u'n'  ? QChar(u'\n')
                : c == u't'  ? QChar(u'\t')
                : c == u'r'  ? QChar(u'\r')
                             : c;
            continue;
        }
        out += value[i];
    }
    return out;
}

QString EscapeDesktop(const QString &value)
{
    QString out = value;
    out.replace(u'\\', QStringLiteral("\\\\"));
    out.replace(u'\n', QStringLiteral("\\n"));
    out.replace(u'\t', QStringLiteral("\\t"));
    out.replace(u'\r', QStringLiteral("\\r"));
    return out;
}

QString FindDesktopFile(const QString &id)
{
    if (id.isEmpty() || id.contains(u'/'))
        return {};
    QStringList dirs{UserDataFolder()};
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty())
        dataDirs = QStringLiteral("/usr/local/share:/usr/share");
    dirs += dataDirs.split(u':', Qt::SkipEmptyParts);
    for (const QString &dir : dirs) {
        const QString path = dir + QStringLiteral("/applications/") + id;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

void RunTool(const QString &tool, const QString &folder)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty() || !QFileInfo(folder).isDir())
        return;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, {folder});
    if (process.waitForStarted(5000) && !process.waitForFinished(30000))
        process.kill();
    process.waitForFinished(1000);
}

} // namespace

QString UserDataFolder()
{
    return XdgFolder("XDG_DATA_HOME", QStandardPaths::GenericDataLocation);
}

QString UserConfigFolder()
{
    return XdgFolder("XDG_CONFIG_HOME", QStandardPaths::GenericConfigLocation);
}

QString CaseExtensionType()
{
    QXmlStreamReader xml(ReadText(MimePackageFile()));
    QString tipo;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"mime-type") {
            tipo = xml.attributes().value(QLatin1String("type")).toString();
        } else if (xml.name() == u"glob") {
            const QStringView padrao = xml.attributes().value(QLatin1String("pattern"));
            if (padrao.compare(kGlob, Qt::CaseInsensitive) == 0)
                return tipo;
        }
    }
    return {};
}

bool WriteMimePackage(const QString &tipo, const QString &descricao)
{
    QByteArray xml;
    xml += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    xml += "  <mime-type type=\"" + tipo.toHtmlEscaped().toUtf8() + "\">\n";
    xml += "    <comment>" + descricao.toHtmlEscaped().toUtf8() + "</comment>\n";
    xml += "    <icon name=\"" + CaseIconName.toUtf8() + "\"/>\n";
    xml += "    <glob pattern=\"" + kGlob.toUtf8() + "\"/>\n";
    xml += "  </mime-type>\n</mime-info>\n";
    return WriteFile(MimePackageFile(), xml);
}

QString CaseOpenCommand()
{
    QString desktopId = CaseDesktopFile;
    const std::optional<QString> padrao =
        KeyValue(ReadText(MimeApps()), QStringLiteral("Default Applications"), CaseMimeType);
    if (padrao) {
        const QString first = padrao->split(u';', Qt::SkipEmptyParts).value(0).trimmed();
        if (!first.isEmpty())
            desktopId = first;
    }
    const QString path = desktopId == CaseDesktopFile
        ? UserDataFolder() + QStringLiteral("/applications/") + CaseDesktopFile
        : FindDesktopFile(desktopId);
    if (path.isEmpty())
        return desktopId; // a default we cannot read is still someone else's command
    const std::optional<QString> exec =
        KeyValue(ReadText(path), QStringLiteral("Desktop Entry"), QStringLiteral("Exec"));
    return exec ? UnescapeDesktop(*exec) : QString();
}

QString ProgramOpenCommand(const QString &programPath)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString path = programPath;
    path.replace(u'%', QStringLiteral("%%"));
    const bool quote =
        std::any_of(path.begin(), path.end(), [](QChar c) { return reserved.contains(c); });
    if (quote) {
        QString quoted;
        for (const QChar c : path) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                quoted += u'\\';
            quoted += c;
        }
        path = u'"' + quoted + u'"';
    }
    return path + QStringLiteral(" %f");
}

bool WriteCaseApplication(const QString &nome, const QString &comando)
{
    QString entry = QStringLiteral("[Desktop Entry]\nType=Application\n");
    entry += QStringLiteral("Name=") + EscapeDesktop(nome) + u'\n';
    entry += QStringLiteral("Exec=") + EscapeDesktop(comando) + u'\n';
    entry += QStringLiteral("Icon=") + ProgramIconName + u'\n';
    entry += QStringLiteral("MimeType=") + CaseMimeType + QStringLiteral(";\n");
    entry += QStringLiteral("Terminal=false\nNoDisplay=true\n");
    const bool desktop = WriteFile(
        UserDataFolder() + QStringLiteral("/applications/") + CaseDesktopFile,
        entry.toUtf8());

    QString apps = ReadText(MimeApps());
    apps = WithKey(apps, QStringLiteral("Default Applications"), CaseMimeType,
                   CaseDesktopFile);
    apps = WithKey(apps, QStringLiteral("Added Associations"), CaseMimeType,
                   CaseDesktopFile + u';');
    return WriteFile(MimeApps(), apps.toUtf8()) && desktop;
}

bool InstallIcons()
{
    const QString tema = UserDataFolder() + QStringLiteral("/icons/hicolor/scalable/");
    const bool programa = WriteFile(tema + QStringLiteral("apps/") + ProgramIconName
                                        + QStringLiteral(".svg"),
                                    ProgramIconSvg());
    return WriteFile(tema + QStringLiteral("mimetypes/") + CaseIconName + QStringLiteral(".svg"),
                     CaseIconSvg())
           && programa;
}

void UpdateDesktopCaches()
{
    RunTool(QStringLiteral("update-mime-database"), UserDataFolder() + QStringLiteral("/mime"));
    RunTool(QStringLiteral("update-desktop-database"),
            UserDataFolder() + QStringLiteral("/applications"));
}

} // namespace platform
