// The core's translator hook, answered by Qt's translation system.
#include "app/components/core_texts.h"

#include <QCoreApplication>
#include <string>

#include "core/components/user_text.h"

namespace vl::gui {
namespace {

// QCoreApplication::translate is thread-safe; it fills in "%n" itself.
std::string translateCoreText(const char* context, const char* text, const char* disambiguation, int n) {
  return QCoreApplication::translate(context, text, disambiguation, n).toStdString();
}

}  // namespace

void InstallCoreTexts() { SetTextTranslator(translateCoreText); }

}  // namespace vl::gui
