// Loading the window's translation and Qt's own for the user's language.
#pragma once

#include <QString>

class QCoreApplication;

namespace vl::gui {

// Installs velloran_LANG.qm and Qt's qtbase_LANG.qm for the first of the user's languages
// (QLocale::system().uiLanguages(): LANGUAGE, then LC_ALL / LANG) that has a translation,
// from share/velloran/translations beside the program or, run from the build tree, the
// build's translations folder. English first, or no translation, keeps the English texts.
// Returns the language loaded ("de", "pt_BR"), empty for none. Tries a few files per language.
QString InstallTranslations(QCoreApplication& application);

// The language InstallTranslations loaded, empty for none.
QString TranslationLanguage();

}  // namespace vl::gui
