// The "VL Scan Wizard": a welcome panel, then pages for the two folder lists and the scan type.
#pragma once

#include <QDialog>

#include <memory>
#include <string>

#include "app/dialogs/scan_choice.h"

class QCheckBox;
class QPushButton;
class QStackedWidget;

namespace vl::gui {

class FilterComboBox;
class FolderListBox;
class FoldersDialog;
class FormPropertyStore;
class MatchingChoice;

// Opens on the welcome panel ("Classic" closes with Classic, "Wizard" shows the
// pages). The pages "Base Files", "Compare Files" and "Scan Type" edit copies of the
// folders dialog's lists and choose the mode and file type; "Scan" closes with
// Accepted, "Cancel" with Rejected. Every close copies the lists back into the
// folders dialog, writes "newlist.txt"/"orglist.txt" and the "ShowWiz" key, and
// keeps the welcome panel's matching choice in the settings.
class ScanWizard : public QDialog {
  Q_OBJECT

 public:
  // The result of "Classic".
  static constexpr int Classic = 2;

  ScanWizard(FoldersDialog& folders, QWidget* parent = nullptr);
  ~ScanWizard() override;

  // 0 images, 1 names, 2 names and size, 3 size and contents.
  int scanMode() const;
  std::string mask() const;

  void done(int result) override;

 private:
  QWidget* makeWelcomePanel();
  QWidget* makePages();
  QWidget* makeListPage(const QString& title, const QStringList& texts, const QString& suffix, FolderListBox*& list);
  QWidget* makeScanTypePage();
  QWidget* makeNavigation();
  void showPages();
  void movePage(int step);
  void UpdateButtons();
  // Writes the "ShowWiz" key and, when changed, the matching choice, which the
  // program's settings take at once.
  void saveChoices();

  FoldersDialog& folders_;
  QStackedWidget* panels_ = nullptr;
  QStackedWidget* notebook_ = nullptr;
  QCheckBox* showAtStartup_ = nullptr;
  MatchingChoice* matching_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* next_ = nullptr;
  FolderListBox* baseList_ = nullptr;
  FolderListBox* compareList_ = nullptr;
  ScanModeButtons modeButtons_{};
  FilterComboBox* filterBox_ = nullptr;
  std::unique_ptr<FormPropertyStore> store_;
};

}  // namespace vl::gui
