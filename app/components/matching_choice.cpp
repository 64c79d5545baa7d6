// The verified-or-classic matching choice: two radio buttons that always hold opposite states.
#include "app/components/matching_choice.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vl::gui {
namespace {

// A radio button outside any exclusive group (so that setting it unchecked works)
// that a click only ever checks, as a radio button of a group does.
class PairedRadioButton : public QRadioButton {
 public:
  PairedRadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) { setAutoExclusive(false); }

 protected:
  void nextCheckState() override { setChecked(true); }
};

QLabel* noteLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  label->setContentsMargins(20, 0, 0, 0);
  return label;
}

}  // namespace

MatchingChoice::MatchingChoice(bool verified, QWidget* parent) : QGroupBox(tr("Picture matching"), parent) {
  setObjectName(QStringLiteral("gbMatching"));
  verified_ = new PairedRadioButton(tr("Find &edited copies (recommended)"), this);
  verified_->setObjectName(QStringLiteral("cbVerifyMatches"));
  classic_ = new PairedRadioButton(tr("C&lassic fingerprint match"), this);
  classic_->setObjectName(QStringLiteral("rbClassicMatch"));
  connect(verified_, &QRadioButton::toggled, classic_, [this](bool on) { classic_->setChecked(!on); });
  connect(classic_, &QRadioButton::toggled, verified_, [this](bool on) { verified_->setChecked(!on); });
  setVerified(verified);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(verified_);
  layout->addWidget(noteLabel(tr("Resized, recompressed, cropped, greyscale and re-formatted copies, "
                                             "each pair confirmed by a finer signature."),
                              this));
  layout->addWidget(classic_);
  layout->addWidget(noteLabel(tr("The fingerprint alone, as earlier versions matched: "
                                             "misses more copies and pairs more different pictures."),
                              this));
}

bool MatchingChoice::verified() const { return verified_->isChecked(); }

void MatchingChoice::setVerified(bool verified) {
  verified_->setChecked(verified);
  classic_->setChecked(!verified);
}

}  // namespace vl::gui
