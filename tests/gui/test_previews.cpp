// The preview and file panes of the main window, driven after real scans of generated pictures.
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QImageWriter>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <sys/stat.h>
#include <tuple>

#include "app/components/preview_decoder.h"
#include "app/components/preview_image.h"
#include "app/components/thumbnail_cache.h"
#include "app/preview/preview_controller.h"
#include "app/results/dupe_list_model.h"
#include "app/results/result_lists.h"
#include "core/database/volume_table.h"
#include "core/scan/not_duplicates.h"
#include "tests/gui/main_window_fixture.h"
#include "tests/support/image_writer.h"
#include "tests/support/modern_writer.h"

using vl::gui::PreviewController;
using Pane = PreviewController::Pane;
using namespace vl::test;

namespace {

PreviewController& previews(const WindowUnderTest& w) { return w.window->previews(); }
vl::gui::PreviewImage* image(const WindowUnderTest& w, Pane pane) { return previews(w).image(pane); }
QScrollBar* bar(const WindowUnderTest& w, Pane pane, Qt::Orientation orientation) {
  QScrollArea* area = previews(w).area(pane);
  return orientation == Qt::Horizontal ? area->horizontalScrollBar() : area->verticalScrollBar();
}

bool bothShown(const WindowUnderTest& w) {
  return !previews(w).isLoading(Pane::BasePane) && !previews(w).isLoading(Pane::DupePane) &&
         image(w, Pane::BasePane)->hasPicture() && image(w, Pane::DupePane)->hasPicture();
}

bool isEmptyPane(const vl::gui::PreviewImage* pane) { return !pane->hasPicture() && pane->size() == QSize(1, 1); }

QStringList captions(const QListWidget* list) {
  QStringList texts;
  for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
  return texts;
}

QString selectedCaption(const QListWidget* list) {
  const auto selected = list->selectedItems();
  return selected.size() == 1 ? selected.first()->text() : QString();
}

// Starts the window on `compare`, lets the start-up wizard go and scans for pictures.
void scanPictures(WindowUnderTest& w, ModalAnswerer& answerer, const std::vector<std::string>& compare) {
  w.window->resize(1000, 800);
  w.showAndScan(answerer, {}, compare, vl::ScanMode::Images);
}

// A 640 x 480 base and its 1600 x 1200 duplicate in a fresh AppDir, scanned and both shown.
struct SmallAndLargePhoto : WindowScope {
  SmallAndLargePhoto() {
    files.makeDir("a");
    files.makeDir("b");
    WriteJpeg(files.file("a/photo.jpg"), GradientPicture(640, 480));
    WriteJpeg(files.file("b/photo large.jpg"), GradientPicture(1600, 1200));
    scanPictures(w, answerer, {files.file("a"), files.file("b")});
    QTRY_VERIFY(bothShown(w));
    QVERIFY(!child<QAction>(w, "tbFullSize")->isChecked());  // a new settings file fits pictures to their panes
    child<QAction>(w, "tbFullSize")->trigger();
    QTRY_VERIFY(bothShown(w) && dupe->size() == QSize(1600, 1200));
  }
  vl::gui::PreviewImage* base = image(w, Pane::BasePane);
  vl::gui::PreviewImage* dupe = image(w, Pane::DupePane);
};

void drag(QWidget* widget, QPoint from, QPoint to) {
  QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseMove(widget, to);
  QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, to);
}

// Lets the drive queries name one volume at `root`, with this label and serial number.
void FakeVolume(const std::string& root, bool removable, const char* label, const char* fileSystem, uint32_t serial) {
  vl::SetDriveQueries({[=] { return std::vector<vl::DriveRoot>{{root, removable, false, "/dev/sdz1", fileSystem}}; },
                       [=](const std::string&, std::string& l, std::string& f, uint32_t& s, std::string& type) {
                         std::tie(l, f, s, type) = std::tuple(label, fileSystem, serial, removable ? "Removable" : "Fixed");
                         return true;
                       }});
}

int proportional(int position, int range, int otherRange) {
  return int(std::nearbyint(double(position) / range * otherRange));
}

}  // namespace

class PreviewsTest : public QObject {
  Q_OBJECT

 private slots:
  void picturesShowScalePanAndZoomTogether();
  void missingAndUnreadableFilesAndANewScan();
  void filePanesFollowTheFoldersAndTheToggle();
  void notADuplicateRemovesTheLineAndIsRemembered();
  void thumbnailsAreSharedAndFollowChangedFiles();
};

// A small base beside a large duplicate: the info lines, full size, scroll positions
// handed on, the JPEG scale, panning with and without ranges, stretched pictures;
// "+", "-" and "0" on the focused pane, Ctrl + wheel about the pointer, both panes
// in unison, stretched pictures decoded at full size once zoomed.
void PreviewsTest::picturesShowScalePanAndZoomTogether() {
  SmallAndLargePhoto photos;
  WindowUnderTest& w = photos.w;
  auto *base = photos.base, *dupe = photos.dupe;
  QVERIFY(previews(w).info(Pane::BasePane)->text().startsWith(QString::fromUtf8("640 \u00D7 480 pixels, ")));
  QVERIFY(previews(w).info(Pane::DupePane)->text().startsWith(QString::fromUtf8("1600 \u00D7 1200 pixels, ")));
  QCOMPARE(base->size(), QSize(640, 480));

  // Dragging the duplicate moves it with the mouse and the base in proportion.
  QScrollBar* dupeH = bar(w, Pane::DupePane, Qt::Horizontal);
  QScrollBar* dupeV = bar(w, Pane::DupePane, Qt::Vertical);
  QScrollBar* baseH = bar(w, Pane::BasePane, Qt::Horizontal);
  QScrollBar* baseV = bar(w, Pane::BasePane, Qt::Vertical);
  QVERIFY(dupeH->maximum() > 200 && dupeV->maximum() > 200 && baseH->maximum() > 0);
  drag(dupe, QPoint(300, 300), QPoint(210, 240));
  QCOMPARE(dupeH->value(), 90);
  QCOMPARE(dupeV->value(), 60);
  QCOMPARE(baseH->value(), proportional(90, dupeH->maximum(), baseH->maximum()));
  QCOMPARE(baseV->value(), baseV->maximum() > 0 ? proportional(60, dupeV->maximum(), baseV->maximum()) : 0);
  QCOMPARE(dupe->cursor().shape(), Qt::ArrowCursor);

  // Side by side again reloads the duplicate at the base's position.
  baseH->setValue(baseH->maximum());
  child<QAction>(w, "tbSideBySide")->trigger();
  child<QAction>(w, "tbSideBySide")->trigger();
  QTRY_VERIFY(bothShown(w));
  QCOMPARE(dupeH->value(), baseH->maximum());

  // "1 : 4" decodes at a quarter of the size.
  child<QAction>(w, "N143")->trigger();
  QTRY_VERIFY(bothShown(w) && base->size() == QSize(160, 120));
  QCOMPARE(base->picture().size(), QSize(160, 120));

  // At "1 : 2" the base fits its pane: dragging it moves nothing.
  child<QAction>(w, "N123")->trigger();
  QTRY_VERIFY(bothShown(w) && dupe->size() == QSize(800, 600));
  QCOMPARE(baseH->maximum(), 0);
  QVERIFY(dupeH->maximum() > 30);
  dupeH->setValue(30);
  drag(base, QPoint(100, 100), QPoint(40, 40));
  QCOMPARE(dupeH->value(), 30);
  QCOMPARE(photos.answerer.messages.size(), qsizetype(1));  // the scan's summary alone

  // Stretched: no panning, the picture fills its pane with its aspect kept.
  child<QAction>(w, "tbFullSize")->trigger();
  QTRY_VERIFY(bothShown(w));
  const QRect shown = dupe->pictureRect();
  QVERIFY(dupe->rect().contains(shown));
  QVERIFY(shown.width() == dupe->width() || shown.height() == dupe->height());
  QVERIFY(std::abs(shown.width() * 3 - shown.height() * 4) <= 4);
  dupeH->setValue(0);
  drag(dupe, QPoint(100, 100), QPoint(20, 20));
  QCOMPARE(dupeH->value(), 0);

  // Back at full size and "1 : 1" for the zoom.
  child<QAction>(w, "tbFullSize")->trigger();
  child<QAction>(w, "N113")->trigger();
  QTRY_VERIFY(bothShown(w) && dupe->size() == QSize(1600, 1200));
  QApplication::setActiveWindow(w.window.get());
  QScrollArea* dupeArea = previews(w).area(Pane::DupePane);
  dupeArea->setFocus();
  QTest::keyClick(dupeArea, Qt::Key_Plus);
  QCOMPARE(dupe->size(), QSize(2000, 1500));
  QCOMPARE(base->size(), QSize(800, 600));  // in unison
  child<QAction>(w, "tbScrollInUnison")->trigger();
  QTest::keyClick(dupeArea, Qt::Key_Minus);
  QCOMPARE(dupe->size(), QSize(1600, 1200));
  QCOMPARE(base->size(), QSize(800, 600));
  QTest::keyClick(dupeArea, Qt::Key_0);
  const QSize box = dupeArea->maximumViewportSize();
  QVERIFY(dupe->width() <= box.width() && dupe->height() <= box.height());
  QVERIFY(dupe->width() == box.width() || dupe->height() == box.height());

  // Ctrl + wheel keeps the picture point under the pointer where it was.
  QWidget* viewport = previews(w).area(Pane::BasePane)->viewport();
  const QPoint pointer(150, 100);
  const QPointF before = QPointF(base->mapFrom(viewport, pointer)) / base->drawnScale();
  QWheelEvent wheel(QPointF(base->mapFrom(viewport, pointer)), QPointF(viewport->mapToGlobal(pointer)), QPoint(),
                    QPoint(0, 240), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(base, &wheel);
  QCOMPARE(base->size(), QSize(1250, 938));
  const QPointF after = QPointF(base->mapFrom(viewport, pointer)) / base->drawnScale();
  QVERIFY((after - before).manhattanLength() < 2);

  // Stretched: a zoom asks for the full decode; "0" fits the pane again.
  child<QAction>(w, "tbFullSize")->trigger();
  QTRY_VERIFY(bothShown(w) && dupe->zoom() == 0 && dupe->picture().width() < 1600);
  QTest::keyClick(dupeArea, Qt::Key_Equal);
  QTRY_COMPARE(dupe->picture().size(), QSize(1600, 1200));
  QVERIFY(!dupeArea->widgetResizable());
  QTest::keyClick(dupeArea, Qt::Key_0);
  QCOMPARE(dupe->zoom(), 0.0);
  QVERIFY(dupeArea->widgetResizable());
}

// A deleted file, a file on a volume that is not there, a name that only looks
// like a picture, a name without extension, and a scan that empties the panes.
void PreviewsTest::missingAndUnreadableFilesAndANewScan() {
  SmallAndLargePhoto photos;
  WindowUnderTest& w = photos.w;
  const TempDir& files = photos.files;
  QStringList& messages = photos.answerer.messages;
  auto* dupe = photos.dupe;
  const auto notice = [&](const std::string& line1, const std::string& line2) {
    return vl::gui::NoticeImage(QString::fromStdString(line1), QString::fromStdString(line2), w.window->font(),
                                previews(w).area(Pane::DupePane)->palette().color(QPalette::Base));
  };
  const std::string volume = w.window->lists().selectedEntry()->Volume;
  const std::string copy = files.file("b/photo large.jpg");

  std::remove(copy.c_str());
  w.window->lists().FillDupeList();
  QVERIFY(dupe->isNotice());

  // The folder's volume now carries another label: the file's disk is not inserted.
  FakeVolume(files.path(), true, "OTHER DISK", "vfat", 7);
  w.window->lists().FillDupeList();
  vl::ResetDriveQueries();
  QCOMPARE(dupe->picture(), notice("Image : " + copy + " not found.",
                                   "Insert disk \"" + volume + "\" into your " + files.path() + " drive and try again."));

  const auto load = [&](const std::string& path) { return previews(w).LoadPreview(path, volume, Pane::DupePane, 0, 0); };
  const QString readError = QStringLiteral("Error in reading image file.");
  // A phone's photograph taken upright is shown upright (its EXIF orientation).
  const std::string upright = files.file("a/phone.jpg");
  QImageWriter writer(QString::fromStdString(upright), "jpeg");
  writer.setTransformation(QImageIOHandler::TransformationRotate90);
  QVERIFY(writer.write(QImage(240, 120, QImage::Format_RGB32)));
  QVERIFY(load(upright));
  // Until it is decoded the pane shows its name, not the last file's picture and info.
  QVERIFY(!dupe->hasPicture() && previews(w).info(Pane::DupePane)->text().isEmpty());
  QTRY_COMPARE(dupe->size(), QSize(120, 240));
  // So is a TIFF of any of the four orientations that turn it on its side: the
  // stored top-left (red) pixel lands in the corner its orientation names.
  Picture sideways(40, 30, Rgb(0, 0, 255));
  sideways.rgb[0] = Rgb(255, 0, 0);
  for (auto [orientation, corner] : {std::pair(5, QPoint(0, 0)), std::pair(6, QPoint(29, 0)),
                                     std::pair(7, QPoint(29, 39)), std::pair(8, QPoint(0, 39))}) {
    const std::string name = "a/turned" + std::to_string(orientation) + ".tif";
    QVERIFY(load(files.write(name, EncodeTiff(sideways, {.orientation = uint16_t(orientation)}))));
    QTRY_VERIFY(!previews(w).isLoading(Pane::DupePane) && dupe->size() == QSize(30, 40));
    QCOMPARE(qRed(dupe->picture().pixel(corner)), 255);
    QCOMPARE(qRed(dupe->picture().pixel(QPoint(29, 39) - corner)), 0);
  }

  // A picture name whose contents no decoder takes: an error and an empty pane
  // (how each format decodes, and that a damaged one fails, is the decoders' matter).
  const std::string broken = files.file("a/broken.jpg");
  WriteBytes(broken, std::vector<uint8_t>(64, 'x'));
  QVERIFY(load(broken));
  QTRY_VERIFY(messages.contains(readError));
  QVERIFY(isEmptyPane(dupe));
  // A FIFO named like a picture is refused, not waited on; a file that is no picture is not loaded.
  messages.clear();
  const std::string fifo = files.file("a/pipe.jpg");
  QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
  QVERIFY(load(fifo));
  QTRY_VERIFY(messages.contains(readError));
  messages.clear();
  QVERIFY(!load(files.write("a/README", std::string("text"))));
  QVERIFY(isEmptyPane(dupe));
  QTest::qWait(50);
  QVERIFY(messages.isEmpty());

  // A scan empties both panes first (here it stops at the empty folder list).
  w.folders->setLists({}, {});
  w.scanWithOptions(photos.answerer, vl::ScanMode::Images);
  QVERIFY(isEmptyPane(photos.base));
  QVERIFY(isEmptyPane(dupe));
}

// The file panes list each picture's folder with it selected, follow new files,
// and are pointed at the current files again when shown after being hidden.
void PreviewsTest::filePanesFollowTheFoldersAndTheToggle() {
  WindowScope scope;
  auto& [app, files, answerer, w] = scope;
  for (const char* folder : {"a", "b", "c", "d"}) files.makeDir(folder);
  const Picture first = GradientPicture(160, 120);
  const Picture second =
      BlockPicture(160, 120, 20, {Rgb(250, 0, 0), Rgb(0, 0, 40)}, 3);
  WriteJpeg(files.file("a/p.jpg"), first);
  WriteJpeg(files.file("b/p copy.jpg"), first);
  files.write("b/notes.txt", std::string("x"));
  WriteJpeg(files.file("c/q.jpg"), second);
  WriteJpeg(files.file("d/q copy.jpg"), second);
  scanPictures(w, answerer, {files.file("a"), files.file("b"), files.file("c"), files.file("d")});
  auto* lvBase = child<QListWidget>(w, "lvBase");
  auto* lvThumbs = child<QListWidget>(w, "lvThumbs");
  QTRY_COMPARE(captions(lvBase), QStringList{QStringLiteral("p.jpg")});
  QTRY_COMPARE(captions(lvThumbs), (QStringList{QStringLiteral("notes.txt"), QStringLiteral("p copy.jpg")}));
  QCOMPARE(selectedCaption(lvThumbs), QStringLiteral("p copy.jpg"));

  files.write("b/new.jpg", std::string("y"));
  QTRY_COMPARE(captions(lvThumbs), (QStringList{"new.jpg", "notes.txt", "p copy.jpg"}));

  QAction* showFiles = child<QAction>(w, "tbShowFiles");
  showFiles->trigger();
  child<QListWidget>(w, "lbBaseFiles")->setCurrentRow(1);
  QTest::qWait(300);
  QCOMPARE(captions(lvBase), QStringList{QStringLiteral("p.jpg")});
  showFiles->trigger();
  QTRY_COMPARE(captions(lvBase), QStringList{QStringLiteral("q.jpg")});
  QTRY_COMPARE(captions(lvThumbs), QStringList{QStringLiteral("q copy.jpg")});
}

// "Not a Duplicate" (Ctrl+N) takes the line out and prunes the group; the pairs stay
// apart in the next scan until "Forget Not-Duplicates" is confirmed.
void PreviewsTest::notADuplicateRemovesTheLineAndIsRemembered() {
  WindowScope scope;
  auto& [app, files, answerer, w] = scope;
  ScriptedDialogs dialogs;
  files.makeDir("a");
  WriteJpeg(files.file("a/1 photo.jpg"), GradientPicture(320, 240));
  WriteJpeg(files.file("a/2 copy.jpg"), GradientPicture(320, 240));
  WriteJpeg(files.file("a/3 large.jpg"), GradientPicture(640, 480));
  // The pictures' volume has no label: the list names it by its mount point, not its serial number.
  FakeVolume(files.path(), false, "", "ext4", 4242);
  scanPictures(w, answerer, {files.file("a")});
  vl::ResetDriveQueries();
  auto* baseList = child<QListWidget>(w, "lbBaseFiles");
  auto* dupes = child<QListView>(w, "lbDupes");
  QCOMPARE(dupes->model()->rowCount(), 3);
  const QStringList stored = dupes->model()->index(1, 0).data(vl::gui::DupeListModel::FieldsRole).toStringList();
  const QStringList shown = dupes->model()->index(1, 0).data(vl::gui::DupeListModel::ShownFieldsRole).toStringList();
  QCOMPARE(stored.value(7), QStringLiteral("4242"));
  QCOMPARE(shown.value(7), QString::fromStdString(files.path()));
  QVERIFY(shown.value(3) != stored.value(3));  // a size in units, not the byte count
  const std::string dismissed = w.window->lists().selectedEntry()->Path;

  QApplication::setActiveWindow(w.window.get());
  dupes->setFocus();
  QTest::keyClick(dupes, Qt::Key_N, Qt::ControlModifier);
  QCOMPARE(dupes->model()->rowCount(), 2);
  QVERIFY(w.window->lists().selectedEntry() && w.window->lists().selectedEntry()->Path != dismissed);
  child<QAction>(w, "NotADuplicate1")->trigger();
  QCOMPARE(baseList->count(), 0);
  QCOMPARE(dupes->model()->rowCount(), 0);

  w.scanWithOptions(answerer, vl::ScanMode::Images);
  QCOMPARE(baseList->count(), 0);
  child<QAction>(w, "ForgetNotDuplicates1")->trigger();
  // No keeps the list.
  std::string problem;
  QCOMPARE(vl::ReadNotDuplicates(vl::NotDuplicatesFileName(), problem).size(), size_t(2));
  dialogs.yesNo.push_back(true);
  child<QAction>(w, "ForgetNotDuplicates1")->trigger();
  QCOMPARE(dialogs.questions.size(), size_t(2));
  w.scanWithOptions(answerer, vl::ScanMode::Images);
  QCOMPARE(baseList->count(), 1);
  QVERIFY(dialogs.errors.empty());
}

// A thumbnail is made once into the freedesktop folder, taken from there when it
// still matches the file (made by another program too), made again when the file
// changed, and never asked for again for a file that is no picture.
void PreviewsTest::thumbnailsAreSharedAndFollowChangedFiles() {
  AppDirScope app;
  TempDir files;
  std::atomic<int> decodes = 0;
  const auto counting = [&](const QString& path, QSize box) {
    ++decodes;
    return vl::gui::DecodeThumbnailPicture(path, box);
  };
  vl::gui::ThumbnailCache cache(counting);
  const auto ready = [](vl::gui::ThumbnailCache& from, const QString& path) {
    QImage made;
    return QTest::qWaitFor([&] { return !(made = from.thumbnail(path)).isNull(); }) ? made : QImage();
  };
  const QString photo = QString::fromStdString(files.file("photo.jpg"));
  WriteJpeg(photo.toStdString(), Picture(1600, 1200, Rgb(200, 0, 0)));
  const QImage made = ready(cache, photo);
  QCOMPARE(made.size(), QSize(128, 96));
  QVERIFY(qRed(made.pixel(64, 48)) > 150);
  const QString stored = vl::gui::FreedesktopThumbnailPath(photo);
  QVERIFY(!(QFileInfo(stored).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther)));
  QImage onDisk(stored);
  QCOMPARE(onDisk.text(QStringLiteral("Thumb::URI")), QUrl::fromLocalFile(photo).toString());
  QCOMPARE(decodes.load(), 1);

  // Another cache (the next run, or a file manager) uses the stored thumbnail as it is.
  vl::gui::ThumbnailCache next([&](const QString&, QSize) { ++decodes; return QImage(); });
  QCOMPARE(ready(next, photo).size(), QSize(128, 96));
  QCOMPARE(decodes.load(), 1);

  // A changed file (new contents, new time) is never shown by its old stored thumbnail.
  WriteJpeg(photo.toStdString(), Picture(1200, 1600, Rgb(0, 0, 200)));
  QFile touched(photo);
  QVERIFY(touched.open(QIODevice::ReadWrite) &&
          touched.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
  touched.close();
  vl::gui::ThumbnailCache later(counting);
  const QImage redone = ready(later, photo);
  QCOMPARE(redone.size(), QSize(96, 128));
  QVERIFY(qBlue(redone.pixel(48, 64)) > 150);
  QCOMPARE(decodes.load(), 2);

  const QString text = QString::fromStdString(files.write("notes.jpg", std::string("not a picture")));
  QVERIFY(cache.thumbnail(text).isNull());
  QTRY_COMPARE(decodes.load(), 3);
  QTest::qWait(50);
  QVERIFY(cache.thumbnail(text).isNull());
  QTest::qWait(50);
  QCOMPARE(decodes.load(), 3);
}

QTEST_MAIN(PreviewsTest)
#include "test_previews.moc"
