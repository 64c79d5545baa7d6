// Opening a document or web address with the desktop's default application.
#pragma once

#include <string>

namespace vl {

class Host;

// Runs `xdg-open Document` from the program's own folder and waits for it (it
// hands the document to the application and returns). When it cannot be started
// or exits non-zero, shows "No Application association for "<Document>"" through
// the host and returns false.
bool OpenWithAssociation(const std::string& document, Host& host);

// Runs `xdg-open Document` as above and says whether it succeeded, showing nothing.
bool OpenDocument(const std::string& document);

}  // namespace vl
