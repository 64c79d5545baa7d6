// The configure and scan-options dialogs and the form property store, driven offscreen.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <tuple>

#include "app/components/app_settings.h"
#include "app/dialogs/configure_dialog.h"
#include "app/components/filter_combo_box.h"
#include "app/dialogs/scan_choice.h"
#include "app/dialogs/scan_options_dialog.h"
#include "app/components/form_property_store.h"
#include "core/fingerprint/scan_entry.h"
#include "core/settings/ini_file.h"
#include "core/settings/settings.h"
#include "tests/gui/scripted_dialogs.h"

namespace vl::test {
namespace {

// Shows a fresh dialog (its store restores), lets `edit` change it, then closes it.
template <typename Dialog, typename Edit>
void openEditClose(Edit edit) {
  Dialog dialog;
  dialog.show();
  edit(dialog);
  dialog.accept();
}

// A small form with one control of each stored kind.
class SampleForm : public QWidget {
 public:
  explicit SampleForm(QStringList stored = {"eText.Text", "mMemo.Lines", "cbFlag.Checked"}) {
    text = new QLineEdit(this);
    text->setObjectName("eText");
    memo = new QPlainTextEdit(this);
    memo->setObjectName("mMemo");
    flag = new QCheckBox(this);
    flag->setObjectName("cbFlag");
    store = std::make_unique<gui::FormPropertyStore>(this, "TSample", true, stored);
  }
  QLineEdit* text;
  QPlainTextEdit* memo;
  QCheckBox* flag;
  std::unique_ptr<gui::FormPropertyStore> store;
};

}  // namespace

class SettingsDialogsTest : public DialogTest {
  Q_OBJECT

 private slots:
  // Unreadable numbers fall back to their defaults; unticking the automatic marking
  // disables its boxes, and unticking the newer picture types gives the classic mask.
  void configureStoresItsControlsAndCopiesThemIntoTheSettings() {
    openEditClose<gui::ConfigureDialog>([](gui::ConfigureDialog& dialog) {
      QVERIFY(!child<QPlainTextEdit>(dialog, "mIgnoreFilenames")->isEnabled());
      QVERIFY(child<QRadioButton>(dialog, "cbVerifyMatches")->isChecked());
      child<QRadioButton>(dialog, "rbClassicMatch")->click();
      child<QCheckBox>(dialog, "cbMatchRotations")->setChecked(true);
      child<QSpinBox>(dialog, "rxerrors")->setValue(55);
      child<QLineEdit>(dialog, "eMarkSize")->setText("abc");
      child<QLineEdit>(dialog, "eMarkErrors")->setText("12");
      child<QCheckBox>(dialog, "cbRecycle")->setChecked(false);
      child<QCheckBox>(dialog, "cbModernImageFormats")->setChecked(false);
      child<QCheckBox>(dialog, "cbAutoMarkDelete")->click();
      QVERIFY(!child<QLineEdit>(dialog, "eMarkSize")->isEnabled());
    });
    const Settings& copied = gui::CurrentSettings().values();
    QVERIFY(std::tuple(copied.fuzzFactor, copied.markErrors, copied.markSize, copied.deleteToRecycleBin, copied.autoMarkDelete,
                       copied.modernImageFormats, copied.matchRotations, copied.verifyMatches) ==
            std::tuple(55, 12, 5, false, false, false, true, false));
    const Settings reread = LoadSettings();
    QVERIFY(reread.matchRotations && !reread.modernImageFormats);

    Settings verifying = copied;  // the stored False must overrule the settings' choice
    verifying.verifyMatches = true;
    gui::CurrentSettings().setValues(verifying);
    gui::ConfigureDialog reopened;
    reopened.show();
    QVERIFY(child<QRadioButton>(reopened, "rbClassicMatch")->isChecked());
    QVERIFY(!child<QRadioButton>(reopened, "cbVerifyMatches")->isChecked());
    QCOMPARE(child<QLineEdit>(reopened, "eMarkSize")->text(), QString("abc"));
    QVERIFY(!child<QCheckBox>(reopened, "cbAutoMarkDelete")->isChecked());
    for (const char* name : {"eMarkErrors", "eMarkWidth", "eMarkHeight", "eMarkSize"})
      QVERIFY2(!child<QLineEdit>(reopened, name)->isEnabled(), name);
    // Escape cancels: neither the settings nor the stored values take the changes.
    child<QSpinBox>(reopened, "rxerrors")->setValue(80);
    QTest::keyClick(&reopened, Qt::Key_Escape);
    QCOMPARE(gui::CurrentSettings().values().fuzzFactor, 55);
    QCOMPARE(IniFile(AppIniFileName()).readString("Tfconfigure", "rxerrors_Value", ""), std::string("55"));
    gui::ScanOptionsDialog options;
    options.show();
    QCOMPARE(options.mask(), ImageFilesMask(false));
  }

  // The mode is stored, the filter starts at its first entry; an edited filter offers its
  // own entries, and the mask falls back to the last entry or to all files.
  void scanOptionsModesAndFilters() {
    {
      gui::ScanOptionsDialog dialog;
      dialog.show();
      QCOMPARE(dialog.mask(), ImageFilesMask(true));
      child<QRadioButton>(dialog, "rbNameandSize")->setChecked(true);
      QCOMPARE(dialog.scanMode(), 2);
      child<gui::FilterComboBox>(dialog, "FilterComboBox1")->setCurrentIndex(3);
      QCOMPARE(dialog.mask(), std::string("*.*"));
      dialog.accept();
    }
    IniFile ini(AppIniFileName());
    QCOMPARE(ini.readString("TfScanOptions", "rbNameandSize_Checked", ""), std::string("True"));
    {
      gui::ScanOptionsDialog reopened;
      reopened.show();
      QCOMPARE(reopened.scanMode(), 2);
      QCOMPARE(child<gui::FilterComboBox>(reopened, "FilterComboBox1")->currentIndex(), 0);
    }
    // The stored "Image Files" filter follows the newer-picture-types setting (see the
    // configure scenario); a typed one stays.
    QCOMPARE(gui::FilterFollowingImageSetting("Image Files|*.jpg|All|*.*"), QString("Image Files|*.jpg|All|*.*"));
    ini.writeString("TfScanOptions", "FilterComboBox1_Filter", "Gif Pictures|*.gif");
    gui::ScanOptionsDialog dialog;
    dialog.show();
    auto* box = child<gui::FilterComboBox>(dialog, "FilterComboBox1");
    QCOMPARE(box->count(), 1);
    QCOMPARE(box->itemText(0), QString("Gif Pictures"));
    QCOMPARE(dialog.mask(), std::string("*.gif"));
    box->setFilter("A|*.a|B|*.b|Dangling");
    QCOMPARE(box->count(), 2);
    box->setCurrentIndex(-1);
    QCOMPARE(box->mask(), std::string("*.b"));
    box->setFilter("");
    QCOMPARE(box->mask(), std::string("*.*"));
  }

  // A form never shown writes nothing; one destroyed while open saves itself as visible.
  void quotedStringsAndLinesSurviveAndDamagedValuesAreBounded() {
    { SampleForm form; }
    QVERIFY(!std::filesystem::exists(AppIniFileName()));
    {
      SampleForm form;
      form.show();
      form.text->setText("'x'");
      form.memo->setPlainText("one\n\"two\"\n");
      form.flag->setChecked(true);
    }
    QCOMPARE(IniFile(AppIniFileName()).readString("TSample", "Visible", ""), std::string("1"));
    SampleForm again;
    again.show();
    QCOMPARE(again.text->text(), QString("'x'"));
    QCOMPARE(again.memo->toPlainText(), QString("one\n\"two\"\n"));
    QVERIFY(again.flag->isChecked());

    // (How values are quoted and line lists stored is the property store's matter.)
    // A Boolean other than True/False keeps the control; a negative line count reads as no lines.
    IniFile ini(AppIniFileName());
    ini.writeString("TSample", "cbFlag_Checked", "1");
    ini.writeString("TSample.mMemo_Lines", "Count", "-7");
    SampleForm damaged;
    damaged.flag->setChecked(true);
    damaged.memo->setPlainText("kept");
    damaged.show();
    QVERIFY(damaged.flag->isChecked());
    QCOMPARE(damaged.memo->toPlainText(), QString());
  }

  void closingAFormWritesTheSettingsFileOnce() {
    const std::filesystem::path ini(AppIniFileName());
    const int watch = inotify_init1(IN_NONBLOCK);
    QVERIFY(watch >= 0);
    QVERIFY(inotify_add_watch(watch, ini.parent_path().c_str(), IN_MOVED_TO | IN_CLOSE_WRITE) >= 0);
    openEditClose<gui::ConfigureDialog>([](gui::ConfigureDialog& dialog) {
      child<QSpinBox>(dialog, "rxerrors")->setValue(12);
    });
    int replacements = 0;
    alignas(inotify_event) char buffer[8192];
    for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;) {
      for (char* at = buffer; at < buffer + n;) {
        const auto* event = reinterpret_cast<const inotify_event*>(at);
        if ((event->mask & IN_MOVED_TO) && event->len > 0 && ini.filename() == event->name) ++replacements;
        at += sizeof(inotify_event) + event->len;
      }
    }
    ::close(watch);
    QCOMPARE(replacements, 1);
    QCOMPARE(IniFile(AppIniFileName()).readString("Tfconfigure", "rxerrors_Value", ""), std::string("12"));
  }

  void failedWriteShowsOneErrorAndCloses() {
    std::filesystem::create_directories(AppIniFileName());
    SampleForm form;
    form.show();
    form.close();
    QVERIFY(form.isHidden());
    QCOMPARE(dialogs_->errors.size(), size_t(1));
    QVERIFY(QString::fromStdString(dialogs_->errors[0]).startsWith("Unable to write to"));
  }
};

}  // namespace vl::test

QTEST_MAIN(vl::test::SettingsDialogsTest)
#include "test_settings_dialogs.moc"
