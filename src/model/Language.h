#pragma once

#include <QString>

// The language of the texts the program builds itself; the [Setup] Language value of
// Program.ini chooses it at start-up ("Chinese" exactly, else English).
enum class Language { English, Chinese };

inline Language languageFromSetting(const QString& value)
{
    return value == QLatin1String("Chinese") ? Language::Chinese : Language::English;
}

// The text of the language, from its English and its Chinese form.
inline QString byLanguage(Language language, const QString& english, const QString& chinese)
{
    return language == Language::Chinese ? chinese : english;
}
inline QString byLanguage(Language language, const char* english, const char* chinese)
{
    return QString::fromUtf8(language == Language::Chinese ? chinese : english);
}
