#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool UseQtTranslations(int language)
{
    static QTranslator *installed = nullptr;
    if (!QCoreApplication::instance())
        return false;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    const char *locale = language == 1 ? "zh_TW" : language == 2 ? "zh_CN" : nullptr;
    if (!locale)
        return true;
    auto *translator = new QTranslator();
    if (!translator->load(QString("qtbase_") + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}
