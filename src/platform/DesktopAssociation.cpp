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

// A desktop file larger than this is not read: a mimeapps.list so large is left alone.
constexpr qint64 kMaxReadFile = 64 * 1024 * 1024;

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

// A file's whole bytes; empty when there is no file; nullopt when it cannot be read whole (not
// a regular file, a link to nothing, larger than kMaxReadFile, a read error).
std::optional<QByteArray> ReadWhole(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QByteArray();
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(kMaxReadFile + 1);
    if (bytes.size() > kMaxReadFile || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// A file's text as far as the reading goes: empty when it cannot be read whole.
QString ReadText(const QString &path)
{
    return QString::fromUtf8(ReadWhole(path).value_or(QByteArray()));
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

// One line of a file's bytes: where it starts and ends (its end of line included), its text
// without the end of line, which is "\n", "\r\n" or nothing at the end of the file.
struct Line {
    qsizetype start = 0;
    qsizetype next = 0;
    QByteArrayView text;
    QByteArrayView end;
};

QList<Line> Lines(const QByteArray &bytes)
{
    QList<Line> lines;
    for (qsizetype start = 0; start < bytes.size();) {
        const qsizetype newLine = bytes.indexOf('\n', start);
        const qsizetype next = newLine < 0 ? bytes.size() : newLine + 1;
        const QByteArrayView whole = QByteArrayView(bytes).sliced(start, next - start);
        const qsizetype end = whole.endsWith("\r\n") ? 2 : whole.endsWith('\n') ? 1 : 0;
        lines.append({start, next, whole.chopped(end), whole.last(end)});
        start = next;
    }
    return lines;
}

// Sets a key of a group in a desktop-entry style file and changes nothing else: every line of
// the key in the group (also where the group comes twice) gets the value and keeps its end of
// line; without one, a line follows the group's last non-blank line; without the group, the
// group and the line end the file. A new line ends as the line before it does, else as the
// file's first line does.
QByteArray WithKey(const QByteArray &bytes, const QByteArray &group, const QByteArray &key,
                   const QByteArray &value)
{
    const QByteArray entry = key + '=' + value;
    const QByteArray header = '[' + group + ']';
    const QList<Line> lines = Lines(bytes);
    QByteArray newLine = lines.isEmpty() || lines.constFirst().end.isEmpty()
        ? QByteArray("\n")
        : lines.constFirst().end.toByteArray();

    QByteArray out;
    bool inGroup = false;
    int groupsSeen = 0;
    qsizetype lastOfGroup = -1; // the first group's header or its last non-blank line
    qsizetype copied = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArrayView text = lines[i].text;
        if (i == 0 && text.startsWith("\xEF\xBB\xBF"))
            text = text.sliced(3); // a byte-order mark
        text = text.trimmed();
        if (text.startsWith('[')) {
            inGroup = text == QByteArrayView(header);
            if (inGroup && ++groupsSeen == 1)
                lastOfGroup = i;
            continue;
        }
        if (!inGroup)
            continue;
        if (groupsSeen == 1 && !text.isEmpty())
            lastOfGroup = i;
        const qsizetype eq = text.indexOf('=');
        if (eq > 0 && text.first(eq).trimmed() == QByteArrayView(key)) {
            out.append(QByteArrayView(bytes).sliced(copied, lines[i].start - copied));
            out.append(entry).append(lines[i].end);
            copied = lines[i].next;
        }
    }
    if (copied > 0)
        return out.append(QByteArrayView(bytes).sliced(copied));

    const qsizetype after = lastOfGroup >= 0 ? lastOfGroup : lines.size() - 1;
    const qsizetype split = after >= 0 ? lines[after].next : 0;
    out = bytes.first(split);
    if (after >= 0 && lines[after].end.isEmpty())
        out.append(newLine);
    else if (after >= 0)
        newLine = lines[after].end.toByteArray();
    if (lastOfGroup < 0) {
        if (after >= 0 && !lines[after].text.trimmed().isEmpty())
            out.append(newLine); // a blank line before the new group
        out.append(header).append(newLine);
    }
    out.append(entry).append(newLine);
    return out.append(QByteArrayView(bytes).sliced(split));
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

bool MimeAppsReadable()
{
    return ReadWhole(MimeApps()).has_value();
}

bool WriteCaseApplication(const QString &nome, const QString &comando)
{
    QString entry = QStringLiteral("[Desktop Entry]\nType=Application\n");
    entry += QStringLiteral("Name=") + EscapeDesktop(nome) + u'\n';
    entry += QStringLiteral("Exec=") + EscapeDesktop(comando) + u'\n';
    entry += QStringLiteral("Icon=") + ProgramIconName + u'\n';
    entry += QStringLiteral("MimeType=") + CaseMimeType + QStringLiteral(";\n");
    entry += QStringLiteral("Terminal=false\nNoDisplay=true\n");
    const std::optional<QByteArray> apps = ReadWhole(MimeApps());
    if (!apps)
        return false;
    const QByteArray tipo = CaseMimeType.toUtf8();
    const QByteArray desktopFile = CaseDesktopFile.toUtf8();
    QByteArray novas = WithKey(*apps, "Default Applications", tipo, desktopFile);
    novas = WithKey(novas, "Added Associations", tipo, desktopFile + ';');
    const bool desktop = WriteFile(
        UserDataFolder() + QStringLiteral("/applications/") + CaseDesktopFile,
        entry.toUtf8());
    return (novas == *apps || WriteFile(MimeApps(), novas)) && desktop;
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
