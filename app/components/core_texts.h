// The core's texts in the user's language: the translator the window gives the core.
#pragma once

namespace vl::gui {

// Makes the core's user texts go through QCoreApplication::translate (context
// "vl::core"), so they follow the translations the application loaded. Call once,
// after the application object exists; thread-safe to use from job threads after.
void InstallCoreTexts();

}  // namespace vl::gui
