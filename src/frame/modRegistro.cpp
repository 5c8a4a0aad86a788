#include "modRegistro.h"

#include "platform/AppInfo.h"
#include "platform/Codepage.h"
#include "platform/DesktopAssociation.h"
#include "platform/Interaction.h"

#include <QCoreApplication>

namespace frame {

namespace {

// The read buffer of a value, terminator included.
constexpr qsizetype kReadBuffer = 1024;

} // namespace

QString ChaveConfig(const QString &section)
{
    return QStringLiteral("Software\\") + platform::AppMaker + u'\\' + platform::AppTitle
        + u'\\' + QString::number(platform::AppMajor) + u'.'
        + QString::number(platform::AppMinor) + u'\\' + section;
}

Hive HiveOfSection(const QString &section)
{
    return section.startsWith(QStringLiteral("Config"), Qt::CaseSensitive) ? Hive::CurrentUser
                                                                           : Hive::LocalMachine;
}

QString GetConfig(const QString &section, const QString &key)
{
    return QueryValue(HiveOfSection(section), ChaveConfig(section), key);
}

void SaveConfig(const QString &section, const QString &key, const QString &value)
{
    SetKeyValue(HiveOfSection(section), ChaveConfig(section), key, value);
}

bool SetKeyValue(Hive hive, const QString &subkey, const QString &name, const QString &value)
{
    return platform::SettingsFiles::instance().write(hive, subkey, name,
                                                     value.isEmpty() ? QStringLiteral(" ") : value);
}

QString QueryValue(Hive hive, const QString &subkey, const QString &name)
{
    const std::optional<QString> text =
        platform::SettingsFiles::instance().read(hive, subkey, name);
    if (!text)
        return {};
    // The size the text takes in the program's code page, one byte per character.
    if (platform::ToCodepage1252(*text).size() + 1 >= kReadBuffer)
        return {};
    const qsizetype zero = text->indexOf(QChar(u'\0'));
    return zero < 0 ? *text : text->left(zero);
}

QString OwnOpenCommand()
{
    return platform::ProgramOpenCommand(QCoreApplication::applicationFilePath());
}

void VerificaAssociacao()
{
    if (platform::CaseExtensionType() != platform::CaseMimeType) {
        AssociaArquivo();
        return;
    }
    const QString registrado = platform::CaseOpenCommand();
    if (registrado.isEmpty())
        return;
    if (registrado.compare(OwnOpenCommand(), Qt::CaseInsensitive) == 0)
        return;
    if (GetConfig(QStringLiteral("System"), QStringLiteral("Associa")) == u"0")
        return;
    const int style = platform::vbYesNo + platform::vbExclamation;
    if (platform::MsgBox(QString::fromUtf8("Os arquivos de extenção 'qzv' não estão associados "
                                           "a este programa de Cálculo de Quirasol."),
                         style, QString::fromUtf8("Deseja restaurar a associação dos arquivos ?"))
        == platform::vbYes) {
        AssociaArquivo();
        return;
    }
    if (platform::MsgBox(QStringLiteral("Deseja receber esta mensagem novamente?"), style,
                         QString::fromUtf8("Associação de arquivos"))
        == platform::vbNo)
        SaveConfig(QStringLiteral("System"), QStringLiteral("Associa"), QStringLiteral("0"));
}

bool AssociaArquivo()
{
    // Made whole or not at all: with a mimeapps.list we cannot read whole nothing is written,
    // so the next start finds the association missing and tries again.
    if (!platform::MimeAppsReadable())
        return false;
    platform::WriteMimePackage(platform::CaseMimeType,
                               QString::fromUtf8("Arquivo de Cálculo de Quirasol"));
    platform::InstallIcons();
    const bool ok = platform::WriteCaseApplication(platform::AppTitle, OwnOpenCommand());
    platform::UpdateDesktopCaches();
    return ok;
}

} // namespace frame
