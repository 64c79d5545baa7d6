// Finding and installing the .qm files for the user's language.
#include "app/components/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vl::gui {
namespace {

QString& loadedLanguage() {
  static QString language;
  return language;
}

bool isEnglish(const QString& language) {
  return language == QLatin1String("C") || language == QLatin1String("en") || language.startsWith(QLatin1String("en_"));
}

// Loads velloran_LANGUAGE.qm from the installed folder or the build tree's; QTranslator
// falls back from "de_AT" to "de" by itself.
bool loadOwn(QTranslator& translator, const QString& language) {
  const QString program = QCoreApplication::applicationDirPath();
  for (const QString& folder : {program + QStringLiteral("/../share/velloran/translations"),
                                program + QStringLiteral("/../translations")})
    if (translator.load(QStringLiteral("velloran_") + language, QDir::cleanPath(folder))) return true;
  return false;
}

}  // namespace

QString InstallTranslations(QCoreApplication& application) {
  auto* own = new QTranslator(&application);
  for (QString language : QLocale::system().uiLanguages()) {
    language.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (isEnglish(language)) break;
    if (!loadOwn(*own, language)) continue;
    application.installTranslator(own);
    loadedLanguage() = own->language();
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + loadedLanguage(), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      application.installTranslator(qt);
    return loadedLanguage();
  }
  delete own;
  return {};
}

QString TranslationLanguage() { return loadedLanguage(); }

}  // namespace vl::gui
