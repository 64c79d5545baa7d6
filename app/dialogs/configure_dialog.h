// The "Configure" dialog: filename-compare, image-compare and general settings.
#pragma once

#include <QDialog>

#include <memory>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;

namespace vl::gui {

class FormPropertyStore;
class MatchingChoice;

// Two pages (tabs at the bottom; a third, for file names, kept hidden), OK and Cancel.
// Its controls are kept in section "Tfconfigure" (position only); OK copies every
// control into the program's settings (CurrentSettings), Cancel and Escape put the
// controls back to those settings, so neither they nor the file change.
class ConfigureDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ConfigureDialog(QWidget* parent = nullptr);
  ~ConfigureDialog() override;

  void done(int result) override;

 private:
  QWidget* makeFilenamePage();
  QWidget* makeImagePage();
  QWidget* makeGeneralPage();
  QCheckBox* makeCheckBox(const char* name, const QString& caption, bool checked);
  QLineEdit* makeMarkBox(const char* name, const QString& text);
  void enableMarkBoxes(bool enabled);
  void copyIntoSettings() const;
  void copyFromSettings();

  QTabWidget* pages_ = nullptr;
  QPlainTextEdit* ignoreFilenames_ = nullptr;
  QSpinBox* fuzzFactor_ = nullptr;
  QCheckBox* autoMarkDelete_ = nullptr;
  QLineEdit* markErrors_ = nullptr;
  QLineEdit* markWidth_ = nullptr;
  QLineEdit* markHeight_ = nullptr;
  QLineEdit* markSize_ = nullptr;
  QCheckBox* confirmDelete_ = nullptr;
  QCheckBox* recycle_ = nullptr;
  QCheckBox* beep_ = nullptr;
  QCheckBox* navArrows_ = nullptr;
  QCheckBox* checkABDrives_ = nullptr;
  QCheckBox* useDeletedList_ = nullptr;
  MatchingChoice* matching_ = nullptr;
  QCheckBox* matchRotations_ = nullptr;
  QCheckBox* modernFormats_ = nullptr;
  std::unique_ptr<FormPropertyStore> store_;
};

}  // namespace vl::gui
