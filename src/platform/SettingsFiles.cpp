#include "SettingsFiles.h"

#include "AppInfo.h"
#include "AtomicWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <vector>

namespace platform {

namespace {

// A hive file larger than this is not ours: it reads as empty and is not rewritten.
constexpr qint64 kMaxHiveFile = 4 * 1024 * 1024;

struct Value {
    QString name;
    QString text;
};

struct Key {
    QString path;
    std::vector<Value> values;
};

using HiveData = std::vector<Key>;

// The file is UTF-8 text:
//   [key path]
//   value name=text
// Names and texts are written as they are (backslashes and slashes included) but for the few
// characters the layout itself needs, written as "%" and two hex digits: "%" itself and every
// control character everywhere; "=", "[", "]" and ";" in names; a blank at either end of a name.
// Texts keep their blanks: everything after the first "=" is the text.
QString Escape(const QString &raw, bool isName)
{
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        const bool edgeBlank = c == u' ' && (i == 0 || i == raw.size() - 1);
        const bool special = c == u'%' || c.unicode() < 0x20 || c.unicode() == 0x7F
            || (isName
                && (c == u'=' || c == u'[' || c == u']' || c == u';' || edgeBlank));
        if (special)
            out += u'%' + QString::number(c.unicode(), 16).rightJustified(2, u'0').toUpper();
        else
            out += c;
    }
    return out;
}

QString Unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 2 < text.size()) {
            bool ok = false;
            const uint code = text.mid(i + 1, 2).toUInt(&ok, 16);
            if (ok) {
                out += QChar(char16_t(code));
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

HiveData Parse(const QByteArray &bytes)
{
    HiveData hive;
    const QString text = QString::fromUtf8(bytes);
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            hive.push_back({Unescape(line.mid(1, line.size() - 2)), {}});
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0 || hive.empty()) // an empty name is the key's default value
            continue;
        hive.back().values.push_back({Unescape(line.left(eq)), Unescape(line.mid(eq + 1))});
    }
    return hive;
}

QByteArray Serialize(const HiveData &hive)
{
    QString text;
    for (const Key &key : hive) {
        text += u'[' + Escape(key.path, true) + QStringLiteral("]\n");
        for (const Value &value : key.values)
            text += Escape(value.name, true) + u'=' + Escape(value.text, false) + u'\n';
        text += u'\n';
    }
    return text.toUtf8();
}

std::optional<HiveData> Load(const QString &fileName)
{
    QFile file(fileName);
    if (!file.exists())
        return HiveData{};
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly)
        || file.size() > kMaxHiveFile)
        return std::nullopt;
    return Parse(file.read(kMaxHiveFile));
}

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

SettingsFiles &SettingsFiles::instance()
{
    static SettingsFiles registro;
    return registro;
}

void SettingsFiles::setFolder(const QString &folder)
{
    customFolder = folder;
}

QString SettingsFiles::folder() const
{
    if (!customFolder.isEmpty())
        return customFolder;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/'
        + AppMaker + u'/' + AppTitle + u'/' + QString::number(AppMajor) + u'.'
        + QString::number(AppMinor);
}

QString SettingsFiles::hiveFile(Hive hive) const
{
    return folder()
        + (hive == Hive::CurrentUser ? QStringLiteral("/user.ini")
                                     : QStringLiteral("/machine.ini"));
}

bool SettingsFiles::write(Hive hive, const QString &keyPath, const QString &name,
                          const QString &text)
{
    const QString fileName = hiveFile(hive);
    std::optional<HiveData> data = Load(fileName);
    if (!data)
        return false;
    auto key = std::find_if(data->begin(), data->end(),
                            [&](const Key &k) { return SameName(k.path, keyPath); });
    if (key == data->end()) {
        data->push_back({keyPath, {}});
        key = data->end() - 1;
    }
    auto value = std::find_if(key->values.begin(), key->values.end(),
                              [&](const Value &v) { return SameName(v.name, name); });
    if (value == key->values.end())
        key->values.push_back({name, text});
    else
        value->text = text;

    return QDir().mkpath(folder()) && WriteFileAtomically(fileName, Serialize(*data)).isEmpty();
}

std::optional<QString> SettingsFiles::read(Hive hive, const QString &keyPath,
                                           const QString &name) const
{
    const std::optional<HiveData> data = Load(hiveFile(hive));
    if (!data)
        return std::nullopt;
    for (const Key &key : *data) {
        if (!SameName(key.path, keyPath))
            continue;
        for (const Value &value : key.values) {
            if (SameName(value.name, name))
                return value.text;
        }
    }
    return std::nullopt;
}

} // namespace platform
