// The choice between finding edited copies (verified matching) and the classic fingerprint match.
#pragma once

#include <QGroupBox>

class QRadioButton;

namespace vl::gui {

// Two radio buttons bound to the VerifyMatches setting: "Find edited copies
// (recommended)" (object name cbVerifyMatches, so a form's store keeps its Checked
// property under the setting's key) and "Classic fingerprint match" (rbClassicMatch),
// each with a line saying what it finds. Exactly one is checked; setting either
// one's checked state, as a store's restore does, sets the other to the opposite.
class MatchingChoice : public QGroupBox {
  Q_OBJECT
 public:
  MatchingChoice(bool verified, QWidget* parent);

  bool verified() const;
  void setVerified(bool verified);

 private:
  QRadioButton* verified_ = nullptr;
  QRadioButton* classic_ = nullptr;
};

}  // namespace vl::gui
