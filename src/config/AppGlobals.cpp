#include "config/AppGlobals.h"

bool g_bChinese = false;
QString g_strLanguage;
QString g_strHelpFile = QStringLiteral("enHelp.chm");
QString g_strExeDir;
RadioVariant g_radioVariant = RadioVariant::ReceiveOnly;
bool g_bNewDocument = false;
QString g_strCaption;
QString g_strCompany;

void setLanguageGlobals(const QString& language)
{
    g_strLanguage = language;
    g_bChinese = language == QLatin1String("Chinese");
    g_strHelpFile = g_bChinese ? QStringLiteral("chHelp.chm") : QStringLiteral("enHelp.chm");
}
