// Building the "Add To Database" dialog from the shared folder list box and its buttons.
#include "app/database/add_to_database_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/components/folder_list_box.h"
#include "app/components/help.h"
#include "app/components/widget_helpers.h"

namespace vl::gui {

AddToDatabaseDialog::AddToDatabaseDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("fAddToDatabase");
  setWindowTitle(tr("Add To Database"));
  SetHelpContext(this, HelpDatabaseDialog);
  auto* title = new QLabel(tr("Add Folders to Database"), this);
  title->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  title->setAlignment(Qt::AlignCenter);
  title->setFixedHeight(ScaledBarHeight(title, 24));
  list_ = new FolderListBox(this);
  list_->setObjectName("lbdirs");
  auto* bar = new QToolBar(this);
  bar->setObjectName("ToolBar1");
  FillFolderListToolBar(bar, list_, QString(), false);
  auto* done = new QPushButton(tr("Done"), this);
  done->setObjectName("bbOK");
  done->setDefault(true);
  SetHint(done, tr("Done selecting folders, Add them to the database now."));
  connect(done, &QPushButton::clicked, this, &QDialog::accept);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName("bbCancel");
  SetHint(cancel, tr("Cancel the add."));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(done);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(bar);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
  resize(360, 320);
}

std::vector<std::string> AddToDatabaseDialog::folders() const { return list_->entries(); }

}  // namespace vl::gui
