// The two file panes under the previews: the files of each shown picture's folder, kept current by a folder thread.
#include "app/preview/file_panes.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <sys/stat.h>

#include "app/components/desktop_shell.h"
#include "core/files/paths.h"

namespace vl::gui {

// The file pane as the folder thread sees it.
class FilePanes::ListAdapter : public DirectoryListView {
 public:
  explicit ListAdapter(QListWidget* list) : list_(list) {}
  int count() const override { return list_->count(); }
  void beginUpdate() override { list_->setUpdatesEnabled(false); }
  void endUpdate() override { list_->setUpdatesEnabled(true); }
  void setItems(const std::vector<std::string>& captions) override {
    list_->clear();
    for (const std::string& caption : captions) list_->addItem(QString::fromStdString(caption));
  }
  int indexOfCaption(const std::string& caption) const override {
    const QList<QListWidgetItem*> found = list_->findItems(QString::fromStdString(caption), Qt::MatchExactly);
    return found.isEmpty() ? -1 : list_->row(found.first());
  }
  void clearSelection() override { list_->clearSelection(); }
  void select(int index) override { list_->setCurrentRow(index, QItemSelectionModel::ClearAndSelect); }
  void scrollTo(int index) override { list_->scrollToItem(list_->item(index)); }

 private:
  QListWidget* list_;
};

namespace {

void runOnMainThread(const std::function<void()>& task) {
  QMetaObject::invokeMethod(qApp, task, Qt::BlockingQueuedConnection);
}

bool isRegularFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

FilePanes::FilePanes(QListWidget* lvBase, QListWidget* lvThumbs, QWidget* window)
    : QObject(window), panes_{lvBase, lvThumbs}, window_(window) {
  for (Pane which : {BasePane, DupePane}) {
    connect(panes_[which], &QWidget::customContextMenuRequested, this, [this, which] { menuPane_ = which; });
    connect(panes_[which], &QListWidget::itemDoubleClicked, this, [this, which] { execute(which); });
  }
}

FilePanes::~FilePanes() {
  for (auto& thread : threads_) {
    if (!thread) continue;
    thread->Terminate();
    thread->Wake();
  }
}

void FilePanes::ShowFolderOf(const std::string& fileName, Pane which, bool noFiles) {
  if (noFiles) {
    panes_[which]->clear();
    return;
  }
  folders_[which] = AddSlash(FolderOf(fileName));
  if (threads_[which]) {
    threads_[which]->SetFile(fileName);
    return;
  }
  adapters_[which] = std::make_unique<ListAdapter>(panes_[which]);
  threads_[which] = std::make_unique<TDirectoryThread>(*adapters_[which], fileName, runOnMainThread);
}

void FilePanes::execute(Pane which) {
  const QListWidgetItem* item = panes_[which]->currentItem();
  if (item == nullptr || !item->isSelected()) {
    const QList<QListWidgetItem*> selected = panes_[which]->selectedItems();
    if (selected.isEmpty()) return;
    item = selected.first();
  }
  const std::string path = folders_[which] + item->text().toStdString();
  const auto unable = [this] {
    QMessageBox::information(window_, tr("Information"), tr("Unable to open file."));
  };
  if (!isRegularFile(path)) return unable();
  OpenDocumentInBackground(path, this, unable);
}

void FilePanes::explore(Pane which) {
  const std::string& folder = folders_[which];
  if (folder.empty()) return;
  OpenDocumentInBackground(folder.size() > 1 ? folder.substr(0, folder.size() - 1) : folder, this, {});
  QApplication::beep();
}

}  // namespace vl::gui
